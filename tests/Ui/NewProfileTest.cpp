#include "ProfileScreenHarness.h"

#include "Ui/NewProfile.h"
#include "Ui/Text.h"
#include "input/Control.h"

namespace {

using NewProfile = cProfileScreenTest;

TEST_F(NewProfile, TheFirstProfileIsMadeByNameAndOnlyByOk)
{
    cNewProfile* screen = open<cNewProfile>();
    EXPECT_EQ(screen->getBackground().size(), 2u);
    keys({KEY_ESCAPE, KEY_RETURN});
    EXPECT_TRUE(cNewProfile::exists());
    type(u"lpt9");
    EXPECT_FALSE(screen->getOkButton()->isOwnVisible());
    type(u"\b8!");
    EXPECT_TRUE(screen->getOkButton()->isOwnVisible());
    EXPECT_TRUE(screen->getOkButton()->isEnabled());
    keys({KEY_RETURN, KEY_RETURN});
    EXPECT_EQ(s_continued, 1);
    EXPECT_FALSE(cNewProfile::exists());
    ASSERT_TRUE(cProfile::exists());
    EXPECT_EQ(cProfile::getInstance()->m_currentUserName, u"lpt8!");
    EXPECT_TRUE(cProfile::isHeadersExist());
}

} // namespace
