#include "Ui/Picture.h"
#include "Ui/UI.h"
#include "engine/FileManager.h"
#include "engine/Logic.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/XML.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

std::string dataFolder()
{
    const char* folder = std::getenv("FURROW_DATA");
    return folder ? folder : "Data";
}

// The demo's picture show loads from the built data, every look found, and draws.
TEST(DemoPictures, EveryPictureOfTheShowLoadsAndDraws)
{
    cTempFolder home(true);
    setenv("FURROW_HOME", home.path().c_str(), 1);
    try {
        cFileManager files(dataFolder(), "pack");
        cResourceManager resources;
        cSettings settings;
        cHeadlessWindow window;
        cHeadlessSystem system;
        auto device = std::make_unique<cRecordingRasterDevice>();
        cRecordingRasterDevice& recording = *device;
        cGraphics graphics(std::move(device), window, system);
        cUI ui;
        cXML show("Ui/PictureShow.xml");
        TAG_LIST elements;
        ASSERT_EQ(show.get("picture", elements), 4u);
        std::vector<std::unique_ptr<cPicture>> pictures;
        for (iXML* element : elements) {
            pictures.push_back(std::make_unique<cPicture>(nullptr));
            pictures.back()->loadXML(element);
            EXPECT_NE(pictures.back()->getTexture(), nullptr);
        }
        graphics.beginRender();
        cUI::drawControls(&cLogic::draw);
        graphics.endRender();
        EXPECT_GE(recording.draws().size(), 2u);
    } catch (const String& _error) {
        ADD_FAILURE() << _error;
    }
    unsetenv("FURROW_HOME");
}

} // namespace
