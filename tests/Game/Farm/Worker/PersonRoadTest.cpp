#include "engine/text/TextConvert.h"
#include "Game/Farm/Worker/PersonHarness.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/PersonMoveBasic.h"
#include "Game/Farm/Worker/Jobs/PersonPloughting.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/GameMenu/GameMenu.h"
#include "platform/headless/HeadlessPlatform.h"
#include "Ui/texts/Text.h"

#include <gtest/gtest.h>

namespace {

// One click's whole road: the pointer on a grass field, the job and its mark, the walk, the
// payment on arrival, the work and its sound, the ploughed field.
class cPersonRoadTest : public cPersonTest {
protected:
    cPersonRoadTest()
    {
        m_field = makeField(0, Vector2(400, 300));
        m_other = makeField(1, Vector2(200, 450));
        key::FFC[1] = 3;
        key::FFS[1] = cFarmFieldTile::FS_GROWING;
        cPerson::setCarryState(cPerson::CARRY_SPADE);
        m_engine.frame();
    }
    void clickField()
    {
        m_engine.moveTo(600, 550);
        m_engine.moveTo(400, 300);
        m_engine.press(true);
        m_engine.press(false);
        // Away again, before the field's tooltip comes up under the pointer.
        m_engine.moveTo(600, 550);
    }
    Bool walking() { return task<cPersonMoveBasic>() != nullptr; }

    cFarmFieldTile* m_field = nullptr;
    cFarmFieldTile* m_other = nullptr;
};

TEST_F(cPersonRoadTest, AClickedGrassFieldIsPaidForOnArrivalAndPloughed)
{
    struct sCase {
        Int money;
        Bool ploughed;
    };
    for (const sCase& c : {sCase{5, true}, sCase{12, true}, sCase{4, false}}) {
        standAt(Vector2(250, 300));
        key::FFC[0] = cGame::GRASS;
        key::FFS[0] = cFarmFieldTile::FS_GROWING;
        key::FFF[0] = 10;
        cGame::setMoney(c.money);
        const size_t flies = flyTexts().size();
        clickField();
        ASSERT_EQ(person().getQueue().size() + (person().getCurrentJob().area ? 1 : 0), 1u) << c.money;
        EXPECT_EQ(m_field->getQueued(), 1u);
        int frames = 0;
        while (walking() || !person().getQueue().empty())
            m_engine.frame(), ++frames;
        EXPECT_GT(frames, 5) << "the worker walks there";
        EXPECT_EQ(m_field->getQueued(), 0u) << "the mark went on arrival";
        if (!c.ploughed) {
            EXPECT_NE(task<cPersonIdle>(), nullptr);
            EXPECT_EQ(key::Money(), c.money) << "nothing is paid";
            EXPECT_EQ(flyTexts().size(), flies);
            EXPECT_EQ(key::FFS[0], UInt(cFarmFieldTile::FS_GROWING));
            continue;
        }
        ASSERT_NE(task<cPersonPloughting>(), nullptr) << c.money;
        EXPECT_EQ(key::Money(), c.money - 5);
        EXPECT_EQ(cGameMenu::getInstance()->getMoneyText()->getString(), toWString(std::to_string(c.money - 5)));
        ASSERT_EQ(flyTexts().size(), flies + 1);
        EXPECT_EQ(flyTexts().back()->getTextColor(), EXPENSE_COLOR);
        EXPECT_EQ(flyTexts().back()->getString(), u"-5");
        EXPECT_TRUE(person().isLoopSoundPlaying(cPerson::WORK_SHOVEL));
        m_engine.frames(int(workplace::digTime() / 0.02f) + 10);
        EXPECT_NE(task<cPersonIdle>(), nullptr);
        EXPECT_FALSE(person().isLoopSoundPlaying(cPerson::WORK_SHOVEL));
        EXPECT_EQ(key::FFC[0], UInt(cGame::GRASS));
        EXPECT_EQ(key::FFS[0], UInt(cFarmFieldTile::FS_PLOUGHED));
        EXPECT_FLOAT_EQ(key::FFF[0], 50);
        EXPECT_EQ(key::FFC[1], 3u) << "the other field is left alone";
        EXPECT_EQ(key::FFS[1], UInt(cFarmFieldTile::FS_GROWING));
    }
}

TEST_F(cPersonRoadTest, ARightClickDuringTheWalkCostsNothing)
{
    cGame::setMoney(50);
    clickField();
    m_engine.frames(5);
    ASSERT_TRUE(walking());
    // The right button, as the farm hears it.
    m_engine.platform().getHeadlessMouse().pushButton(1, true);
    m_engine.frame();
    m_engine.platform().getHeadlessMouse().pushButton(1, false);
    m_engine.frames(200);
    EXPECT_NE(task<cPersonIdle>(), nullptr);
    EXPECT_EQ(key::Money(), 50);
    EXPECT_EQ(m_field->getQueued(), 0u);
    EXPECT_NE(key::FFS[0], UInt(cFarmFieldTile::FS_PLOUGHED));
}

} // namespace
