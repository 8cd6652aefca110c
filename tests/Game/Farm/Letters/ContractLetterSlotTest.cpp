#include "engine/frame/Timer.h"
#include "Game/Contracts/ContractProvide.h"
#include "engine/progress/Profile.h"
#include "engine/text/TextConvert.h"
#include "Game/Farm/Letters/ContractLetterSlot.h"
#include "Game/GameHarness.h"
#include "Game/Timeline/GameEvent.h"
#include "Game/Timeline/Gameplay.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/boxes/ProgressFloat.h"

#include <memory>

namespace {

constexpr UInt PLACE = 1;

// Event 1 a contract whose letter waits 100 s; a second one whose letter has no time is not
// loaded. The letter flies from (100, 0) at 100 pixels a second and blinks every half second
// in its last ten.
class cContractLetterSlotTest : public cGameTest {
protected:
    cContractLetterSlotTest()
        : cGameTest({{"Gameplay/Gameplay.xml",
                      makeXml16("<Gameplay><Events><E Type=\"1\" Time=\"0:00:30\"><Data SeedType=\"1\" /></E>"
                                "<E Type=\"5\" Time=\"0:01:00\"><Data WinTime=\"0:05:00\" LetterTime=\"0:01:40\" /></E>"
                                "<E Type=\"5\" Time=\"0:02:00\"><Data WinTime=\"0:05:00\" LetterTime=\"0:00:00\" /></E>"
                                "<E Type=\"9\" Time=\"0:10:00\" /></Events></Gameplay>")},
                     {"UI/gameUI/Farm/ContractLetterSlot.xml",
                      makeXml16("<ContractLetterSlot AbsoluteEnable=\"1\" FlashTimeRemaind=\"10\" FlashPeriod=\"0.5\" "
                                "AppearPosition=\"100 0\" MoveSpeed=\"100\"><Pic Visible=\"1\" /><FloatProgress />"
                                "</ContractLetterSlot>")}})
    {
        cTimer::getInstance()->setFixedFrameTime(0.02f);
        m_slot->setPlace(Vector2(100, 50));
    }
    static sContractEvent* contract() { return static_cast<sContractEvent*>(cGameplay::getInstance()->getEvent(1)); }
    void restoreWith(Float _timeLeft, Int _state)
    {
        key::letter[PLACE] = 1;
        key::letTime[PLACE] = _timeLeft;
        key::letState[PLACE] = _state;
        ASSERT_TRUE(m_slot->restore());
    }
    void play(Float _seconds) { m_engine.frames(int(_seconds * 50 + 0.5f)); }
    static void showTip(eTips _tip) { cTutorialManager::getInstance()->runCommonHelpTip(_tip, nullptr); }
    static cContractProvide& offer() { return *cContractProvide::getInstance(); }
    // Waits; the game stands for the frame the offer fades out in.
    void closeOffer()
    {
        cContractProvide::onWait(nullptr);
        m_engine.frame();
    }

    std::unique_ptr<cContractLetterSlot> m_slot = std::make_unique<cContractLetterSlot>(nullptr, PLACE);
};

TEST_F(cContractLetterSlotTest, ANewLetterFliesInDisabledAndIsEnabledOnLanding)
{
    m_slot->setup(contract(), cContractLetterSlot::UNREAD, false);
    EXPECT_EQ(Int(key::letter[PLACE]), 1);
    // Seconds played, height reached, enabled.
    for (const Vector4& step : {Vector4{0, 0, 0, 0}, Vector4{0.2f, 20, 0, 0}, Vector4{0.3f, 50, 1, 0}}) {
        play(step.x);
        EXPECT_NEAR(m_slot->getPosition().y, step.y, 0.01f);
        EXPECT_EQ(m_slot->isEnabled(), step.z == 1);
    }
    EXPECT_EQ(m_slot->getRemainingTime(), 100) << "the clock starts on landing";
}

TEST_F(cContractLetterSlotTest, ARestoredLetterStandsAtItsPlaceAndBlinksAlreadyNearItsEnd)
{
    // Time saved, state saved, blinking, bar.
    for (const Vector4& c : {Vector4{50, 0, 0, 50}, Vector4{10, 1, 1, 10}, Vector4{100, 0, 0, 100}, Vector4{0, 0, 1, 0}}) {
        SCOPED_TRACE(c.x);
        restoreWith(c.x, Int(c.y));
        EXPECT_TRUE(m_slot->isEnabled());
        EXPECT_EQ(m_slot->getPosition(), Vector2(100, 50));
        EXPECT_EQ(m_slot->getLetterState(), Int(c.y));
        EXPECT_EQ(m_slot->isFlashing(), c.z == 1);
        EXPECT_NEAR(m_slot->getFloatProgress()->getValue(), c.w, 0.001f);
    }
}

TEST_F(cContractLetterSlotTest, TheClockStandsWhileATipIsOnScreenOrTheOfferIsOpen)
{
    enum eHold { NONE, TIP, OFFER, OFFER_CLOSED };
    // The tip stays on screen: its case comes last.
    for (const auto& c : {std::pair{NONE, 48.0f}, {OFFER, 50.0f}, {OFFER_CLOSED, 48.0f}, {TIP, 50.0f}}) {
        SCOPED_TRACE(c.first);
        restoreWith(50, 0);
        if (c.first == TIP)
            showTip(5);
        if (c.first >= OFFER)
            m_slot->clicked();
        if (c.first == OFFER_CLOSED)
            closeOffer();
        play(2);
        EXPECT_NEAR(m_slot->getRemainingTime(), c.second, 0.001f);
        EXPECT_NEAR(Float(key::letTime[PLACE]), c.second, 0.001f);
        closeOffer();
    }
}

TEST_F(cContractLetterSlotTest, NearItsEndTheLetterBlinksAtTheFlashPeriod)
{
    restoreWith(10.1f, 0);
    play(0.12f);
    for (Bool shown : {false, true, false}) {
        EXPECT_EQ(m_slot->getPic()->isOwnVisible(), shown);
        play(0.5f);
    }
}

TEST_F(cContractLetterSlotTest, ALetterThatRunsOutReadOrNotVanishesAndResetsTheTaskAward)
{
    for (Int state : {0, 1}) {
        key::awQTask() = 5;
        restoreWith(0.05f, state);
        play(0.1f);
        EXPECT_EQ(m_slot->getLetterState(), cContractLetterSlot::EMPTY);
        EXPECT_EQ(Int(key::letter[PLACE]), -1);
        EXPECT_FALSE(m_slot->isOwnVisible());
        EXPECT_EQ(UInt(key::awQTask()), 0u);
    }
}

TEST_F(cContractLetterSlotTest, AClickMarksTheLetterReadAndOpensItsOfferButNotUnderAnotherTip)
{
    for (Bool tip : {false, true}) {
        restoreWith(50, 0);
        if (tip)
            showTip(5);
        m_slot->clicked();
        EXPECT_EQ(Int(key::letState[PLACE]), tip ? 0 : 1);
        EXPECT_EQ(offer().isOwnVisible(), !tip);
        closeOffer();
    }
}

TEST_F(cContractLetterSlotTest, ASavedLetterThatIsNoContractEmptiesItsPlace)
{
    EXPECT_EQ(cGameplay::getInstance()->getEventCount(), 3u) << "a letter without time is refused";
    // The position, and the time and number the letter was saved with (-1: an earlier build's
    // profile, which kept the position only), by a save of this build, an earlier one or salvaged
    // from a damaged file (with the variable whose text did not read); its time left.
    enum eSave { THIS_BUILD, EARLIER_BUILD, SALVAGED };
    struct sCase {
        Int number, at, nth;
        eSave save;
        Bool restored;
        Float left = 50;
        const char* unread = nullptr;
    } cases[] = {{0, -1, 0, EARLIER_BUILD, false}, {7, -1, 0, EARLIER_BUILD, false}, {-5, -1, 0, EARLIER_BUILD, false},
        {-1, -1, 0, EARLIER_BUILD, false}, {1, -1, 0, EARLIER_BUILD, true},
        // Found where a newer time-line has moved it, or nowhere.
        {0, 60, 0, THIS_BUILD, true}, {7, 60, 0, THIS_BUILD, true}, {1, 61, 0, THIS_BUILD, false},
        {1, 60, 1, THIS_BUILD, false}, {1, 30, 0, THIS_BUILD, false},
        // A time an earlier build kept unknowing: the position decides.
        {1, 61, 0, EARLIER_BUILD, true}, {1, 30, 0, EARLIER_BUILD, true},
        // A time left that the letter cannot have.
        {1, 60, 0, THIS_BUILD, false, 1e9f}, {1, 60, 0, THIS_BUILD, false, -3},
        // Salvaged: only where every value reads and the position agrees with the time; an
        // unread state of an identified letter keeps it.
        {1, 60, 0, SALVAGED, true}, {2, 60, 0, SALVAGED, false}, {1, 60, 0, SALVAGED, false, 50, "letTime1"},
        {1, 60, 0, SALVAGED, true, 50, "letState1"}};
    cProfile profile(u"");
    for (const sCase& c : cases) {
        m_slot->setEmpty();
        key::letter[PLACE] = c.number;
        key::letterAt[PLACE] = c.at;
        key::letterNth[PLACE] = c.nth;
        key::letTime[PLACE] = c.left;
        cProfile::sLoadedCopy loaded;
        if (c.save != THIS_BUILD)
            loaded = {{{"Int", "letter1", toWString(std::to_string(c.number))}}, c.save == SALVAGED, c.save == SALVAGED};
        if (c.unread)
            loaded.variables.push_back({"Int", c.unread, u"x"});
        profile.setLoadedCopy(loaded);
        EXPECT_EQ(m_slot->restore(), c.restored) << c.number << " " << c.at << " " << c.nth << " " << c.left;
        EXPECT_EQ(Int(key::letter[PLACE]), c.restored ? 1 : -1);
        EXPECT_EQ(Int(key::letterAt[PLACE]), c.restored ? 60 : -1) << "kept with its time from now on";
    }
}

} // namespace
