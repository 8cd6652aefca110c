#include "Game/Contracts/ContractProvide.h"
#include "Game/Farm/ContractLetterSlot.h"
#include "Game/GameEvent.h"
#include "Game/GameHarness.h"
#include "Game/Gameplay.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/ProgressFloat.h"
#include "engine/Timer.h"

#include <memory>

namespace {

constexpr UInt PLACE = 1;
constexpr Float LETTER_TIME = 100; // 0:01:40
constexpr Float FLASH = 10;

// Event 0 a note, event 1 the contract, event 2 the main game's end.
std::string gameplayXml()
{
    return makeXml16("<Gameplay><Events><E Type=\"1\" Time=\"0:00:30\"><Data SeedType=\"1\" /></E>"
                     "<E Type=\"5\" Time=\"0:01:00\"><Data WinTime=\"0:05:00\" LetterTime=\"0:01:40\" Bonus=\"10\" /></E>"
                     "<E Type=\"5\" Time=\"0:02:00\"><Data WinTime=\"0:05:00\" LetterTime=\"0:00:00\" /></E>"
                     "<E Type=\"9\" Time=\"0:10:00\" /></Events></Gameplay>");
}

// A letter flying from (100, 0) at 100 pixels a second, blinking every half second in its last ten.
std::string letterXml()
{
    return makeXml16("<ContractLetterSlot Visible=\"0\" Enable=\"1\" AbsoluteEnable=\"1\" size=\"56 40\" "
                     "FlashTimeRemaind=\"10\" FlashPeriod=\"0.5\" AppearPosition=\"100 0\" MoveSpeed=\"100\">"
                     "<Pic Visible=\"1\" Enable=\"0\" size=\"56 40\" /><FloatProgress Visible=\"1\" Enable=\"1\" size=\"48 6\" />"
                     "<ReadState frames_count=\"1\" /><UnreadState frames_count=\"1\" /></ContractLetterSlot>");
}

class cContractLetterSlotTest : public cGameTest {
protected:
    cContractLetterSlotTest()
        : cGameTest({{"Gameplay/Gameplay.xml", gameplayXml()}, {"UI/gameUI/Farm/ContractLetterSlot.xml", letterXml()}})
    {
        cTimer::getInstance()->setFixedFrameTime(0.02f);
        m_slot = std::make_unique<cContractLetterSlot>(nullptr, PLACE);
        m_slot->setPlace(Vector2(100, 50));
    }
    ~cContractLetterSlotTest() override { m_slot.reset(); }

    static sContractEvent* contract()
    {
        return static_cast<sContractEvent*>(cGameplay::getInstance()->getEvent(1));
    }
    void restoreWith(Float _timeLeft, Int _state)
    {
        key::letter[PLACE] = 1;
        key::letTime[PLACE] = _timeLeft;
        key::letState[PLACE] = _state;
        ASSERT_TRUE(m_slot->restore());
    }
    // _seconds of play in frames of 20 ms.
    void play(Float _seconds) { m_engine.frames(int(_seconds * 50 + 0.5f)); }
    void showTip(eTips _tip) { cTutorialManager::getInstance()->runCommonHelpTip(_tip, nullptr); }

    std::unique_ptr<cContractLetterSlot> m_slot;
};

TEST_F(cContractLetterSlotTest, ANewLetterFliesInDisabledAndIsEnabledOnLanding)
{
    struct sStep {
        Float seconds;
        Float distance, x, y;
        Bool enabled;
    };
    const sStep steps[] = {{0, 50, 100, 0, false}, {0.2f, 30, 100, 20, false}, {0.3f, 0, 100, 50, true}};
    m_slot->setup(contract(), cContractLetterSlot::UNREAD, false);
    EXPECT_EQ(Int(key::letter[PLACE]), 1);
    EXPECT_EQ(Float(key::letTime[PLACE]), LETTER_TIME);
    EXPECT_TRUE(m_slot->isOwnVisible());
    for (const sStep& step : steps) {
        play(step.seconds);
        EXPECT_NEAR(m_slot->getDistance(), step.distance, 0.01f);
        EXPECT_NEAR(m_slot->getPosition().x, step.x, 0.01f);
        EXPECT_NEAR(m_slot->getPosition().y, step.y, 0.01f);
        EXPECT_EQ(m_slot->isEnabled(), step.enabled);
    }
    // The clock starts once the letter has landed.
    EXPECT_EQ(m_slot->getRemainingTime(), LETTER_TIME);
}

TEST_F(cContractLetterSlotTest, ARestoredLetterStandsAtItsPlaceAndBlinksAlreadyNearItsEnd)
{
    struct sCase {
        Float saved;
        Int state;
        Bool flashing;
        Float progress;
    };
    const sCase cases[] = {{50, 0, false, 50}, {FLASH, 1, true, 10}, {5, 1, true, 5}, {1e9f, 0, false, 100},
                           {-3, 0, true, 0}};
    for (const sCase& c : cases) {
        SCOPED_TRACE(c.saved);
        restoreWith(c.saved, c.state);
        EXPECT_TRUE(m_slot->isEnabled());
        EXPECT_EQ(m_slot->getPosition(), Vector2(100, 50));
        EXPECT_EQ(m_slot->getDistance(), 0);
        EXPECT_EQ(m_slot->getLetterState(), c.state);
        EXPECT_EQ(m_slot->isFlashing(), c.flashing);
        EXPECT_NEAR(m_slot->getFloatProgress()->getValue(), c.progress, 0.001f);
    }
}

TEST_F(cContractLetterSlotTest, TheTimeLeftRunsDownAndIsSavedEveryFrame)
{
    restoreWith(50, 0);
    play(2);
    EXPECT_NEAR(m_slot->getRemainingTime(), 48, 0.001f);
    EXPECT_NEAR(Float(key::letTime[PLACE]), 48, 0.001f);
    EXPECT_NEAR(m_slot->getFloatProgress()->getValue(), 48, 0.001f);
}

TEST_F(cContractLetterSlotTest, TheBarStandsWhileATutorialTipIsOnScreen)
{
    restoreWith(50, 0);
    showTip(5);
    play(2);
    EXPECT_EQ(m_slot->getRemainingTime(), 50);
    EXPECT_EQ(m_slot->getFloatProgress()->getValue(), 50);
}

TEST_F(cContractLetterSlotTest, NearItsEndTheLetterStartsBlinkingAtTheFlashPeriod)
{
    restoreWith(FLASH + 0.1f, 0);
    play(0.1f);
    ASSERT_TRUE(m_slot->isFlashing());
    // The first toggle comes on the next frame, then one every half second.
    const Bool shown[] = {false, true, false};
    m_engine.frame();
    for (Bool expected : shown) {
        EXPECT_EQ(m_slot->getPic()->isOwnVisible(), expected);
        play(0.5f);
    }
}

TEST_F(cContractLetterSlotTest, ALetterThatRunsOutVanishesAndResetsTheTaskAward)
{
    for (Int state : {0, 1}) {
        SCOPED_TRACE(state);
        key::awQTask() = 5;
        restoreWith(0.05f, state);
        play(0.1f);
        EXPECT_EQ(m_slot->getLetterState(), cContractLetterSlot::EMPTY);
        EXPECT_EQ(Int(key::letter[PLACE]), -1);
        EXPECT_FALSE(m_slot->isOwnVisible());
        EXPECT_EQ(UInt(key::awQTask()), 0u);
    }
}

TEST_F(cContractLetterSlotTest, AClickMarksTheLetterReadAndOpensItsOffer)
{
    restoreWith(50, 0);
    m_slot->clicked();
    EXPECT_EQ(m_slot->getLetterState(), cContractLetterSlot::READ);
    EXPECT_EQ(Int(key::letState[PLACE]), 1);
    EXPECT_TRUE(cContractProvide::getInstance()->isOwnVisible());
    EXPECT_TRUE(m_slot->isOfferOpen());
}

TEST_F(cContractLetterSlotTest, AClickWhileAnotherTipIsOnScreenDoesNothing)
{
    restoreWith(50, 0);
    showTip(5);
    m_slot->clicked();
    EXPECT_EQ(m_slot->getLetterState(), cContractLetterSlot::UNREAD);
    EXPECT_EQ(Int(key::letState[PLACE]), 0);
    EXPECT_FALSE(cContractProvide::getInstance()->isOwnVisible());
}

TEST_F(cContractLetterSlotTest, TheLettersClockStandsWhileItsOfferIsOpen)
{
    restoreWith(1, 0);
    m_slot->clicked();
    play(2);
    EXPECT_EQ(m_slot->getLetterState(), cContractLetterSlot::READ);
    EXPECT_EQ(m_slot->getRemainingTime(), 1);
    cContractProvide::onWait(nullptr);
    play(2);
    EXPECT_EQ(m_slot->getLetterState(), cContractLetterSlot::EMPTY);
}

TEST_F(cContractLetterSlotTest, ASavedLetterThatIsNoContractEmptiesItsPlace)
{
    for (Int number : {0, 2, 7, -5}) {
        SCOPED_TRACE(number);
        key::letter[PLACE] = number;
        EXPECT_FALSE(m_slot->restore());
        EXPECT_EQ(Int(key::letter[PLACE]), -1);
        EXPECT_EQ(m_slot->getLetterState(), cContractLetterSlot::EMPTY);
    }
    key::letter[PLACE] = -1;
    EXPECT_FALSE(m_slot->restore());
}

TEST_F(cContractLetterSlotTest, AContractWhoseLetterHasNoTimeIsNotLoaded)
{
    cGameplay& gameplay = *cGameplay::getInstance();
    ASSERT_EQ(gameplay.getEventCount(), 3u);
    EXPECT_EQ(gameplay.getEvent(2)->type, sBaseEvent::MAIN_GAME_END);
}

} // namespace
