#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractProvide.h"
#include "Game/Farm/BuySeeds.h"
#include "Game/Farm/DigBuilding.h"
#include "Game/Farm/ElasticAnimation.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/FieldTip.h"
#include "Game/Farm/Journal.h"
#include "Game/Farm/MowBuilding.h"
#include "Game/Farm/Person.h"
#include "Game/Farm/WareDetail.h"
#include "Game/Farm/WareHouse.h"
#include "Game/Farm/WaterSource.h"
#include "Game/Game.h"
#include "GameHarness.h"
#include "Game/GameMenu.h"
#include "Game/Gameplay.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Market/Market.h"
#include "Game/Tutorial/HelpView.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Game/Ui/AwardManager.h"
#include "engine/Engine.h"
#include "engine/GameVariables.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

template <class T>
std::pair<std::string, bool> instance(const char* _name)
{
    return {_name, T::exists()};
}

// Which of the game's objects exist now, by name.
std::vector<std::pair<std::string, bool>> gameObjects()
{
    return {instance<cGame>("game"), instance<cGameplay>("time-line"), instance<cTutorialManager>("tutorial"),
        instance<cWareDetail>("ware detail"), instance<cGameMenu>("menu bar"), instance<cFarm>("farm"),
        instance<cMarket>("market"), instance<cManufacture>("manufacture"), instance<cFieldTip>("field tip"),
        instance<cWareHouse>("warehouse"), instance<cDigBuilding>("dig building"),
        instance<cWaterSource>("water source"), instance<cMowBuilding>("mow building"), instance<cPerson>("worker"),
        instance<cElasticAnimation>("elastic animation"), instance<cBuyBuilding>("build panel"),
        instance<cBuySeeds>("seed shop"), instance<cJournal>("journal"), instance<cContractProvide>("offer"),
        instance<cContractAim>("aim"), instance<cContractPassConfirm>("pass confirmation"),
        instance<cContractFail>("fail"), instance<cHelpView>("help"), instance<cAwardManager>("awards")};
}

// The engine over the demo data set, as the game is shipped.
class cDemoGame : public ::testing::Test {
protected:
    cDemoGame()
    {
        const char* data = std::getenv("FURROW_DATA");
        m_engine = std::make_unique<cEngine>(data ? data : "Data", nullptr);
        clearProperties();
        cGame::onInitProfile();
    }
    ~cDemoGame() override
    {
        cGame::endGame();
        m_engine.reset();
        clearProperties();
    }

    cTestData m_folders;
    std::unique_ptr<cHeadlessPlatform> m_platform = std::make_unique<cHeadlessPlatform>();
    std::unique_ptr<cEngine> m_engine;
};

TEST_F(cDemoGame, AGameBuildsEveryObjectAndTakesEveryOneDownAgain)
{
    ASSERT_EQ(thrownText([] { cGame::startGame(); }), "no error");
    for (const auto& object : gameObjects())
        EXPECT_TRUE(object.second) << object.first;
    ASSERT_TRUE(cGame::getInstance()->getSeedsInfo(cGame::PINEAPPLE));
    EXPECT_GT(cGame::getInstance()->getSeedsInfo(cGame::PINEAPPLE)->Price, 0u);
    EXPECT_GT(cGame::getInstance()->getUpgradeCost(cGame::BAKERY, 3), 0u);
    EXPECT_EQ(cGame::getStaticProductTag(6), u"Ананасы");
    EXPECT_EQ(thrownText([] { cGame second; }, true), "Object already exist.");
    cGame::endGame();
    for (const auto& object : gameObjects())
        EXPECT_FALSE(object.second) << object.first;
}

TEST_F(cDemoGame, AGameThatFailsHalfwayLeavesNothingBehind)
{
    // A journal left over from elsewhere stops the game after its buildings and worker exist.
    auto journal = std::make_unique<cJournal>();
    EXPECT_THROW(cGame::startGame(), String);
    for (const auto& object : gameObjects())
        EXPECT_EQ(object.second, object.first == "journal") << object.first;
    journal.reset();
    cGame::startGame();
    EXPECT_TRUE(cGame::exists()) << "the next start succeeds";
}

} // namespace
