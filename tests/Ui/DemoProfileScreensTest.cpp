#include "Ui/ListBox.h"
#include "Ui/NewProfile.h"
#include "Ui/SelectProfile.h"
#include "Ui/TextBox.h"
#include "Ui/UI.h"
#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/SoundManager.h"
#include "engine/StringManager.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Both profile screens from the built data: every picture finds its file, and an English
// player reads the code's own labels and question in English.
TEST(DemoProfileScreens, EveryPictureLoadsAndTheCodesLabelsReadInEnglish)
{
    cTempFolder home(true);
    setenv("FURROW_HOME", home.path().c_str(), 1);
    try {
        const char* data = std::getenv("FURROW_DATA");
        cFileManager files(data ? data : "Data", "pack");
        cResourceManager resources;
        cSettings settings;
        cStringManager strings;
        cHeadlessSoundLibrary library;
        cSoundManager sounds(library);
        cHeadlessWindow window;
        cHeadlessSystem system;
        cGraphics graphics(std::make_unique<cRecordingRasterDevice>(), window, system);
        cUI ui;
        {
            cNewProfile created;
            cSelectProfile select(false);
            std::vector<cControl*> pictures = created.getBackground();
            pictures.insert(pictures.end(), select.getBackground().begin(), select.getBackground().end());
            pictures.insert(pictures.end(), {created.getNameUnderlay(), created.getOkButton(), select.getOkButton(),
                                             select.getDeleteButton(), select.getExitButton(), select.getUserList(),
                                             select.getUserList()->getPrototype()});
            // The welcome's two texts draw letters, not a picture of their own.
            EXPECT_EQ(pictures.size(), 14u);
            for (cControl* picture : pictures)
                EXPECT_TRUE(dynamic_cast<cText*>(picture) || picture->getTexture());
        }
        EXPECT_EQ(strings.getString(cSelectProfile::LABEL_EXISTING), u"OK");
        EXPECT_EQ(strings.getString(cSelectProfile::LABEL_NEW), u"New");
        EXPECT_EQ(strings.getString(cSelectProfile::DELETE_QUESTION), u"Do you really want\nto delete this profile?");
        cUI::shutAfterAll();
    } catch (const String& _error) {
        ADD_FAILURE() << _error;
    }
    unsetenv("FURROW_HOME");
}

} // namespace
