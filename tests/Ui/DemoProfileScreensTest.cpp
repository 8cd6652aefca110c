#include "DemoViewsHarness.h"
#include "Ui/ListBox.h"
#include "Ui/NewProfile.h"
#include "Ui/SelectProfile.h"
#include "Ui/TextBox.h"

#include <gtest/gtest.h>

namespace {

// Both profile screens from the built data: every picture finds its file, and an English
// player reads the code's own labels and question in English.
TEST(DemoProfileScreens, EveryPictureLoadsAndTheCodesLabelsReadInEnglish)
{
    try {
        sDemoViews demo;
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
        EXPECT_EQ(demo.strings.getString(cSelectProfile::LABEL_EXISTING), u"OK");
        EXPECT_EQ(demo.strings.getString(cSelectProfile::LABEL_NEW), u"New");
        EXPECT_EQ(demo.strings.getString(cSelectProfile::DELETE_QUESTION), u"Do you really want\nto delete this profile?");
        cUI::shutAfterAll();
    } catch (const String& _error) {
        ADD_FAILURE() << _error;
    }
}

} // namespace
