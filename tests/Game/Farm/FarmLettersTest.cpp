#include "Game/Farm/ContractLetterSlot.h"
#include "Game/Farm/Farm.h"
#include "Game/GameEvent.h"
#include "Game/GameHarness.h"
#include "Game/Gameplay.h"

#include <string>

namespace {

// Event 0 a seed event, events 1 and 2 contracts, event 3 the main game's end.
std::string gameplayXml()
{
    const std::string contract = "<Data WinTime=\"0:05:00\" LetterTime=\"0:01:00\" RandomFactor=\"1\" />";
    return makeXml16("<Gameplay><Events><E Type=\"1\" Time=\"0:00:30\"><Data SeedType=\"1\" /></E>"
                     "<E Type=\"5\" Time=\"0:01:00\">" + contract + "</E><E Type=\"5\" Time=\"0:02:00\">" + contract +
                     "</E><E Type=\"9\" Time=\"0:10:00\" /></Events></Gameplay>");
}

std::string farmXml()
{
    return makeXml16("<Farm Visible=\"1\" Enable=\"1\"><LetterPlace><P Pos=\"700 100\" /><P Pos=\"700 160\" />"
                     "<P Pos=\"700 220\" /></LetterPlace></Farm>");
}

tDataFiles farmFiles()
{
    return {{"Gameplay/Gameplay.xml", gameplayXml()}, {"UI/gameUI/farm.xml", farmXml()},
            {"UI/gameUI/Farm/ContractLetterSlot.xml",
             makeXml16("<ContractLetterSlot Visible=\"0\" Enable=\"1\" AbsoluteEnable=\"1\" size=\"56 40\" "
                       "AppearPosition=\"900 0\" />")}};
}

class cFarmLettersTest : public cGameTest {
protected:
    cFarmLettersTest() : cGameTest(farmFiles()) {}
    static cFarm& farm() { return *cFarm::getInstance(); }
    static sContractEvent* contract(UInt _index)
    {
        return static_cast<sContractEvent*>(cGameplay::getInstance()->getEvent(_index));
    }
    // The game again, over what the first one saved in the game variables.
    void restart()
    {
        cGame::endGame();
        cGame::startGame();
        m_game = cGame::getInstance();
    }
};

TEST_F(cFarmLettersTest, LettersTakeTheFreePlacesInOrderAndAFourthIsDropped)
{
    struct sStep {
        UInt event;
        UInt count;
        Bool room;
    };
    const sStep steps[] = {{1, 1, true}, {2, 2, true}, {1, 3, false}, {2, 3, false}};
    for (const sStep& step : steps) {
        farm().addLetter(contract(step.event));
        EXPECT_EQ(farm().getLetterCount(), step.count);
        EXPECT_EQ(farm().haveLetterRoom(), step.room);
    }
    for (UInt i = 0; i < cFarm::LETTER_PLACES; ++i)
        EXPECT_EQ(farm().getLetterSlot(i)->getPlace(), Vector2(700, 100 + 60 * Float(i)));
    EXPECT_EQ(Int(key::letter[2]), 1);
}

TEST_F(cFarmLettersTest, AClearedPlaceIsTakenByTheNextLetter)
{
    for (UInt event : {1, 2, 1})
        farm().addLetter(contract(event));
    farm().clearLetterSlot(farm().getLetterSlot(1));
    farm().clearLetterSlot(farm().getLetterSlot(1));
    EXPECT_EQ(farm().getLetterCount(), 2u);
    EXPECT_EQ(Int(key::letter[1]), -1);
    EXPECT_FALSE(farm().getLetterSlot(1)->isOwnVisible());
    farm().addLetter(contract(2));
    EXPECT_EQ(farm().getLetterSlot(1)->getEvent(), contract(2));
    EXPECT_EQ(farm().getLetterCount(), 3u);
}

TEST_F(cFarmLettersTest, LettersComeBackWithTheGameAndBrokenOnesAreDropped)
{
    farm().addLetter(contract(1));
    farm().addLetter(contract(2));
    farm().getLetterSlot(1)->clicked();
    key::letter[2] = 0;
    restart();
    EXPECT_EQ(farm().getLetterCount(), 2u);
    EXPECT_EQ(farm().getLetterSlot(0)->getEvent(), contract(1));
    EXPECT_EQ(farm().getLetterSlot(1)->getLetterState(), cContractLetterSlot::READ);
    EXPECT_EQ(farm().getLetterSlot(1)->getPosition(), Vector2(700, 160));
    EXPECT_EQ(farm().getLetterSlot(2)->getLetterState(), cContractLetterSlot::EMPTY);
    EXPECT_EQ(Int(key::letter[2]), -1);
}

TEST_F(cFarmLettersTest, TheTimeLineSendsAContractOnlyWhileThePostBoxHasRoom)
{
    struct sCase {
        UInt before, after;
    };
    for (const sCase& c : {sCase{0, 1}, sCase{2, 3}, sCase{3, 3}}) {
        SCOPED_TRACE(c.before);
        key::GameTime() = 0;
        restart();
        for (UInt i = 0; i < c.before; ++i)
            farm().addLetter(contract(2));
        key::GameTime() = 59.99f;
        m_engine.frames(5);
        EXPECT_EQ(farm().getLetterCount(), c.after);
        EXPECT_EQ(Int(key::letter[c.after - 1]), c.before == 3 ? 2 : 1);
        for (UInt i = 0; i < cFarm::LETTER_PLACES; ++i)
            key::letter[i] = -1;
    }
}

} // namespace
