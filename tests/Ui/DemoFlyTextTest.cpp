#include "Ui/FlyText.h"
#include "Ui/Picture.h"
#include "Ui/UI.h"
#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

TEST(DemoFlyText, TheGamesFlyTextsLoadAndShowTheirAmount)
{
    const char* folder = std::getenv("FURROW_DATA");
    cTempFolder home(true);
    setenv("FURROW_HOME", home.path().c_str(), 1);
    {
        cFileManager files(folder ? folder : "Data", "pack");
        cResourceManager resources;
        cHeadlessWindow window;
        cHeadlessSystem system;
        cGraphics graphics(std::make_unique<cRecordingRasterDevice>(), window, system);
        cUI ui;
        for (const char* path : {"UI/FlyTextExpence.xml", "UI/FlyTextIncome.xml", "UI/FlyProductExpence.xml"}) {
            std::unique_ptr<cFlyText> fly;
            try {
                fly = std::make_unique<cFlyText>(nullptr, path);
            } catch (const String& _error) {
                ADD_FAILURE() << path << ": " << _error;
                continue;
            }
            fly->setString(u"1250");
            EXPECT_EQ(fly->getLetters().size(), 4u) << path;
            EXPECT_TRUE(fly->isVisible() && fly->isEnabled()) << path << " starts by itself";
            EXPECT_GT(fly->getDistance() / fly->getSpeed(), 0.5f) << path << " is seen for a moment";
        }
        cUI::shutAfterAll();
    }
    unsetenv("FURROW_HOME");
}

} // namespace
