#include "Ui/Picture.h"
#include "Ui/UI.h"
#include "engine/FileManager.h"
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

// The demo's picture show, from the built data: every element finds its pictures.
TEST(DemoPictures, EveryPictureOfTheShowFindsItsLook)
{
    cTempFolder home(true);
    setenv("FURROW_HOME", home.path().c_str(), 1);
    try {
        const char* data = std::getenv("FURROW_DATA");
        cFileManager files(data ? data : "Data", "pack");
        cResourceManager resources;
        cSettings settings;
        cHeadlessWindow window;
        cHeadlessSystem system;
        cGraphics graphics(std::make_unique<cRecordingRasterDevice>(), window, system);
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
    } catch (const String& _error) {
        ADD_FAILURE() << _error;
    }
    unsetenv("FURROW_HOME");
}

} // namespace
