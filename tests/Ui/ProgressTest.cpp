#include "ControlHarness.h"

#include "Ui/ProgressDiscrete.h"
#include "Ui/ProgressFloat.h"
#include "support/Thrown.h"

#include <cmath>

namespace {

using ProgressBar = cControlTest;

// A whole element with children, as "screen.xml" would hold it.
std::unique_ptr<cXML> parse(const std::string& _element)
{
    const std::string bytes = makeXml16(_element);
    return std::make_unique<cXML>("screen.xml", bytes.data(), ULong(bytes.size()));
}

// Left, top, right and bottom of an unturned bar's quad, then its texture rectangle.
std::vector<Float> quadOf(cControl& _bar)
{
    const iGraphics::sSprite& s = _bar.getSprite();
    return {s.corners[0].x, s.corners[0].y, s.corners[3].x, s.corners[3].y, s.left, s.top, s.right, s.bottom};
}

TEST_F(ProgressBar, TheValueCutsTheQuadAndItsTextureFromTheMovingSide)
{
    // A 40 x 20 bar centred on (100, 50): corners 80..120 by 40..60.
    const struct {
        const char* attributes;
        Float stored;
        std::vector<Float> quad;
    } cases[] = {
        {"Side=\"1\" ProgressCurrentValue=\"50\"", 50, {80, 40, 100, 60, 0, 0, 0.5f, 1}},
        {"Side=\"0\" ProgressCurrentValue=\"50\"", 50, {100, 40, 120, 60, 0.5f, 0, 1, 1}},
        {"Side=\"2\" ProgressCurrentValue=\"50\"", 50, {80, 50, 120, 60, 0, 0.5f, 1, 1}},
        {"Side=\"3\" ProgressCurrentValue=\"50\"", 50, {80, 40, 120, 50, 0, 0, 1, 0.5f}},
        {"Side=\"1\" ProgressCurrentValue=\"0\"", 0, {80, 40, 80, 60, 0, 0, 0, 1}},
        {"Side=\"1\" ProgressCurrentValue=\"100\"", 100, {80, 40, 120, 60, 0, 0, 1, 1}},
        {"Side=\"1\" ProgressCurrentValue=\"150\"", 100, {80, 40, 120, 60, 0, 0, 1, 1}},
        {"Side=\"7\" ProgressCurrentValue=\"10\"", 10, {80, 40, 120, 60, 0, 0, 1, 1}},
        {"Side=\"1\" ProgressCurrentValue=\"10\" ProgressMaxValue=\"0\"", 0, {80, 40, 80, 60, 0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        cProgressFloat bar(nullptr);
        bar.loadXML(element(std::string("Picture=\"grid.png\" position=\"100 50\" size=\"40 20\" ") + c.attributes).get());
        EXPECT_EQ(quadOf(bar), c.quad) << c.attributes;
        EXPECT_EQ(bar.getValue(), c.stored) << c.attributes;
    }
}

TEST_F(ProgressBar, TheSideDefaultsToLeftFromXmlButTopInCode)
{
    cProgressFloat described(nullptr), built(nullptr);
    described.loadXML(element("position=\"0 0\"").get());
    EXPECT_EQ(described.getSide(), 0u);
    EXPECT_EQ(built.getSide(), 2u);
}

TEST_F(ProgressBar, TheLidRidesTheMovingEdgeOfTheTurnedQuadWhenTold)
{
    const struct {
        const char* angle;
        Vector2 lid;
    } cases[] = {{"0", {90, 50}}, {"90", {100, 60}}};
    for (const auto& c : cases) {
        cProgressFloat bar(nullptr);
        bar.loadXML(parse(std::string("<bar position=\"100 50\" size=\"40 20\" Side=\"1\" ProgressCurrentValue=\"25\" angle=\"") +
                          c.angle + "\"><Lid size=\"4 4\"/></bar>").get());
        ASSERT_TRUE(bar.getLid());
        EXPECT_NEAR(bar.getLid()->getPosition().x, c.lid.x, 1e-4) << c.angle;
        EXPECT_NEAR(bar.getLid()->getPosition().y, c.lid.y, 1e-4) << c.angle;
        bar.setValue(100);
        EXPECT_NEAR(bar.getLid()->getPosition().y, c.lid.y, 1e-4) << "not before progressChanged";
    }
}

using DiscreteBar = cControlTest;

TEST_F(DiscreteBar, SegmentsTakeTheLitOrUnlitLookAlongTheStep)
{
    cProgressDiscrete bar(nullptr);
    bar.loadXML(parse("<bar Visible=\"1\" position=\"10 20\" deep=\"3\" ProgressMaxValue=\"5\" ProgressCurrentValue=\"2\" "
                        "Step=\"30 0\" DeepStep=\"0.5\" MaxLength=\"1000\"><PictureOn Picture=\"grid.png\" size=\"8 8\"/>"
                        "<PictureOff size=\"6 6\"/></bar>").get());
    ASSERT_EQ(bar.getCount(), 5u);
    for (UInt i = 0; i < 5; ++i) {
        const cPicture* segment = bar.getSegments()[i];
        EXPECT_EQ(segment->getPicture() != nullptr, i < 2) << i;
        EXPECT_EQ(segment->getPosition(), Vector2(10 + 30.0f * Float(i), 20)) << i;
        EXPECT_FLOAT_EQ(segment->getDeep(), 3 + 0.5f * Float(i));
        EXPECT_TRUE(cUI::isDrawn(segment));
    }
    EXPECT_FALSE(cUI::isDrawn(&bar)) << "the bar itself is never drawn";
    bar.getSegments()[4]->setPositionXY(0, 0);
    bar.setValue(2);
    EXPECT_EQ(bar.getSegments()[4]->getPosition(), Vector2(0, 0)) << "the same value lays out nothing";
    bar.setValue(9);
    EXPECT_NE(bar.getSegments()[4]->getPicture(), nullptr) << "a value past the count lights all";
    EXPECT_EQ(bar.getSegments()[4]->getPosition(), Vector2(130, 20));
}

TEST_F(DiscreteBar, ARowLongerThanMaxLengthIsPressedToWholeUnits)
{
    const struct {
        const char* maxLength;
        Float step;
    } cases[] = {{"MaxLength=\"200\"", 30}, {"MaxLength=\"100\"", 20}, {"MaxLength=\"40\"", 8}, {"MaxLength=\"4\"", 1}, {"", 1}};
    for (const auto& c : cases) {
        cProgressDiscrete bar(nullptr);
        bar.loadXML(element(std::string("ProgressMaxValue=\"5\" Step=\"30 0\" ") + c.maxLength).get());
        EXPECT_EQ(bar.getSegments()[1]->getPosition().x - bar.getSegments()[0]->getPosition().x, c.step) << c.maxLength;
        EXPECT_EQ(bar.getStep(), Vector2(30, 0)) << "the field keeps its step";
    }
}

TEST_F(DiscreteBar, AMaximumOfZeroIsRefused)
{
    for (const char* attributes : {"ProgressMaxValue=\"0\"", "", "ProgressMaxValue=\"many\""}) {
        cProgressDiscrete bar(nullptr);
        EXPECT_EQ(thrownText([&] { bar.loadXML(element(std::string("Step=\"3 0\" ") + attributes).get()); }, true),
            "ProgressMaxValue == 0");
        EXPECT_EQ(bar.getCount(), 0u);
        EXPECT_EQ(bar.getStep(), Vector2(3, 0));
    }
}

} // namespace
