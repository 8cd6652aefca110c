#include "Game/Tutorial/TutorialHarness.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct sBox {
    Float left, top, right, bottom;
};

Bool overlap(const sBox& _a, const sBox& _b)
{
    return _a.left < _b.right && _b.left < _a.right && _a.top < _b.bottom && _b.top < _a.bottom;
}

sBox around(const Vector2& _center, const Vector2& _size)
{
    return {_center.x - _size.x / 2, _center.y - _size.y / 2, _center.x + _size.x / 2, _center.y + _size.y / 2};
}

Vector2 vector(iXML* _xml, const char16_t* _name)
{
    Vector2 value(0, 0);
    toVector2(value, (*_xml)[_name]);
    return value;
}

// The shipped layouts, read as the game reads them.
class cShippedLayout {
public:
    explicit cShippedLayout(const std::string& _file)
        : m_path(std::string(std::getenv("FURROW_DATA") ? std::getenv("FURROW_DATA") : "") + "/" + _file),
          m_bytes(readFileBytes(m_path)), m_xml(m_path, m_bytes.data(), ULong(m_bytes.size()))
    {
    }
    iXML* root() { return &m_xml; }
    iXML* child(const char* _name)
    {
        iXML* found = nullptr;
        return m_xml.get(_name, found) ? found : nullptr;
    }

private:
    std::string m_path;
    std::string m_bytes;
    cXML m_xml;
};

// A farm building: its place is where its feet stand, its picture rises by its height offset.
struct sPlace {
    Vector2 at;
    sBox drawn;
};
sPlace building(const char* _file)
{
    cShippedLayout layout(_file);
    iXML* root = layout.root();
    const Vector2 at = vector(root, u"position");
    Float rise = 0;
    toFloat(rise, (*root)[u"HeightOffset"]);
    return {at, around(Vector2(at.x, at.y - rise), vector(root, u"size"))};
}

sPlace barButton(const char* _name)
{
    cShippedLayout layout("Ui/gameUI/GameMenu.xml");
    iXML* button = layout.child(_name);
    const Vector2 at = button ? vector(button, u"position") : Vector2(-1000, -1000);
    return {at, around(at, button ? vector(button, u"size") : Vector2(0, 0))};
}

// The beds a new farm owns, one block.
sBox firstFields()
{
    cShippedLayout farm("Ui/gameUI/farm.xml");
    cShippedLayout field("Farm/ActionAreas/FarmField.xml");
    const Vector2 size = vector(field.root(), u"size");
    sBox box{1e6f, 1e6f, -1e6f, -1e6f};
    iXML* fields = farm.child("FieldArray");
    iXML* f = nullptr;
    for (UInt i = 0; fields && i < fields->getChildCount(); ++i) {
        if (!fields->get(i, f) || (*f)[u"UpgradeIndex"] != u"0")
            continue;
        const sBox bed = around(vector(f, u"Center"), size);
        box = {std::min(box.left, bed.left), std::min(box.top, bed.top), std::max(box.right, bed.right),
               std::max(box.bottom, bed.bottom)};
    }
    return box;
}

// The market's first line of goods, where the first crop sold stands.
sBox firstMarketLine()
{
    cShippedLayout market("Ui/gameUI/Market.xml");
    iXML* places = market.child("ProductPlaces");
    iXML* line = market.child("ProductLine");
    iXML* place = nullptr;
    iXML* back = nullptr;
    if (!places || !places->get(0, place) || !line || !line->get("Back", back))
        return {0, 0, 0, 0};
    const Vector2 at = vector(place, u"pos");
    const Vector2 shift = vector(back, u"position");
    return around(Vector2(at.x + shift.x, at.y + shift.y), vector(back, u"size"));
}

class cTipPlacesTest : public cTutorialTest {
protected:
    // The shipped tips, and where and how large the shipped note puts its paper.
    void loadShipped()
    {
        cShippedLayout tutorial("Tutorial/Tutorial.xml");
        m_tutorial->loadXML(tutorial.root());
        cShippedLayout note("Tutorial/ArrowHelpTip.xml");
        iXML* image = note.child("Image");
        iXML* arrow = note.child("Arrow");
        ASSERT_TRUE(image && arrow);
        m_noteBase = vector(image, u"position");
        m_noteSize = vector(image, u"size");
        m_arrowSize = vector(arrow, u"size");
    }
    // The harness's note, placed by the game's own road, moved from its base to the shipped one.
    sBox paper()
    {
        const Vector2 at = m_tutorial->getArrowTips()->getImage()->getPosition();
        return around(Vector2(at.x - HARNESS_BASE.x + m_noteBase.x, at.y - HARNESS_BASE.y + m_noteBase.y), m_noteSize);
    }

    const Vector2 HARNESS_BASE{10, 20};
    Vector2 m_noteBase;
    Vector2 m_noteSize;
    Vector2 m_arrowSize;
};

// A note that points at a farm building, a bar button or a bed leaves clear what it points at
// and what it speaks of, and stands whole on the screen below the bar; its arrow leaves clear
// what stands near what it points at.
TEST_F(cTipPlacesTest, NotesLeaveClearWhatTheyPointAtAndWhatTheySpeakOf)
{
    ASSERT_TRUE(std::getenv("FURROW_DATA"));
    loadShipped();
    const sBox fields = firstFields();
    const sBox line = firstMarketLine();
    const sBox none{-1, -1, -1, -1};
    // A new farm's worker as drawn where he waits, in front of the well.
    const sBox worker{66, 290, 100, 356};
    struct sCase {
        eTips tip;
        sPlace pointed;
        sBox spoken;
        const char* what;
        sBox besideIt = {-1, -1, -1, -1};
    };
    const sCase cases[] = {
        {1, building("Farm/ActionAreas/WaterSource.xml"), fields, "the well; the thirsty fields", worker},
        {2, {Vector2(330, 330), around(Vector2(330, 330), Vector2(52, 32))}, none, "the first bed"},
        {3, building("Farm/ActionAreas/MowBuilding.xml"), fields, "the scythe's shed; the ripe crop"},
        {5, building("Farm/ActionAreas/Warehouse.xml"), none, "the barn"},
        {6, barButton("MarketButton"), building("Farm/ActionAreas/WaterSource.xml").drawn, "the market's button; the well"},
        {7, barButton("FarmButton"), line, "the farm's button; the line just sold"},
        {20, building("Farm/ActionAreas/DigBuilding.xml"), fields, "the spade's shed; the beds to dig"},
        {30, barButton("ProducingButton"), none, "the workshops' button"},
        {39, barButton("JournalButton"), none, "the journal"},
    };
    const sBox screen{0, 60, 800, 600};
    for (const sCase& c : cases) {
        const cTutorialManager::sTip& tip = m_tutorial->getTip(c.tip);
        cControl* pointed = control(c.pointed.at.x, c.pointed.at.y);
        m_tutorial->getArrowTips()->startup(tip.Offset, tip.ArrowOffset, tip.Text, pointed);
        const sBox note = paper();
        EXPECT_FALSE(overlap(note, c.pointed.drawn)) << "tip " << c.tip << " covers " << c.what;
        EXPECT_FALSE(overlap(note, c.spoken)) << "tip " << c.tip << " covers " << c.what;
        const Vector2 at = m_tutorial->getArrowTips()->getArrow()->getPosition();
        const Vector2 step = m_tutorial->getArrowTips()->getArrowStep();
        const Vector2 center(at.x - HARNESS_BASE.x + m_noteBase.x, at.y - HARNESS_BASE.y + m_noteBase.y + step.y / 2);
        EXPECT_FALSE(overlap(around(center, Vector2(m_arrowSize.x, m_arrowSize.y + std::abs(step.y))), c.besideIt))
            << "tip " << c.tip << "'s arrow points at what stands by " << c.what;
        EXPECT_TRUE(note.left >= screen.left && note.right <= screen.right && note.top >= screen.top &&
                    note.bottom <= screen.bottom)
            << "tip " << c.tip << " leaves the screen: " << note.left << "," << note.top << " " << note.right << ","
            << note.bottom;
    }
}

// Every control of a market line: where it stands, and what the layout draws of it (a text,
// which has no size, as a figure or two; the trend as its bars).
std::vector<std::pair<std::string, sPlace>> lineControls(UInt _line)
{
    cShippedLayout market("Ui/gameUI/Market.xml");
    iXML* places = market.child("ProductPlaces");
    iXML* line = market.child("ProductLine");
    iXML* place = nullptr;
    std::vector<std::pair<std::string, sPlace>> boxes;
    if (!places || !places->get(_line, place) || !line)
        return boxes;
    const Vector2 at = vector(place, u"pos");
    iXML* control = nullptr;
    String tag;
    for (UInt i = 0; line->get(i, control, &tag); ++i) {
        const Vector2 shift = vector(control, u"position");
        const Vector2 place(at.x + shift.x, at.y + shift.y);
        Vector2 center = place;
        Vector2 size = (*control)[u"size"].empty() ? Vector2(20, 20) : vector(control, u"size");
        iXML* bar = nullptr;
        if (control->get("Bar", bar)) {
            Float count = 0;
            toFloat(count, (*control)[u"BarCount"]);
            const Vector2 barAt = vector(bar, u"position"), barSize = vector(bar, u"size");
            const Float width = (count - 1) * vector(control, u"Step").x + barSize.x;
            center = Vector2(center.x + barAt.x - barSize.x / 2 + width / 2, center.y + barAt.y);
            size = Vector2(width, barSize.y);
        }
        boxes.push_back({tag, {place, around(center, size)}});
    }
    return boxes;
}

// The market's tips point at its first line from above, over the awning: the arrow, wherever it
// bobs, reaches down to the line and leaves every control of the line under it, the column
// heads and the market's sign in view.
TEST_F(cTipPlacesTest, TheMarketsArrowsLeaveTheOtherLinesTheHeadsAndTheSignInView)
{
    ASSERT_TRUE(std::getenv("FURROW_DATA"));
    loadShipped();
    cShippedLayout market("Ui/gameUI/Market.xml");
    iXML* texts = market.child("Texts");
    iXML* head = nullptr;
    ASSERT_TRUE(texts && texts->get("Head", head));
    const Float headsTop = vector(head, u"position").y - 6;
    iXML* background = market.child("Background");
    iXML* sign = nullptr;
    ASSERT_TRUE(background && background->get("Sign", sign));
    const sBox signBox = around(vector(sign, u"position"), vector(sign, u"size"));
    const sBox first = firstMarketLine();
    const std::vector<std::pair<std::string, sPlace>> firstLine = lineControls(0), secondLine = lineControls(1);
    const std::pair<eTips, const char*> tips[] = {
        {9, "ProductIcon"}, {45, "Inc10QtyButton"}, {11, "PriceLabel"}, {12, "PriceGrowHistogram"}};
    for (const auto& [number, name] : tips) {
        const auto pointed =
            std::find_if(firstLine.begin(), firstLine.end(), [&](const auto& _c) { return _c.first == name; });
        ASSERT_NE(pointed, firstLine.end()) << name;
        const sBox& p = pointed->second.drawn;
        const cTutorialManager::sTip& tip = m_tutorial->getTip(number);
        m_tutorial->getArrowTips()->startup(tip.Offset, tip.ArrowOffset, tip.Text,
                                            control(pointed->second.at.x, pointed->second.at.y));
        const Vector2 at = m_tutorial->getArrowTips()->getArrow()->getPosition();
        const Vector2 step = m_tutorial->getArrowTips()->getArrowStep();
        const Vector2 center(at.x - HARNESS_BASE.x + m_noteBase.x, at.y - HARNESS_BASE.y + m_noteBase.y + step.y / 2);
        const sBox arrow = around(center, Vector2(m_arrowSize.x, m_arrowSize.y + std::abs(step.y)));
        EXPECT_FALSE(m_tutorial->getArrowTips()->getArrow()->getInverceY()) << "tip " << number << " points down";
        // The head, three quarters of the picture's width, stands over the control.
        const Float point = (arrow.left + arrow.right) / 2, head = m_arrowSize.x * 3 / 8;
        EXPECT_TRUE(point > p.left - head && point < p.right + head && arrow.bottom > first.top - 24)
            << "tip " << number << "'s arrow does not point at the first line's " << name << ": " << point << ","
            << arrow.bottom;
        EXPECT_LE(arrow.bottom, headsTop) << "tip " << number << "'s arrow reaches the heads";
        EXPECT_FALSE(overlap(arrow, signBox)) << "tip " << number << "'s arrow lies on the sign";
        for (const auto& [control, place] : secondLine)
            EXPECT_FALSE(overlap(arrow, place.drawn)) << "tip " << number << "'s arrow lies on the next line's "
                                                      << control;
    }
}

// The field panel comes up while the mouse rests on a bed, as often as not while a tip points
// at a shed or a building: it stands clear of every farm building, of the beds a new farm
// owns, of the well's upgrade button and of the running contracts.
TEST_F(cTipPlacesTest, TheFieldPanelLeavesTheFarmsBuildingsInView)
{
    ASSERT_TRUE(std::getenv("FURROW_DATA"));
    cShippedLayout panelFile("Ui/gameUI/FarmFieldTip.xml");
    const sBox panel = around(vector(panelFile.root(), u"position"), vector(panelFile.root(), u"size"));
    cShippedLayout water("Farm/ActionAreas/WaterSource.xml");
    iXML* upgrade = water.child("UpgradeButton");
    ASSERT_TRUE(upgrade);
    struct sCase {
        sBox box;
        const char* what;
    };
    std::vector<sCase> cases = {
        {building("Farm/ActionAreas/WaterSource.xml").drawn, "the well"},
        {building("Farm/ActionAreas/Warehouse.xml").drawn, "the barn"},
        {building("Farm/ActionAreas/MowBuilding.xml").drawn, "the scythe's shed"},
        {building("Farm/ActionAreas/DigBuilding.xml").drawn, "the spade's shed"},
        {firstFields(), "the first beds"},
        {around(vector(upgrade, u"position"), vector(upgrade, u"size")), "the well's upgrade button"},
    };
    cShippedLayout menu("Ui/gameUI/GameMenu.xml");
    cShippedLayout status("Ui/gameUI/ContractStatus.xml");
    iXML* places = menu.child("ContractStatusPlaces");
    iXML* substrate = status.child("Substrate");
    ASSERT_TRUE(places && substrate);
    iXML* place = nullptr;
    for (UInt i = 0; i < places->getChildCount(); ++i)
        if (places->get(i, place))
            cases.push_back({around(vector(place, u"Place"), vector(substrate, u"size")), "a running contract"});
    for (const sCase& c : cases)
        EXPECT_FALSE(overlap(panel, c.box)) << "the field panel covers " << c.what;
}

} // namespace

namespace {

// A shop's panel where it slides in to: its Cancel button and its cards, the first one's
// button where the shop's second tip points.
struct sShop {
    Vector2 panel;
    sBox cancel;
    std::vector<sBox> cards;
    Vector2 firstButton;
};
sShop shop(const char* _file, const char* _card)
{
    cShippedLayout layout(_file);
    sShop shop{vector(layout.root(), u"position"), {0, 0, 0, 0}, {}, {0, 0}};
    if (iXML* cancel = layout.child("CancelButton"))
        shop.cancel = around(vector(cancel, u"position"), vector(cancel, u"size"));
    iXML* places = layout.child("ItemPlace");
    iXML* proto = layout.child("ItemProto");
    iXML* card = nullptr;
    iXML* button = nullptr;
    if (!places || !proto || !proto->get(_card, card) || !proto->get("BuyButton", button))
        return shop;
    iXML* place = nullptr;
    for (UInt i = 0; i < places->getChildCount(); ++i) {
        if (!places->get(i, place))
            continue;
        const Vector2 at = vector(place, u"place");
        const Vector2 shift = vector(card, u"position");
        shop.cards.push_back(around(Vector2(at.x + shift.x, at.y + shift.y), vector(card, u"size")));
        if (i == 0)
            shop.firstButton = Vector2(at.x + vector(button, u"position").x, at.y + vector(button, u"position").y);
    }
    return shop;
}

// The seed shop's and the build panel's tips: the first about the shop points at the panel,
// the second at the first card's button. Every note leaves Cancel and all the cards in view
// (a shop can be full), and every arrow stands under the first card, clear of the others.
TEST_F(cTipPlacesTest, TheShopsNotesLeaveCancelAndTheCardsInViewAndTheArrowsStandUnderTheFirstCard)
{
    ASSERT_TRUE(std::getenv("FURROW_DATA"));
    loadShipped();
    const Vector2 arrowSize = m_arrowSize;
    struct sCase {
        const char* file;
        const char* card;
        eTips shopTip;
        eTips buyTip;
    };
    const sCase cases[] = {{"Ui/gameUI/BuySeeds.xml", "BuyButton", 14, 15}, {"Ui/gameUI/BuyBuilding.xml", "BuyMask", 35, 36}};
    const sBox screen{0, 60, 800, 600};
    for (const sCase& c : cases) {
        const sShop s = shop(c.file, c.card);
        ASSERT_FALSE(s.cards.empty()) << c.file;
        ASSERT_GT(s.cancel.right, s.cancel.left) << c.file << " has a Cancel button";
        const sBox& first = s.cards.front();
        for (const auto& [tipNumber, pointed] : {std::pair<eTips, Vector2>(c.shopTip, s.panel), {c.buyTip, s.firstButton}}) {
            const cTutorialManager::sTip& tip = m_tutorial->getTip(tipNumber);
            m_tutorial->getArrowTips()->startup(tip.Offset, tip.ArrowOffset, tip.Text, control(pointed.x, pointed.y));
            const sBox paper = this->paper();
            const Vector2 at = m_tutorial->getArrowTips()->getArrow()->getPosition();
            const Vector2 step = m_tutorial->getArrowTips()->getArrowStep();
            const sBox arrow = around(Vector2(at.x - HARNESS_BASE.x + m_noteBase.x, at.y - HARNESS_BASE.y + m_noteBase.y + step.y / 2),
                                      Vector2(arrowSize.x, arrowSize.y + std::abs(step.y)));
            EXPECT_FALSE(overlap(paper, s.cancel)) << "tip " << tipNumber << " covers Cancel";
            EXPECT_TRUE(paper.left >= screen.left && paper.right <= screen.right && paper.top >= screen.top &&
                        paper.bottom <= screen.bottom)
                << "tip " << tipNumber << " leaves the screen";
            EXPECT_TRUE(arrow.top >= first.bottom && arrow.left < first.right && first.left < arrow.right)
                << "tip " << tipNumber << "'s arrow is not under the first card";
            for (size_t k = 0; k < s.cards.size(); ++k) {
                EXPECT_FALSE(overlap(paper, s.cards[k])) << "tip " << tipNumber << " covers card " << k;
                EXPECT_FALSE(overlap(arrow, s.cards[k])) << "tip " << tipNumber << "'s arrow lies on card " << k;
            }
        }
    }
}

} // namespace
