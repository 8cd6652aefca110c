#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/FarmHarness.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"
#include "engine/text/TextConvert.h"
#include "platform/headless/HeadlessSoundLibrary.h"

#include <functional>

namespace {

// Level costs 0, 100, 200, 300 for the mow building, 0, 110, 210, 310 for the warehouse, and
// so on: item (11..14) and level tell each price.
std::string costsXml()
{
    std::string rows;
    for (int item = 0; item < 15; ++item) {
        rows += "<Item>";
        for (int level = 0; level < 4; ++level)
            rows += "<Up" + std::to_string(level) + ">" + std::to_string(level == 0 ? 0 : level * 100 + (item - 11) * 10) +
                    "</Up" + std::to_string(level) + ">";
        rows += "</Item>";
    }
    return "<Game><Costs>" + rows + "</Costs><UpgradeStrings><U string=\"Build\" /><U string=\"Level one\" />"
           "<U string=\"Level two\" /><U string=\"Level three\" /><U string=\"Top\" /></UpgradeStrings></Game>";
}

UInt price(UInt _item, UInt _level)
{
    return _level * 100 + (_item - 11) * 10;
}

// One of the three upgradable farm buildings, seen the same way.
struct sBuilding {
    const char* name;
    std::function<cUpgrade*()> upgrade;
    std::function<cUpgradeControls*()> controls;
    std::function<cActionArea*()> area;
};

const sBuilding BUILDINGS[] = {
    {"dig", [] { return cDigBuilding::getInstance(); }, [] { return &cDigBuilding::getInstance()->getUpgradeControls(); },
     [] { return cDigBuilding::getInstance(); }},
    {"mow", [] { return cMowBuilding::getInstance(); }, [] { return &cMowBuilding::getInstance()->getUpgradeControls(); },
     [] { return cMowBuilding::getInstance(); }},
    {"warehouse", [] { return cWareHouse::getInstance(); }, [] { return &cWareHouse::getInstance()->getUpgradeControls(); },
     [] { return cWareHouse::getInstance(); }},
};

class cToolBuildingTest : public cFarmTest {
protected:
    cToolBuildingTest()
    {
        load(costsXml());
        for (UInt item = 11; item < 15; ++item)
            key::upgradeAvail(item) = 3;
        key::Money() = 1000;
        cGame::updateUpgradeControls();
    }
    cDigBuilding& dig() { return *cDigBuilding::getInstance(); }
    cMowBuilding& mow() { return *cMowBuilding::getInstance(); }
    cElasticAnimation& flight() { return *cElasticAnimation::getInstance(); }
    // The look shown: (level + 1) columns with the tool, 5 more without it.
    static UInt look(const cControl& _building) { return _building.getAnimColumns(); }
    int sounds() { return m_engine.platform().getHeadlessSoundLibrary().countCalls("play"); }
    void clickUpgrade(const sBuilding& _building)
    {
        cUpgradeControls::cButton* button = _building.controls()->getButton();
        button->getOnClick()(button);
    }
};

struct sOffer {
    Int level;
    UInt avail;
    Int money;
    Bool buttonShown;
    Bool buttonEnabled;
    Bool costShown;
};

TEST_F(cToolBuildingTest, TheButtonFollowsWhatIsOnSaleAndTheMoney)
{
    const sOffer offers[] = {
        {0, 3, 1000, true, true, true},
        {1, 3, 50, true, false, true},  // too dear: shown, disabled
        {1, 1, 1000, false, false, false}, // level 2 not on sale yet
        {3, 3, 1000, false, false, false}, // nothing more to buy
    };
    for (const sBuilding& building : BUILDINGS)
        for (const sOffer& offer : offers) {
            cUpgrade& upgrade = *building.upgrade();
            key::upgradeAvail(upgrade.getItem()) = offer.avail;
            key::Money() = offer.money;
            upgrade.setUpgrade(UInt(offer.level), false);
            cUpgradeControls& controls = *building.controls();
            EXPECT_EQ(controls.getButton()->isOwnVisible(), offer.buttonShown) << building.name << " " << offer.level;
            EXPECT_EQ(controls.getCostText()->isOwnVisible(), offer.costShown) << building.name << " " << offer.level;
            if (offer.buttonShown) {
                EXPECT_EQ(controls.getButton()->isEnabled(), offer.buttonEnabled) << building.name << " " << offer.level;
            }
            m_engine.platform().getHeadlessSoundLibrary().clearCalls();
            clickUpgrade(building);
            const Int level = offer.buttonEnabled ? offer.level + 1 : offer.level;
            EXPECT_EQ(upgrade.getUpgrade(), level) << building.name;
            EXPECT_EQ(cGame::getMoney(), offer.money - Int(offer.buttonEnabled ? price(upgrade.getItem(), UInt(level)) : 0))
                << building.name;
            EXPECT_EQ(sounds(), offer.buttonEnabled ? 1 : 0) << building.name;
            if (offer.buttonEnabled) {
                EXPECT_EQ(key::upgradeLevel(upgrade.getIndex()), level) << building.name;
                EXPECT_EQ(controls.getCostText()->getString(), toWString(std::to_string(price(upgrade.getItem(), UInt(level + 1)))))
                    << building.name;
            }
        }
}

TEST_F(cToolBuildingTest, TheLastLevelBoughtTakesTheButtonAwayAndItsPresses)
{
    for (const sBuilding& building : BUILDINGS) {
        cUpgrade& upgrade = *building.upgrade();
        key::Money() = 10000;
        upgrade.setUpgrade(2, false);
        ASSERT_TRUE(building.controls()->getButton()->isEnabled()) << building.name;
        clickUpgrade(building);
        EXPECT_EQ(upgrade.getUpgrade(), 3) << building.name;
        EXPECT_FALSE(building.controls()->getButton()->isOwnVisible()) << building.name;
        // Hidden, it would still take the presses meant for the building under it.
        EXPECT_FALSE(building.controls()->getButton()->isEnabled()) << building.name;
        clickUpgrade(building);
        EXPECT_EQ(upgrade.getUpgrade(), 3) << building.name;
        EXPECT_EQ(cGame::getMoney(), 10000 - Int(price(upgrade.getItem(), 3))) << building.name;
    }
}

TEST_F(cToolBuildingTest, TheCarriedToolFliesHomeAndTheBuildingStaysEmptyUntilItLands)
{
    constexpr Int NONE = -1;
    struct sCase {
        cToolBuilding* building;
        UInt carry;
        Int flight;
    };
    // With the tool at home nothing flies and the new level shows with its tool.
    for (const sCase& c : {sCase{&dig(), 2, cElasticAnimation::EA_SPADE}, sCase{&mow(), 6, cElasticAnimation::EA_SCYTHE},
                           sCase{&dig(), 6, NONE}}) {
        c.building->setUpgrade(0, false);
        key::PCarry() = c.carry;
        c.building->updateInstrumentView();
        if (c.flight != NONE) {
            EXPECT_EQ(look(*c.building), 6u) << "level 0 without its tool";
        }
        c.building->getUpgradeControls().getButton()->getOnClick()(nullptr);
        ASSERT_EQ(c.building->getUpgrade(), 1);
        EXPECT_EQ(flight().isFlying(), c.flight != NONE);
        if (c.flight == NONE) {
            EXPECT_EQ(look(*c.building), 2u);
            continue;
        }
        EXPECT_EQ(flight().getFlightType(), c.flight) << "the old level's tool";
        EXPECT_EQ(flight().getAnimColumns(), UInt(c.flight + 1));
        EXPECT_EQ(look(*c.building), 7u);
        m_engine.frames(100);
        EXPECT_FALSE(flight().isFlying());
        EXPECT_EQ(look(*c.building), 7u) << "the worker still has the new tool";
    }
}

TEST_F(cToolBuildingTest, EachLandingRefreshesItsBuilding)
{
    // The worker had both tools; they are put down and fly home in the same frame.
    key::PCarry() = 2;
    dig().updateInstrumentView();
    key::PCarry() = 6;
    mow().updateInstrumentView();
    key::PCarry() = 0;
    ASSERT_EQ(look(dig()), 6u);
    ASSERT_EQ(look(mow()), 6u);
    flight().makeFly(Vector2(300, 300), dig().getPosition(), cElasticAnimation::EA_SPADE, nullptr);
    flight().makeFly(Vector2(300, 200), mow().getPosition(), cElasticAnimation::eElasticAnimation(8), nullptr);
    EXPECT_EQ(look(dig()), 1u) << "landed when the second flight started";
    EXPECT_EQ(look(mow()), 6u);
    m_engine.frames(100);
    EXPECT_EQ(look(mow()), 1u);
}

TEST_F(cToolBuildingTest, TheBasketSignShowsTheFirstCropBelowTheTopLevel)
{
    load("<Game><ProductionInfo><P><Icon anim_columns=\"1\" /></P><P><Icon anim_columns=\"2\" /></P>"
         "<P><Icon anim_columns=\"3\" /></P><P><Icon anim_columns=\"4\" /></P></ProductionInfo></Game>");
    struct sCase {
        UInt level;
        UInt carry;
        UInt pcc1;
        UInt pcc3;
        Bool shown;
        UInt crop;
    };
    const sCase cases[] = {{0, 0, 0, 4, true, 3}, {2, 0, 2, 4, true, 1}, {0, 0, 0, 0, false, 0},
                           {1, 6, 2, 0, false, 0}, {3, 0, 2, 4, false, 0}};
    for (const sCase& c : cases) {
        key::PCarry() = c.carry;
        key::PCC[1] = c.pcc1;
        key::PCC[3] = c.pcc3;
        mow().setUpgrade(c.level, false);
        EXPECT_EQ(mow().getSign()->isOwnVisible(), c.shown) << c.level << " " << c.carry;
        if (c.shown) {
            EXPECT_EQ(mow().getSign()->getAnimColumns(), c.crop + 1) << c.level;
        }
    }
}

TEST_F(cToolBuildingTest, LevelsGiveTheirWorkTimesAndBasket)
{
    load("<B><ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList><Upgrades>"
         "<Up0 DigTime=\"3\" /><Up1 DigTime=\"1.5\" /></Upgrades></B>", dig());
    load("<B><ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList><Upgrades><Up0 ProductionNum=\"6\" MowTime=\"4\" />"
         "<Up1 ProductionNum=\"12\" MowTime=\"2\" /></Upgrades></B>", mow());
    const std::pair<Float, Float> times[] = {{3, 4}, {1.5f, 2}};
    for (UInt level = 0; level < 2; ++level) {
        key::upgradeLevel(34) = Int(level);
        key::upgradeLevel(31) = Int(level);
        EXPECT_EQ(dig().getDigTime(), times[level].first);
        EXPECT_EQ(mow().getMowTime(), times[level].second);
        EXPECT_EQ(mow().getProductionNum(), 6u * (level + 1));
        EXPECT_EQ(workplace::digTime(), times[level].first) << "the worker works by the building";
        EXPECT_EQ(workplace::mowTime(), times[level].second);
        EXPECT_EQ(workplace::basketCapacity(), 6u * (level + 1));
    }
}

TEST_F(cToolBuildingTest, ABuildingWithoutItsFirstLevelIsRefused)
{
    const std::string data = "<B><ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList><Upgrades><Up1 DigTime=\"1\" /></Upgrades></B>";
    EXPECT_EQ(thrownText([&] { load(data, dig()); }, true), "Farm/ActionAreas/DigBuilding.xml: the building has no level Up0.");
    EXPECT_EQ(thrownText([&] { load(data, mow()); }, true), "Farm/ActionAreas/MowBuilding.xml: the building has no level Up0.");
}

TEST_F(cToolBuildingTest, AClickOverASeedPackageSendsNoWorker)
{
    for (const sBuilding& building : BUILDINGS) {
        cActionArea& area = *building.area();
        const Vector2 at = area.getPosition();
        cActionArea* package = makeArea(AAT_SEED_PACKAGE, "position=\"" + std::to_string(at.x) + " " + std::to_string(at.y) +
                                                              "\" size=\"30 30\"");
        m_engine.moveTo(Int(at.x), Int(at.y));
        area.clicked();
        EXPECT_TRUE(m_person->m_jobs.empty()) << building.name;
        delete package;
        area.clicked();
        EXPECT_EQ(m_person->m_jobs.size(), 1u) << building.name;
        m_person->clearTaskList();
    }
}

TEST_F(cToolBuildingTest, TheHoverTextOffersTheNextLevel)
{
    struct sCase {
        Int level;
        const char16_t* text;
    };
    for (const sCase& c : {sCase{0, u"Level one"}, sCase{2, u"Level three"}, sCase{3, u"Top"}}) {
        cWareHouse& warehouse = *cWareHouse::getInstance();
        load("<W><ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList><Upgrades><Up0 ProductionNum=\"5\" /></Upgrades>"
             "<Tip><Texts><T /></Texts></Tip></W>", warehouse);
        key::upgradeLevel(32) = c.level;
        warehouse.hovered();
        cText* text = nullptr;
        for (cControl* part : warehouse.getTipParts())
            if (!text)
                text = dynamic_cast<cText*>(part);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->getString(), c.text) << c.level;
    }
}

} // namespace
