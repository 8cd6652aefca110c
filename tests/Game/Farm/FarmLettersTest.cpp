#include "Game/Farm/Letters/ContractLetterSlot.h"
#include "Game/Farm/Farm.h"
#include "Game/GameHarness.h"
#include "Game/Timeline/GameEvent.h"
#include "Game/Timeline/Gameplay.h"

namespace {

// Events 1 and 2 are contracts that always send their letter; the post box has three places.
class cFarmLettersTest : public cGameTest {
protected:
    cFarmLettersTest()
        : cGameTest({{"Gameplay/Gameplay.xml",
                      makeXml16("<Gameplay><Events><E Type=\"1\" Time=\"0:00:30\"><Data SeedType=\"1\" /></E>" + contract(1) +
                                contract(2) + "<E Type=\"9\" Time=\"0:10:00\" /></Events></Gameplay>")},
                     {"UI/gameUI/farm.xml",
                      makeXml16("<Farm><LetterPlace><P Pos=\"700 100\" /><P Pos=\"700 160\" /><P Pos=\"700 220\" />"
                                "</LetterPlace></Farm>")}})
    {
    }
    static std::string contract(int _minute)
    {
        return "<E Type=\"5\" Time=\"0:0" + std::to_string(_minute) +
               ":00\"><Data WinTime=\"0:05:00\" LetterTime=\"0:01:00\" RandomFactor=\"1\" /></E>";
    }
    static cFarm& farm() { return *cFarm::getInstance(); }
    static sContractEvent* event(UInt _index) { return static_cast<sContractEvent*>(cGameplay::getInstance()->getEvent(_index)); }
    // The game again over the variables the first one left, its clock at _time.
    void restart(Float _time)
    {
        cGame::endGame();
        key::GameTime() = _time;
        cGame::startGame();
    }
};

TEST_F(cFarmLettersTest, LettersTakeTheFreePlacesInOrderAndAFourthIsDropped)
{
    for (UInt count : {1, 2, 3, 3}) {
        farm().addLetter(event(1 + count % 2));
        EXPECT_EQ(farm().getLetterCount(), count);
        EXPECT_EQ(farm().haveLetterRoom(), count < 3);
    }
    EXPECT_EQ(farm().getLetterSlot(2)->getPlace(), Vector2(700, 220));
    farm().clearLetterSlot(farm().getLetterSlot(1));
    farm().clearLetterSlot(farm().getLetterSlot(1));
    EXPECT_EQ(farm().getLetterCount(), 2u) << "an empty place gives back nothing";
    farm().addLetter(event(1));
    EXPECT_EQ(farm().getLetterSlot(1)->getEvent(), event(1));
}

TEST_F(cFarmLettersTest, LettersComeBackWithTheGameAndBrokenOnesAreDropped)
{
    farm().addLetter(event(1));
    farm().addLetter(event(2));
    farm().getLetterSlot(1)->clicked();
    key::letter[2] = 0;
    restart(0);
    EXPECT_EQ(farm().getLetterCount(), 2u);
    EXPECT_EQ(farm().getLetterSlot(1)->getLetterState(), cContractLetterSlot::READ);
    EXPECT_EQ(farm().getLetterSlot(1)->getPosition(), Vector2(700, 160));
    EXPECT_EQ(Int(key::letter[2]), -1);
}

TEST_F(cFarmLettersTest, TheTimeLineSendsAContractOnlyWhileThePostBoxHasRoom)
{
    for (UInt before : {0, 2, 3}) {
        restart(59.99f);
        for (UInt i = 0; i < before; ++i)
            farm().addLetter(event(2));
        m_engine.frames(5);
        EXPECT_EQ(farm().getLetterCount(), std::min(before + 1, 3u));
        for (UInt i = 0; i < cFarm::LETTER_PLACES; ++i)
            key::letter[i] = -1;
    }
}

} // namespace
