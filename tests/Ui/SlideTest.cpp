#include "ScreenHarness.h"

#include "Ui/Back.h"
#include "Ui/MovableBack.h"
#include "Ui/MovableUnion.h"

#include <cmath>

namespace {

using ScreenBase = cScreenTest;

TEST_F(ScreenBase, ABackWithoutBackgroundHasNoPictures)
{
    auto* back = keep<cBack>(nullptr);
    back->loadXML(element("<screen Visible=\"1\" />"));
    EXPECT_TRUE(back->getBackground().empty());
    EXPECT_TRUE(back->isOwnVisible());
}

TEST_F(ScreenBase, ABackMakesOnePicturePerBackgroundChildInOrder)
{
    auto* back = keep<cBack>(nullptr);
    back->loadXML(element("<screen><Background>"
                          "<Sky position=\"1,0\" /><Sky position=\"2,0\" /><Sky position=\"3,0\" />"
                          "</Background></screen>"));
    ASSERT_EQ(back->getBackground().size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back->getBackground()[i]->getPosition().x, Float(i + 1));
        EXPECT_EQ(back->getBackground()[i]->getParent(), back);
    }
}

// The two sliding views behind one face: what moves, its content group and the view.
struct sSlider {
    virtual ~sSlider() = default;
    virtual void start(Int _mode, Vector2 _from, Vector2 _to) = 0;
    virtual Vector2 position() const = 0;
    virtual cControl* content() const = 0;
    virtual cView* view() const = 0;
    virtual const cSlide& slide() const = 0;
};

struct sUnionSlider : sSlider {
    explicit sUnionSlider(cMovableUnion* _panel) : panel(_panel) {}
    void start(Int _mode, Vector2 _from, Vector2 _to) override { panel->startMove(_mode, _from, _to); }
    Vector2 position() const override { return panel->getPosition(); }
    cControl* content() const override { return panel->getContent(); }
    cView* view() const override { return panel; }
    const cSlide& slide() const override { return panel->getSlide(); }
    cMovableUnion* panel;
};

struct sBackSlider : sSlider {
    explicit sBackSlider(cMovableBack* _screen) : screen(_screen) {}
    void start(Int _mode, Vector2 _from, Vector2 _to) override { screen->startMove(_mode, _from, _to); }
    Vector2 position() const override { return screen->getSlidingPicture()->getPosition(); }
    cControl* content() const override { return screen->getContent(); }
    cView* view() const override { return screen; }
    const cSlide& slide() const override { return screen->getSlide(); }
    cMovableBack* screen;
};

// Counts the ends of its slides in.
class cCountingBack : public cMovableBack {
public:
    using cMovableBack::cMovableBack;
    void onMoveEnd() override { ++m_ends; }
    int m_ends = 0;
};

class Slides : public cScreenTest {
protected:
    // A panel and a screen, each shown, enabled and absolutely enabled, loaded from _attributes
    // with one background picture.
    std::vector<std::unique_ptr<sSlider>> sliders(const std::string& _attributes = "")
    {
        const std::string xml = "<s Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" " + _attributes +
                                "><Background><p Visible=\"1\" position=\"10,10\" /></Background></s>";
        auto* panel = keep<cMovableUnion>(nullptr);
        panel->loadXML(element(xml));
        m_back = keep<cCountingBack>(nullptr);
        m_back->loadXML(element(xml));
        std::vector<std::unique_ptr<sSlider>> all;
        all.push_back(std::make_unique<sUnionSlider>(panel));
        all.push_back(std::make_unique<sBackSlider>(m_back));
        return all;
    }

    cCountingBack* m_back = nullptr;
};

TEST_F(Slides, AFullSlideEndsAfterDistanceOverSpeedExactlyOnTheTarget)
{
    for (const auto& slider : sliders()) {
        EXPECT_EQ(slider->slide().getMoveSpeed(), 2400.0f);
        slider->start(2, Vector2(0, 0), Vector2(2400, 0));
        wait(0.96f);
        EXPECT_TRUE(slider->slide().isMoving());
        EXPECT_NEAR(slider->position().x, 2304.0f, 1.0f);
        wait(0.08f);
        EXPECT_FALSE(slider->slide().isMoving());
        EXPECT_EQ(slider->position(), Vector2(2400, 0));
        EXPECT_TRUE(slider->view()->isEnabled());
        EXPECT_TRUE(slider->content()->isVisible());
    }
    EXPECT_EQ(m_back->m_ends, 1);
}

TEST_F(Slides, ASlideToWhereItStartsEndsNextFrame)
{
    for (const auto& slider : sliders()) {
        slider->start(2, Vector2(50, 60), Vector2(50, 60));
        frames(1);
        EXPECT_FALSE(slider->slide().isMoving());
        EXPECT_EQ(slider->position(), Vector2(50, 60));
        EXPECT_TRUE(slider->view()->isEnabled());
    }
}

TEST_F(Slides, DuringASlideTheContentIsHiddenAndTheViewDisabled)
{
    for (const auto& slider : sliders()) {
        const Vector2 content = slider->content()->getPosition(), moving = slider->position();
        slider->start(2, Vector2(0, 0), Vector2(800, 0));
        frames(2);
        EXPECT_FALSE(slider->view()->isEnabled());
        EXPECT_TRUE(slider->view()->isVisible());
        EXPECT_FALSE(slider->content()->isVisible());
        EXPECT_FLOAT_EQ(slider->content()->getPosition().x - content.x, slider->position().x - moving.x)
            << "the group rides along";
    }
    // The backdrop keeps its place on the sliding picture, which started at (-1, 0).
    const cControl* backdrop = m_back->getBackground().front();
    EXPECT_EQ(backdrop->getParent(), m_back->getSlidingPicture());
    EXPECT_TRUE(backdrop->isVisible());
    EXPECT_NEAR(backdrop->getPosition().x, 10 + 1 + 2 * 0.02f * 2400, 0.01f);
}

TEST_F(Slides, ASlideOutEndsHiddenWithTheViewEnabled)
{
    for (const auto& slider : sliders()) {
        slider->start(1, Vector2(400, 300), Vector2(400, -300));
        wait(0.3f);
        EXPECT_FALSE(slider->view()->isOwnVisible());
        EXPECT_TRUE(slider->view()->isEnabled()) << "shown again, it reacts at once";
        EXPECT_TRUE(slider->content()->isOwnVisible());
    }
    EXPECT_EQ(m_back->m_ends, 0) << "only a slide in ends with the screen shown";
}

TEST_F(Slides, TheSpeedComesFromTheElementAndMustBeAboveZero)
{
    for (const auto& slider : sliders("MoveSpeed=\"800\" HiddenPlace=\"0,-300\"")) {
        EXPECT_EQ(slider->slide().getMoveSpeed(), 800.0f);
        slider->start(2, Vector2(0, 0), Vector2(800, 0));
        EXPECT_FLOAT_EQ(slider->slide().getTimeLeft(), 1.0f);
    }
    for (const char* speed : {"0", "-100"}) {
        const std::string xml = std::string("<s MoveSpeed=\"") + speed + "\" />";
        EXPECT_THROW(keep<cMovableUnion>(nullptr)->loadXML(element(xml)), String) << speed;
        EXPECT_THROW(keep<cMovableBack>(nullptr)->loadXML(element(xml)), String) << speed;
    }
}

TEST_F(Slides, APanelRemembersItsShownAndHiddenPlaces)
{
    auto* panel = keep<cMovableUnion>(nullptr);
    panel->loadXML(element("<s position=\"400,300\" HiddenPlace=\"400,-200\" />"));
    EXPECT_EQ(panel->getShownPlace(), Vector2(400, 300));
    EXPECT_EQ(panel->getHiddenPlace(), Vector2(400, -200));
}

} // namespace
