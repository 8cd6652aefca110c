#include "ScreenHarness.h"

#include "Ui/MovableBack.h"
#include "Ui/MovableUnion.h"
#include "Ui/Picture.h"

#include <type_traits>

namespace {

using ScreenBase = cScreenTest;

TEST_F(ScreenBase, ABackMakesOnePicturePerBackgroundChildInOrder)
{
    EXPECT_TRUE(load(keep<cBack>(), "<s />")->getBackground().empty());
    cBack* back = load(keep<cBack>(), "<s><Background><p position=\"1,0\" /><p position=\"2,0\" /><p position=\"3,0\" />"
                                      "</Background></s>");
    ASSERT_EQ(back->getBackground().size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back->getBackground()[i]->getPosition().x, Float(i + 1));
        EXPECT_EQ(back->getBackground()[i]->getParent(), back);
    }
}

// A screen that counts the ends of its slides in.
class cCountingBack : public cMovableBack {
public:
    using cMovableBack::cMovableBack;
    void onMoveEnd() override { ++m_ends; }
    int m_ends = 0;
};

cControl* moving(cMovableUnion* _panel) { return _panel; }
cControl* moving(cMovableBack* _screen) { return _screen->getSlidingPicture(); }
int ends(cMovableUnion*) { return 0; }
int ends(cCountingBack* _screen) { return _screen->m_ends; }

template <class T> class Slides : public cScreenTest {
protected:
    // Shown, enabled and absolutely enabled, with one backdrop picture at (10, 10).
    T* make(const std::string& _attributes = "")
    {
        return load(keep<T>(), "<s Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" " + _attributes +
                                   "><Background><p Visible=\"1\" position=\"10,10\" /></Background></s>");
    }
};
using SlidingViews = ::testing::Types<cMovableUnion, cCountingBack>;
TYPED_TEST_SUITE(Slides, SlidingViews);

TYPED_TEST(Slides, ASlideTakesDistanceOverSpeedAndLandsExactlyOnTheTarget)
{
    TypeParam* view = this->make();
    view->startMove(2, Vector2(0, 0), Vector2(2400, 0));
    this->wait(0.96f);
    EXPECT_NEAR(moving(view)->getPosition().x, 2304.0f, 0.5f);
    EXPECT_FALSE(view->isEnabled());
    EXPECT_FALSE(view->getContent()->isVisible());
    EXPECT_TRUE(view->getBackground().front()->isVisible());
    this->wait(0.06f);
    EXPECT_EQ(moving(view)->getPosition(), Vector2(2400, 0));
    EXPECT_TRUE(view->isEnabled());
    EXPECT_TRUE(view->getContent()->isVisible());
    EXPECT_EQ(ends(view), (std::is_same_v<TypeParam, cCountingBack> ? 1 : 0));
}

TYPED_TEST(Slides, ASlideToWhereItStartsEndsNextFrame)
{
    TypeParam* view = this->make();
    view->startMove(2, Vector2(50, 60), Vector2(50, 60));
    this->wait(0.02f);
    EXPECT_EQ(moving(view)->getPosition(), Vector2(50, 60));
    EXPECT_TRUE(view->isEnabled());
}

TYPED_TEST(Slides, ASlideOutEndsHiddenWithTheViewEnabled)
{
    TypeParam* view = this->make("MoveSpeed=\"1200\"");
    view->startMove(1, Vector2(0, 0), Vector2(0, -120));
    this->wait(0.12f);
    EXPECT_FALSE(view->isOwnVisible());
    EXPECT_TRUE(view->isEnabled()) << "shown again, it reacts at once";
    EXPECT_EQ(ends(view), 0);
}

TYPED_TEST(Slides, TheBackdropAndTheContentRideAlong)
{
    TypeParam* view = this->make();
    const Vector2 start = moving(view)->getPosition(), content = view->getContent()->getPosition();
    const Vector2 backdrop = view->getBackground().front()->getPosition();
    view->startMove(2, Vector2(100, 0), Vector2(800, 0));
    this->wait(0.04f);
    const Float moved = moving(view)->getPosition().x - start.x;
    EXPECT_FLOAT_EQ(view->getContent()->getPosition().x - content.x, moved);
    EXPECT_FLOAT_EQ(view->getBackground().front()->getPosition().x - backdrop.x, moved);
}

TYPED_TEST(Slides, ASpeedNotAboveZeroIsRefused)
{
    EXPECT_EQ(this->make("MoveSpeed=\"800\"")->getSlide().getMoveSpeed(), 800.0f);
    for (const char* speed : {"0", "-100"})
        EXPECT_THROW(this->make(std::string("MoveSpeed=\"") + speed + "\""), String) << speed;
}

} // namespace
