#include "TextHarness.h"

#include "Ui/FlyText.h"
#include "Ui/Picture.h"
#include "Ui/PriceText.h"
#include "support/Thrown.h"

namespace {

// A fly text over a path 100 units long, fading from 1 to 0 along it, at Speed 50.
const char* const kPath = "<PositionPoints><p position=\"0 0\"/><p position=\"60 0\"/><p position=\"60 40\"/>"
                          "</PositionPoints>";
const char* const kFade = "<AlphaPoints><a alpha=\"1\" distance=\"0\"/><a alpha=\"0\" distance=\"1\"/></AlphaPoints>";

class FlyText : public cTextTest {
protected:
    cFlyText* makeFly(const std::string& _inner, const std::string& _speed = "50")
    {
        auto* fly = new cFlyText(nullptr, "");
        try {
            fly->loadXML(element("<f Visible=\"1\" Enable=\"1\" Font=\"fonts/test.fnt\" Texture=\"fonts/test.png\" "
                                 "String=\"12\" Speed=\"" + _speed + "\"><Icon Picture=\"fonts/test.png\" "
                                 "Visible=\"1\"/>" + _inner + "</f>"));
        } catch (...) {
            delete fly;
            throw;
        }
        return fly;
    }
    static void onArrival(std::uintptr_t _fly)
    {
        s_arrivals.push_back(reinterpret_cast<cFlyText*>(_fly)->getPosition());
    }
    static inline std::vector<Vector2> s_arrivals;
};

TEST_F(FlyText, TravelsThePathAtItsSpeedThenCallsBackOnceAndIsDeletedThatFrame)
{
    s_arrivals.clear();
    cFlyText* fly = makeFly(std::string(kPath) + kFade);
    fly->setCallback(onArrival, reinterpret_cast<std::uintptr_t>(fly));
    frame(1.0f);
    EXPECT_EQ(fly->getPosition(), Vector2(50, 0));
    EXPECT_FLOAT_EQ(fly->getAlpha(), 0.5f);
    EXPECT_FLOAT_EQ(fly->getIcon()->getAlpha(), 0.5f);
    EXPECT_EQ(fly->getIcon()->getPosition(), Vector2(50, 0)) << "the icon follows";
    frame(0.6f);
    EXPECT_NEAR(fly->getPosition().y, 20, 1e-4);
    EXPECT_TRUE(s_arrivals.empty());
    frame(0.4f);
    EXPECT_EQ(s_arrivals, (std::vector<Vector2>{{60, 40}}));
    EXPECT_TRUE(m_ui->getEnabled().empty()) << "deleted with its letters and icon";
}

TEST_F(FlyText, AFrameThatOvershootsEndsAtTheLastPoint)
{
    s_arrivals.clear();
    cFlyText* fly = makeFly(std::string(kPath) + kFade);
    fly->setCallback(onArrival, reinterpret_cast<std::uintptr_t>(fly));
    frame(5.0f);
    EXPECT_EQ(s_arrivals, (std::vector<Vector2>{{60, 40}}));
}

TEST_F(FlyText, DegenerateEffectsAreRefusedAtLoading)
{
    const struct {
        std::string inner, speed, error;
    } cases[] = {
        {std::string("<PositionPoints><p position=\"5 5\"/></PositionPoints>") + kFade, "50", "Position points < 2"},
        {std::string("<PositionPoints><p position=\"5 5\"/><p position=\"5 5\"/></PositionPoints>") + kFade, "50",
         "Distance = 0"},
        {std::string(kPath) + "<AlphaPoints><a alpha=\"1\" distance=\"0\"/></AlphaPoints>", "50", "Alpha points < 2"},
        {std::string(kPath) + "<AlphaPoints><a alpha=\"1\" distance=\"0.5\"/><a alpha=\"0\" distance=\"0.5\"/>"
                              "</AlphaPoints>", "50", "Alpha point distances do not rise"},
        {std::string(kPath) + kFade, "0", "Speed <= 0"},
    };
    for (const auto& c : cases) {
        const String error = thrownText([&] { makeFly(c.inner, c.speed); });
        EXPECT_EQ(error.substr(0, error.find('\n')), c.error);
        EXPECT_NE(error.find("void cFlyText::loadXML(iXML* xml_doc)"), String::npos);
    }
}

using PriceText = cTextTest;

TEST_F(PriceText, DigitsCloseUpInGroupsOfThreeFromTheRight)
{
    const struct {
        const char16_t* string;
        std::vector<Float> shifts;
    } cases[] = {{u"1234567", {0, 2, 1, 0, 2, 1, 0}}, {u"12 345", {1, 0, 2, 1, 0}}, {u"1a23", {0, 0, 1, 0}}};
    for (const auto& c : cases) {
        cText* plain = makeText(c.string);
        cPriceText price(nullptr);
        price.setFont("fonts/test.fnt");
        price.setTexture("fonts/test.png");
        price.setAlign(1);
        price.setPositionXY(100, 50);
        price.setDegreeOffset(3);
        price.setString(c.string);
        price.makeLetters();
        std::vector<Float> shifts;
        const std::vector<Float> base = letterXs(*plain), moved = letterXs(price);
        for (size_t i = 0; i < base.size() && i < moved.size(); ++i)
            shifts.push_back(moved[i] - base[i]);
        EXPECT_EQ(shifts, c.shifts);
    }
}

} // namespace
