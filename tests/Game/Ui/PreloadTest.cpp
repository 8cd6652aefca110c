#include "Game/Ui/Preload.h"
#include "Game/Ui/ShellHarness.h"
#include "Ui/Picture.h"
#include "Ui/ViewWatch.h"
#include "input/Control.h"

namespace {

// The logos as the entry opens them, their fade-in over.
class PreloadTest : public cShellTest {
protected:
    explicit PreloadTest(tDataFiles _extra = {}) : cShellTest(std::move(_extra))
    {
        auto* logos = new cPreload();
        logos->hide();
        logos->showTransparently();
        m_logos.set(logos);
        for (int frame = 0; frame < 60 && logos->getState() == 0; ++frame)
            m_engine.frame();
    }
    cPreload* logos() { return static_cast<cPreload*>(m_logos.get()); }
    // Frames spent in the current state, at most _limit.
    int framesInState(int _limit = 400)
    {
        const Int state = logos()->getState();
        int frames = 0;
        while (logos()->getState() == state && !logos()->hasLeft() && frames < _limit) {
            m_engine.frame();
            ++frames;
        }
        return frames;
    }
    void press() { key(KEY_SPACE, true, false); }
    void release() { key(KEY_SPACE, false, true); }

    cViewWatch m_logos;
};

TEST_F(PreloadTest, EachLogoStaysFourSecondsAtItsOwnSize)
{
    const Vector2 sizes[] = {{40, 30}, {50, 20}, {60, 10}};
    for (Int state = 1; state <= 3; ++state) {
        SCOPED_TRACE(state);
        ASSERT_EQ(logos()->getState(), state);
        EXPECT_EQ(logos()->getLogo()->getSize().x, sizes[state - 1].x);
        EXPECT_EQ(logos()->getLogo()->getSize().y, sizes[state - 1].y);
        EXPECT_NEAR(framesInState(), 200, 1);
    }
    EXPECT_TRUE(logos()->hasLeft());
}

TEST_F(PreloadTest, APressDuringTheSecondLogoShowsTheThirdFromTheStart)
{
    framesInState();
    m_engine.frames(50);
    press();
    EXPECT_EQ(logos()->getState(), 3);
    EXPECT_FLOAT_EQ(logos()->getTime(), 0.02f);
    EXPECT_EQ(logos()->getLogo()->getAlpha(), 0.0f);
}

// A release whose press went elsewhere (before the window had the focus) skips nothing.
TEST_F(PreloadTest, OnlyPressesSkip)
{
    release();
    release();
    EXPECT_EQ(logos()->getState(), 1);
    press();
    release();
    press();
    EXPECT_EQ(logos()->getState(), 3);
}

class NoGameLogoTest : public PreloadTest {
protected:
    NoGameLogoTest() : PreloadTest({{"Logo.jpg", ""}}) {}
};

TEST_F(NoGameLogoTest, TheSequenceStartsAtTheSecondAndEndsAfterTheThird)
{
    EXPECT_EQ(logos()->getState(), 2);
    EXPECT_EQ(logos()->getLogo()->getSize().x, 50.0f);
    framesInState();
    EXPECT_EQ(logos()->getState(), 3);
    framesInState();
    EXPECT_TRUE(logos()->hasLeft());
}

} // namespace
