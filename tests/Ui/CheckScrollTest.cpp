#include "ButtonHarness.h"

#include "Ui/CheckButton.h"
#include "Ui/ScrollBox.h"

#include <cmath>

namespace {

using Journal = std::vector<std::string>;

class CheckAndScroll : public cButtonTest {
protected:
    static void onCheck(cView*, Bool _checked) { record("check " + std::to_string(_checked)); }
    static void onDrag(cView*, Bool _dragging) { record("drag " + std::to_string(_dragging)); }
    static void onChange(cView*, Float _value) { record("change " + std::to_string(int(_value))); }

    // A track around (200, 100), 100 long for values 0 to 10 unless _attributes say otherwise.
    cScrollBox* makeBox(const std::string& _attributes, const std::string& _range = "Min=\"0\" Max=\"10\" ")
    {
        cScrollBox* box = make<cScrollBox>("<s Visible=\"1\" Enable=\"1\" position=\"200,100\" Picture=\"ui/button.png\" " +
                                           _range + _attributes +
                                           "><Slider Visible=\"1\" Enable=\"1\" size=\"10,10\" "
                                           "Picture=\"ui/hover.png\" /></s>");
        box->setOnDrag(&onDrag);
        box->setOnChange(&onChange);
        return box;
    }
};

TEST_F(CheckAndScroll, ACheckButtonTogglesOnEveryReleaseAndItsTickFollowsAtTheNextFrame)
{
    cCheckButton* check = make<cCheckButton>("<c Visible=\"1\" Enable=\"1\" position=\"100,100\" size=\"20,20\" "
                                             "Checked=\"1\"><Tick Picture=\"ui/hover.png\" /></c>");
    check->setOnCheck(&onCheck);
    EXPECT_TRUE(check->getTick()->isVisible());
    moveTo(100, 100);
    click();
    EXPECT_FALSE(check->getChecked());
    EXPECT_FALSE(check->getTick()->isVisible());
    press();
    moveTo(300, 300);
    release();
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A unhover", "A hover", "A click", "check 0", "A unhover",
                                         "A unhover", "check 1"}));
    check->setChecked(false);
    EXPECT_TRUE(check->getTick()->isVisible()) << "not at once";
    m_engine.frame();
    EXPECT_FALSE(check->getTick()->isVisible());
}

TEST_F(CheckAndScroll, DraggingTheTrackFollowsTheCursorWithinTheRange)
{
    cScrollBox* box = makeBox("size=\"100,30\" Value=\"5\"");
    moveTo(160, 100);
    press();
    EXPECT_FLOAT_EQ(box->getValue(), 1.0f) << "a press on the track takes the value to the cursor";
    EXPECT_EQ(box->getSlider()->getPosition(), Vector2(160, 100));
    for (int x : {400, 500, -180, -180}) // beyond both ends, the second time without change
        moveTo(x, 100);
    release();
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A unhover", "drag 1", "change 1", "change 10", "change 0",
                                         "A unhover", "drag 0"}));
    moveTo(150, 112); // on the track beside the thumb
    click();
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A unhover", "drag 1", "A hover", "A click", "drag 0"}))
        << "a drag that changes nothing still ends";
}

TEST_F(CheckAndScroll, HidingTheBoxWhileItsThumbIsHeldEndsTheDrag)
{
    cScrollBox* box = makeBox("size=\"100,10\" Value=\"5\"");
    moveTo(200, 100);
    press();
    ASSERT_TRUE(box->isDragging());
    takeJournal();
    box->hide();
    EXPECT_FALSE(box->isDragging());
    EXPECT_EQ(takeJournal(), Journal({"drag 0"}));
}

TEST_F(CheckAndScroll, TheThumbSitsWhereTheValueSaysOnEitherAxis)
{
    const struct {
        std::string attributes;
        std::string range;
        Vector2 thumb;
    } cases[] = {
        {"size=\"100,10\" Value=\"2.5\"", "Min=\"0\" Max=\"10\" ", {175, 100}},
        {"size=\"10,100\" Value=\"2.5\" Layout=\"1\"", "Min=\"0\" Max=\"10\" ", {200, 75}},
        {"size=\"10,100\" Value=\"2.5\" Layout=\"2\"", "Min=\"0\" Max=\"10\" ", {200, 100}},
        {"size=\"100,10\" Value=\"3\"", "Min=\"3\" Max=\"3\" ", {150, 100}},
        {"size=\"0,10\" Value=\"2.5\"", "Min=\"0\" Max=\"10\" ", {200, 100}},
    };
    for (const auto& c : cases) {
        cScrollBox* box = makeBox(c.attributes, c.range);
        EXPECT_EQ(box->getSlider()->getPosition(), c.thumb) << c.attributes;
        box->hide();
    }
}

TEST_F(CheckAndScroll, ATrackWithoutExtentOrRangeHoldsTheMinimum)
{
    const std::pair<std::string, std::string> cases[] = {
        {"size=\"0,10\" Value=\"4\"", "Min=\"0\" Max=\"10\" "}, {"size=\"100,10\" Value=\"4\"", "Min=\"3\" Max=\"3\" "}};
    for (const auto& [attributes, range] : cases) {
        cScrollBox* box = makeBox(attributes, range);
        moveTo(200, 100);
        press();
        moveTo(230, 100);
        EXPECT_EQ(box->getValue(), box->getMinimum()) << attributes;
        EXPECT_FALSE(std::isnan(box->getSlider()->getPosition().x));
        release();
        box->hide();
    }
}

} // namespace
