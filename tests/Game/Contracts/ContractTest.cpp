#include "Game/GameHarness.h"
#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractClock.h"
#include "Game/Contracts/ContractDialogs.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractProvide.h"
#include "Game/Contracts/ContractStatus.h"
#include "Game/Contracts/ContractWords.h"
#include "Game/Contracts/SavedContract.h"
#include "Game/Farm/Letters/ContractLetterSlot.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Timeline/Gameplay.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/CheckButton.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/texts/Text.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/Profile.h"
#include "engine/text/TextConvert.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <regex>
#include <string>

namespace {

TEST(ContractClock, CountsWholeSecondsDownOneAFrameAndStopsAtZero)
{
    struct sCase {
        Float total, left;
        std::vector<Float> frames;
        const char16_t* text;
        Float percent;
    } cases[] = {
        {3600, 3600, {1.0f}, u"59:59", 3599.0f / 36.0f},
        // A long frame takes one second only.
        {60, 60, {5.0f}, u"00:59", 59.0f / 0.6f},
        {60, 60, {0.4f, 0.4f}, u"01:00", 100},
        {60, 60, {0.4f, 0.4f, 0.4f}, u"00:59", 59.0f / 0.6f},
        {2, 2, {1, 1, 1, 1}, u"00:00", 0},
        // A saved time past the total, or no time at all.
        {60, 500, {}, u"01:00", 100},
        {0, 0, {}, u"00:00", 0},
    };
    for (const sCase& c : cases) {
        cContractClock clock;
        clock.start(c.total, c.left);
        for (Float dt : c.frames)
            clock.step(dt);
        EXPECT_EQ(clock.getText(), c.text) << c.total << " " << c.frames.size();
        EXPECT_NEAR(clock.getPercent(), c.percent, 1e-3) << c.total;
    }
}

// A game whose time-line has three contracts, events 1 to 3: 5 of crop 1 and 3 of crop 2 in
// one minute for 300 (deposit 50); nothing to deliver in 10 s; 3 of crop 1 for 200.
class cContractTest : public cGameTest {
protected:
    cContractTest()
        : cGameTest({{"Gameplay/Gameplay.xml",
                      makeXml16("<Gameplay><Events><E Type=\"9\" Time=\"9:00:00\" />"
                                "<E Type=\"5\" Time=\"9:00:00\"><Data WinTime=\"0:01:00\" LetterTime=\"0:01:00\" Bonus=\"300\" "
                                "Penalty=\"50\" RandomFactor=\"1\"><Requirements><R ProductType=\"1\" Count=\"5\" "
                                "ReqType=\"0\" /><R ProductType=\"2\" Count=\"3\" ReqType=\"0\" /></Requirements>"
                                "<WinNote>Thanks</WinNote><LosNote>Too late</LosNote></Data></E>"
                                "<E Type=\"5\" Time=\"9:00:00\"><Data WinTime=\"0:00:10\" LetterTime=\"0:01:00\" Bonus=\"20\" "
                                "Penalty=\"0\" RandomFactor=\"1\"><Requirements><R ReqType=\"1\" /><R ReqType=\"1\" />"
                                "</Requirements></Data></E>"
                                "<E Type=\"5\" Time=\"9:00:00\"><Data WinTime=\"0:01:00\" LetterTime=\"0:01:00\" Bonus=\"200\" "
                                "Penalty=\"0\" RandomFactor=\"1\"><Requirements><R ProductType=\"1\" Count=\"3\" "
                                "ReqType=\"0\" /><R ReqType=\"1\" /></Requirements></Data></E></Events></Gameplay>")}})
    {
        restart();
    }
    // The game again, over the variables as they are.
    void restart()
    {
        cGame::endGame();
        cGame::startGame();
        m_game = cGame::getInstance();
        m_engine.frames(2);
    }
    static sContractEvent* event(UInt _index)
    {
        return static_cast<sContractEvent*>(cGameplay::getInstance()->findEvent(Int(_index)));
    }
    static cGameMenu& menu() { return *cGameMenu::getInstance(); }
    static cContractStatus& panel(UInt _place) { return *menu().getContractStatus(_place); }
    static void stock(UInt _type, UInt _count)
    {
        cWareHouse* warehouse = cWareHouse::getInstance();
        warehouse->removeGoods(_type, 1000, true, false);
        warehouse->addGoods(_type, _count, true, false);
    }
    static Bool open(const cContractAimBase* _dialog) { return _dialog->isOpen(); }
    static cContractPassConfirm& confirm() { return *cContractPassConfirm::getInstance(); }
    static cContractFail& failed() { return *cContractFail::getInstance(); }
    // The offer of event 1 from a letter.
    cContractProvide& offer()
    {
        auto* letter = new cContractLetterSlot(m_game, 0);
        letter->setup(event(1), cContractLetterSlot::UNREAD, false);
        cContractProvide::getInstance()->startShow(letter);
        return *cContractProvide::getInstance();
    }
};

TEST_F(cContractTest, TheOfferIsAcceptedOnlyWithAFreePlaceAndTheDeposit)
{
    struct sCase {
        Int money;
        UInt busy;
        Bool acceptable;
    } cases[] = {{49, 0, false}, {50, 0, true}, {500, 2, true}, {500, 3, false}};
    for (const sCase& c : cases) {
        key::Money() = c.money;
        for (UInt i = 0; i < c.busy; ++i)
            menu().acceptContract(event(2));
        cContractProvide& dialog = offer();
        EXPECT_EQ(dialog.getYesButton()->isEnabled(), c.acceptable) << c.money << " " << c.busy;
        cContractProvide::onWait(nullptr);
        EXPECT_EQ(key::Money(), c.money) << "waiting changes nothing";
        EXPECT_EQ(menu().getBusyStatusCount(), c.busy);
        for (UInt i = 0; i < 3; ++i)
            panel(i).pass();
        m_engine.frames(20);
    }
}

TEST_F(cContractTest, AcceptingPaysTheDepositAndStartsThePanelOnItsOwnTerms)
{
    key::Money() = 50;
    offer();
    EXPECT_TRUE(menu().getEnableHold().isHeld()) << "the bar stands while the offer is open";
    cContractProvide::onYes(nullptr);
    EXPECT_EQ(key::Money(), 0);
    ASSERT_TRUE(panel(0).isActive());
    EXPECT_FALSE(menu().getEnableHold().isHeld());
    EXPECT_EQ(key::task[0], 1);
    EXPECT_EQ(key::requirement(0, 0), 5);
    // The time-line's cycle moves the event's terms; the running contract keeps its own.
    event(1)->applyRandomFactor(0.5f);
    EXPECT_NE(event(1)->Requirements[0].Count, 5u);
    EXPECT_EQ(panel(0).getTerms().Requirements[0].Count, 5u);
    EXPECT_EQ(panel(0).getTerms().Bonus, 300);
}

TEST_F(cContractTest, TheGoalShowsWhatIsThereAndWhatIsMissing)
{
    stock(1, 9);
    stock(2, 1);
    menu().acceptContract(event(1));
    m_engine.frames(2);
    cContractStatus::onGoal(panel(0).getGoalButton());
    cContractAim& aim = *cContractAim::getInstance();
    ASSERT_TRUE(open(&aim));
    EXPECT_EQ(aim.getLine(0).number->getString(), u"5") << "a surplus shows the count wanted";
    EXPECT_EQ(aim.getMissingLine(0).number->getString(), u"0");
    EXPECT_EQ(aim.getLine(1).number->getString(), u"1");
    EXPECT_EQ(aim.getMissingLine(1).number->getString(), u"2");
    EXPECT_FALSE(aim.getPenaltyMoney()->isOwnVisible());
    cContractAim::onOk(nullptr);
    EXPECT_FALSE(open(&aim));
}

TEST_F(cContractTest, TheClockStandsWhileATipRunsOrAScreenSlides)
{
    menu().acceptContract(event(1));
    m_engine.frames(100);
    const Float left = key::taskTime[0];
    EXPECT_NEAR(left, 58.0f, 1.0f);
    menu().gotoMarket();
    m_engine.frames(10);
    EXPECT_EQ(key::taskTime[0], left) << "the market is sliding in";
}

TEST_F(cContractTest, AtTheDeadlineTheGoodsAreOfferedElseTheContractFails)
{
    struct sCase {
        UInt crop1;
        Bool answerOk;
        Int money;
        UInt crop1After;
        UInt awQTask;
        Bool failDialog;
    } cases[] = {
        {5, true, 300, 0, 2, false},
        {5, false, 0, 5, 0, true},
        {4, false, 0, 4, 0, true},
    };
    for (const sCase& c : cases) {
        key::Money() = 0;
        key::awQTask() = 1;
        // Restored at its deadline.
        key::taskTime[0] = 0;
        stock(2, 3);
        stock(1, c.crop1);
        key::task[0] = 1;
        key::requirement(0, 0) = 5;
        key::requirement(0, 1) = 3;
        restart();
        if (c.crop1 == 5) {
            // Every requirement is there: the deadline offers the hand-over first.
            ASSERT_TRUE(open(&confirm()));
            if (c.answerOk)
                cContractPassConfirm::onOk(nullptr);
            else
                cContractPassConfirm::onCancel(nullptr);
        }
        m_engine.frames(100);
        EXPECT_EQ(key::Money(), c.money) << c.crop1 << c.answerOk;
        EXPECT_EQ(cWareHouse::getInstance()->getGoodCount(1), c.crop1After);
        EXPECT_EQ(key::awQTask(), c.awQTask);
        EXPECT_EQ(open(&failed()), c.failDialog);
        EXPECT_EQ(menu().getBusyStatusCount(), 0u);
        EXPECT_EQ(key::task[0], -1);
        ASSERT_FALSE(menu().getNotes().empty());
        EXPECT_EQ(menu().getNotes().back().text, c.money ? u"Thanks" : u"Too late");
        if (c.failDialog)
            cContractFail::onOk(nullptr);
    }
}

// Empty requirements hide their lines and are offered at once; two offers in one frame are
// shown one after the other, and an ended contract is not handed over.
TEST_F(cContractTest, EmptyRequirementsAreOfferedAtOnceOneOfferAfterTheOther)
{
    menu().acceptContract(event(2));
    menu().acceptContract(event(2));
    EXPECT_FALSE(panel(0).getRowNumber(0)->isOwnVisible());
    m_engine.frame();
    ASSERT_TRUE(open(&confirm()));
    EXPECT_FALSE(confirm().getLine(0).icon->isOwnVisible());
    EXPECT_FALSE(confirm().getLine(1).number->isOwnVisible());
    EXPECT_EQ(confirm().getStatus(), &panel(0));
    cContractPassConfirm::onOk(nullptr);
    // Nothing runs while the dialog fades out.
    m_engine.frames(50);
    ASSERT_TRUE(open(&confirm())) << "the second offer was kept";
    EXPECT_EQ(confirm().getStatus(), &panel(1));
    panel(1).pass();
    // A hand-over of a contract ended meanwhile does nothing.
    cContractPassConfirm::onOk(nullptr);
    panel(1).pass();
    EXPECT_EQ(key::Money(), 40);
    EXPECT_EQ(key::awQTask(), 2u);
    EXPECT_EQ(menu().getBusyStatusCount(), 0u);
}

// Two contracts want the same crop and the warehouse holds enough for one: whichever offer
// comes first is paid, and the one behind it finds the goods gone and goes on running.
TEST_F(cContractTest, OneDeliveryPaysOneContractWhicheverOfferComesFirst)
{
    struct sCase {
        const char* order;
        UInt firstPlace;
        Int money;
        UInt crop1Left;
    } cases[] = {
        // Both complete in one step: the five-crop contract's offer opens, the other's waits.
        {"together", 0, 300, 0},
        // The three-crop contract is offered first; the other completes while it is open.
        {"one while the other is open", 1, 200, 2},
    };
    for (const sCase& c : cases) {
        key::Money() = 0;
        stock(1, 0);
        stock(2, 3);
        menu().acceptContract(event(1));
        menu().acceptContract(event(3));
        m_engine.frames(2);
        if (c.firstPlace == 0) {
            stock(1, 5);
        } else {
            stock(1, 3);
            m_engine.frame();
            ASSERT_TRUE(open(&confirm())) << c.order;
            cWareHouse::getInstance()->addGoods(1, 2, true, false);
        }
        m_engine.frame();
        ASSERT_TRUE(open(&confirm())) << c.order;
        EXPECT_EQ(confirm().getStatus(), &panel(c.firstPlace)) << c.order;
        cContractPassConfirm::onOk(nullptr);
        m_engine.frames(50);
        // A second OK, should an offer stand, pays nothing either.
        cContractPassConfirm::onOk(nullptr);
        m_engine.frames(50);
        EXPECT_EQ(key::Money(), c.money) << c.order;
        EXPECT_EQ(cWareHouse::getInstance()->getGoodCount(1), c.crop1Left) << c.order;
        EXPECT_FALSE(open(&confirm())) << c.order;
        EXPECT_EQ(menu().getBusyStatusCount(), 1u) << c.order << ": the other contract runs on";
        EXPECT_TRUE(panel(1 - c.firstPlace).isActive()) << c.order;
        EXPECT_FALSE(panel(1 - c.firstPlace).pass()) << c.order << ": its goods are gone";
        // With its goods back it is paid.
        stock(1, 5);
        EXPECT_TRUE(panel(1 - c.firstPlace).pass()) << c.order;
        m_engine.frames(50);
        if (open(&confirm()))
            cContractPassConfirm::onCancel(nullptr);
        m_engine.frames(50);
        ASSERT_EQ(menu().getBusyStatusCount(), 0u) << c.order;
    }
}

// A running contract restored without its terms takes the time-line's counts, never nothing.
TEST_F(cContractTest, ARestoredContractWithoutItsTermsTakesTheTimeLinesCounts)
{
    // One term missing from the profile, the other saved as none.
    key::task[0] = 1;
    key::taskTime[0] = 30;
    propertyMap<PT_INT>().erase("req0_0");
    key::requirement(0, 1) = -1;
    restart();
    ASSERT_TRUE(panel(0).isActive());
    EXPECT_EQ(panel(0).getTerms().Requirements[0].Count, 5u);
    EXPECT_EQ(panel(0).getTerms().Requirements[1].Count, 3u);
    EXPECT_EQ(key::requirement(0, 0), 5) << "saved again as they run";
    key::Money() = 0;
    EXPECT_FALSE(panel(0).pass()) << "an empty warehouse meets nothing";
    EXPECT_EQ(key::Money(), 0);
}

// A game started again shows each running contract's card as the barn stands, from its
// first frame: what is missing of one kind, a tick for the kind that is all there.
TEST_F(cContractTest, ARestartedContractsCardCountsTheBarnFromTheFirstFrame)
{
    stock(1, 4);
    stock(2, 3);
    key::task[0] = 1;
    key::taskTime[0] = 30;
    key::requirement(0, 0) = 5;
    key::requirement(0, 1) = 3;
    cGame::endGame();
    cGame::startGame();
    const cContractStatus& card = panel(0);
    ASSERT_TRUE(card.isActive());
    EXPECT_TRUE(card.getRowNumber(0)->isOwnVisible());
    EXPECT_EQ(card.getRowNumber(0)->getString(), u"1") << "one tomato of five still missing";
    EXPECT_FALSE(card.getRowTick(0)->isOwnVisible());
    EXPECT_FALSE(card.getRowNumber(1)->isOwnVisible());
    EXPECT_TRUE(card.getRowTick(1)->isOwnVisible()) << "the three of the other kind are there";
}

// The bonus joins a purse near the top without wrapping round.
TEST_F(cContractTest, ABonusNearTheTopOfThePurseSaturates)
{
    stock(1, 5);
    stock(2, 3);
    menu().acceptContract(event(1));
    key::Money() = std::numeric_limits<Int>::max() - 100;
    ASSERT_TRUE(panel(0).pass());
    EXPECT_EQ(key::Money(), std::numeric_limits<Int>::max());
}

TEST_F(cContractTest, AContinuedGameRunsOnTheSameTermsAndSeconds)
{
    menu().acceptContract(event(1));
    m_engine.frames(120);
    const Float left = key::taskTime[0];
    event(1)->Bonus = 5;
    cGame::endGame();
    // A new time-line would draw new factors: the saved terms win.
    key::taskBonus[0] = 300;
    restart();
    event(1)->Bonus = 7;
    ASSERT_TRUE(panel(0).isActive());
    EXPECT_EQ(panel(0).getTerms().Bonus, 300);
    EXPECT_EQ(panel(0).getTerms().Requirements[0].Count, 5u);
    EXPECT_NEAR(panel(0).getClock().getLeft(), left, 0.5f);
}

// A saved contract comes back as the same event or not at all: by the time and number it was
// saved with wherever the time-line has moved it, by its position alone in a profile of an
// earlier build, and from a damaged file only where its values read and agree; what cannot
// come back is dropped and the player is told.
TEST_F(cContractTest, ASavedContractIsFoundAgainAsTheSameEventOrDroppedAndTold)
{
    const Int NINE = 9 * 3600;
    // In the string table's words, which the game translates.
    const char16_t* const DROPPED = u"Идущий контракт не удалось восстановить, он снят: «за 300 монет».";
    enum eSave { THIS_BUILD, EARLIER_BUILD, SALVAGED };
    struct sCase {
        const char* what;
        eSave save;
        Int position, at, nth;
        // The event that runs (-1 none) and the words the player hears (null: nothing).
        Int runs;
        const char16_t* told;
        // Of a salvaged file, the variable whose text did not read.
        const char* unread = nullptr;
    } cases[] = {
        {"an earlier build's position", EARLIER_BUILD, 1, -1, 0, 1, nullptr},
        {"moved on by a newer time-line", THIS_BUILD, 3, NINE, 1, 2, nullptr},
        {"moved back", THIS_BUILD, 0, NINE, 2, 3, nullptr},
        {"a position past the time-line", THIS_BUILD, 9999, NINE, 0, 1, nullptr},
        {"no such contract at its time", THIS_BUILD, 1, NINE, 3, -1, DROPPED},
        {"no contract at its time", THIS_BUILD, 1, NINE + 1, 0, -1, DROPPED},
        {"an earlier build's position of no contract", EARLIER_BUILD, 0, -1, 0, -1, DROPPED},
        // An earlier build accepted another contract and kept this build's time unknowing.
        {"an earlier build's position over this build's time", EARLIER_BUILD, 3, NINE, 0, 3, nullptr},
        {"an earlier build's position over a time of no contract", EARLIER_BUILD, 1, NINE, 3, 1, nullptr},
        // A damaged file and no whole copy: only what reads and agrees comes back.
        {"salvaged where position and time agree", SALVAGED, 2, NINE, 1, 2, nullptr},
        {"salvaged where position and time name two", SALVAGED, 3, NINE, 1, -1, DROPPED},
        {"salvaged with its clock unread", SALVAGED, 1, NINE, 0, -1, DROPPED, "taskTime0"},
        {"salvaged with its pay unread", SALVAGED, 1, NINE, 0, -1, DROPPED, "taskBonus0"},
        // An identified contract keeps its fee: the flag's default keeps it running.
        {"salvaged with its flag unread", SALVAGED, 1, NINE, 0, 1, nullptr, "taskPassCancel0"},
    };
    cProfile profile(u"");
    for (const sCase& c : cases) {
        cGame::endGame();
        forgetPlayerNotice("contract lost The running contract in place 0");
        for (WString drained; takePlayerNotice(drained);) {
        }
        key::task[0] = c.position;
        key::taskAt[0] = c.at;
        key::taskNth[0] = c.nth;
        // Within the clock and the pay of the contract that runs: the first contract's bonus is 300.
        key::taskTime[0] = 5;
        key::taskBonus[0] = c.runs == 2 ? 20 : c.runs == 3 ? 200 : 300;
        key::requirement(0, 0) = key::requirement(0, 1) = -1;
        // The variables the game is loaded from; of this build, they are the game's own.
        cProfile::sLoadedCopy loaded;
        if (c.save != THIS_BUILD)
            loaded = {{{"Int", "task0", toWString(std::to_string(c.position))}}, c.save == SALVAGED, c.save == SALVAGED};
        if (c.unread)
            loaded.variables.push_back({"Int", c.unread, u"x"});
        profile.setLoadedCopy(loaded);
        restart();
        EXPECT_EQ(panel(0).isActive(), c.runs >= 0) << c.what;
        EXPECT_EQ(key::task[0], c.runs) << c.what;
        if (c.runs >= 0) {
            EXPECT_EQ(panel(0).getEvent(), event(UInt(c.runs))) << c.what;
            EXPECT_EQ(key::taskAt[0], NINE) << c.what << ": kept with its time from now on";
            EXPECT_EQ(key::taskNth[0], c.runs - 1) << c.what;
        }
        WString told;
        EXPECT_EQ(takePlayerNotice(told), c.told != nullptr) << c.what;
        if (c.told) {
            EXPECT_EQ(toString(told), toString(WString(c.told))) << c.what;
        }
        panel(0).pass();
    }
}

// The shipped time-line, its contracts' terms scaled to either end of their random ranges and
// to neither, as a continued game applies its saved factors.
class cShippedContracts : public cGameTest {
protected:
    cShippedContracts() : cGameTest({{"Gameplay/Gameplay.xml", shipped()}}) {}
    static std::string shipped()
    {
        const char* data = std::getenv("FURROW_DATA");
        return readFileBytes(std::string(data ? data : "") + "/Gameplay/Gameplay.xml");
    }
    // The game again, continued, every event's factor _sign times its range.
    std::vector<sContractEvent*> scaled(Float _sign)
    {
        cGame::endGame();
        key::GameTime() = 1.0f;
        cGame::startGame();
        m_game = cGame::getInstance();
        cGameplay* gameplay = cGameplay::getInstance();
        std::vector<Float> factors;
        std::vector<sContractEvent*> contracts;
        for (Int i = 0; sBaseEvent* event = gameplay->findEvent(i); ++i) {
            factors.push_back(_sign * event->range);
            if (event->type == sBaseEvent::CONTRACT)
                contracts.push_back(static_cast<sContractEvent*>(event));
        }
        gameplay->setRandomFactors(factors);
        return contracts;
    }
    // Every number written in _text, in order.
    static std::vector<std::string> numbers(const WString& _text)
    {
        const std::string text = toString(_text);
        std::vector<std::string> found;
        const std::regex digits("[0-9]+");
        for (std::sregex_iterator it(text.begin(), text.end(), digits), end; it != end; ++it)
            found.push_back(it->str());
        return found;
    }
    // The words a player reads of _contract say its terms: each count wanted (the offer), and
    // no number that is not a term; no count in words.
    static void expectSaysItsTerms(const sContractEvent& _contract, const WString& _said, const char* _what)
    {
        const std::vector<std::string> said = numbers(_said);
        std::vector<std::string> terms = {std::to_string(_contract.Bonus), std::to_string(_contract.Penalty)};
        // The time allowed, its minutes and seconds.
        const std::vector<std::string> time = numbers(_contract.WinTime.toString(true));
        terms.insert(terms.end(), time.begin(), time.end());
        for (const sContractReq& req : _contract.Requirements)
            if (req.ReqType == 0) {
                terms.push_back(std::to_string(req.Count));
                if (_what == std::string("offer")) {
                    EXPECT_NE(std::find(said.begin(), said.end(), terms.back()), said.end())
                        << toString(_said) << ": the count wanted";
                }
            }
        for (const std::string& number : said)
            EXPECT_NE(std::find(terms.begin(), terms.end(), number), terms.end()) << _what << ": " << toString(_said);
        const std::string text = " " + toString(_said) + " ";
        for (const char* word : {" two ", " three ", " four ", " five ", " six ", " seven ", " eight ", " nine ",
                                 " ten ", " eleven ", " twelve ", " dozen "})
            EXPECT_EQ(text.find(word), std::string::npos) << _what << ": " << text;
    }
};

TEST_F(cShippedContracts, TheLetterAndTheNotesSayTheTermsTheFactorsMade)
{
    ASSERT_TRUE(std::getenv("FURROW_DATA"));
    for (Float sign : {-1.0f, 0.0f, 1.0f}) {
        const std::vector<sContractEvent*> contracts = scaled(sign);
        ASSERT_GE(contracts.size(), 3u) << "the first twenty minutes send contracts";
        auto* letter = new cContractLetterSlot(m_game, 0);
        for (sContractEvent* contract : contracts) {
            letter->setup(contract, cContractLetterSlot::UNREAD, false);
            cContractProvide* offer = cContractProvide::getInstance();
            offer->startShow(letter);
            ASSERT_TRUE(offer->isOpen());
            expectSaysItsTerms(*contract, offer->getNote()->getText(), "offer");
            cContractProvide::onWait(nullptr);
            m_engine.frames(2);
            expectSaysItsTerms(*contract, contractWords(*contract, contract->WinNote), "met");
            expectSaysItsTerms(*contract, contractWords(*contract, contract->LosNote), "failed");
        }
    }
}

// The time-line's terms written into a text; what is not a term stays as written.
TEST(ContractWords, TheTermsAreWrittenIntoTheText)
{
    sContractEvent contract;
    contract.Requirements[0] = {1, 11, 0};
    contract.Requirements[1] = {0, 3, 0};
    contract.Bonus = 340;
    contract.Penalty = 57;
    contract.WinTime.minutes = 6;
    const struct {
        const char16_t* text;
        const char16_t* told;
    } cases[] = {
        {u"{count1} ripe tomatoes and {count2} bundles", u"11 ripe tomatoes and 3 bundles"},
        {u"{bonus} for a deposit of {penalty}, in {time}", u"340 for a deposit of 57, in 06:00"},
        {u"{count1}{count1}", u"1111"},
        {u"{count3} {bonus", u"{count3} {bonus"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(contractWords(contract, c.text), c.told) << toString(c.text);
}

} // namespace
