#include "ControlHarness.h"
#include "Ui/Picture.h"

namespace {

using ControlAnimation = cControlTest;

// A picture of four frames over one second that counts the ends of its animation.
class cCountingPicture : public cPicture {
public:
    cCountingPicture() : cPicture(nullptr)
    {
        setAnimGrid(2, 2);
        setFramesCount(4);
    }
    void onAnimationEnd() override { ++m_ends; }
    int m_ends = 0;
};

TEST_F(ControlAnimation, AClockPastTheEndStopsOnTheLastFrameOrGoesRound)
{
    struct sCase {
        Bool loop;
        Float clock, wrapped;
        UInt frame;
        int ends;
    };
    const sCase cases[] = {
        {false, 1.3f, 1.0f, 3, 1}, {false, 1.0f, 1.0f, 3, 0}, {false, -0.5f, 0, 0, 0},
        {true, 1.3f, 0.3f, 1, 0},  {true, -0.3f, 0.7f, 2, 0}, {true, 1e30f, 0, 0, 0},
    };
    for (const sCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.loop ? "looping" : "once") << " at " << c.clock);
        cCountingPicture picture;
        picture.setAnimLoop(c.loop);
        picture.setAnimTime(c.clock);
        picture.getSprite();
        EXPECT_NEAR(picture.getAnimTime(), c.wrapped, 1e-5);
        EXPECT_EQ(picture.getAnimFrame(), c.frame);
        EXPECT_EQ(picture.m_ends, c.ends);
    }
}

TEST_F(ControlAnimation, DoubleRenderingFadesTheNextFrameInDuringTheFirstHalf)
{
    struct sCase {
        Bool loop;
        Float clock;
        UInt mainAlpha, secondAlpha, secondFrame;
    };
    // Frames are 0.25 s long; alphas as bytes.
    const sCase cases[] = {
        {true, 0.25f, 0xFF, 0x00, 2},   {true, 0.375f, 0xFF, 0xFF, 2}, {true, 0.4375f, 0x80, 0xFF, 2},
        {true, 0.875f, 0xFF, 0xFF, 0}, {false, 0.875f, 0xFF, 0xFF, 3},
    };
    for (const sCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.loop ? "looping" : "once") << " at " << c.clock);
        cCountingPicture picture;
        picture.setAnimLoop(c.loop);
        picture.setDoubleAnimRender(true);
        picture.setAnimTime(c.clock);
        EXPECT_EQ(picture.getSprite().corners[0].color >> 24, c.mainAlpha);
        EXPECT_EQ(picture.getSecondSprite().corners[0].color >> 24, c.secondAlpha);
        EXPECT_FLOAT_EQ(picture.getSecondSprite().left, c.secondFrame % 2 * 0.5f);
        EXPECT_FLOAT_EQ(picture.getSecondSprite().top, c.secondFrame / 2 * 0.5f);
    }
}

Bool untilThird(cControl* _picture)
{
    _picture->setUserValue(_picture->getUserValue() + 1);
    return _picture->getUserValue() >= 3;
}

TEST_F(ControlAnimation, AShowHookRunsEachFrameUntilItAnswersTrue)
{
    cPicture picture(nullptr);
    picture.setShowFunc(&untilThird);
    picture.show();
    picture.enable();
    for (int frame = 0; frame < 5; ++frame)
        cUI::processViews();
    EXPECT_EQ(picture.getUserValue(), 3u);
    EXPECT_EQ(picture.getProcessFuncCount(), 0u);
}

} // namespace
