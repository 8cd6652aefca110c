#include "Game/Farm/Worker/PersonArrival.h"
#include "Game/Farm/Worker/PersonHarness.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/PersonMoveBasic.h"
#include "Game/Farm/Worker/Jobs/PersonSowing.h"
#include "Game/Farm/Seeds/SeedPackage.h"

#include <gtest/gtest.h>

namespace {

class cPersonSowingTest : public cPersonTest {
protected:
    cSeedPackage* makePackage(UInt _count, UInt _state = cSeedPackage::LYING)
    {
        return new cSeedPackage(ground(), 3, _count, Vector2(200, 200), _state, false);
    }
    // The worker takes _package up on arrival.
    void take(cSeedPackage* _package)
    {
        person().getDealer().setTask(new cPersonIdle());
        decideArrival(_package);
    }
    void sow(cFarmFieldTile* _field)
    {
        key::FFS[_field->getIndex()] = cFarmFieldTile::FS_PLOUGHED;
        decideArrival(_field);
        ASSERT_NE(task<cPersonSowing>(), nullptr);
        m_engine.frames(60);
    }
};

TEST_F(cPersonSowingTest, ATakenPackageIsCarriedAndAnOldOneGoesBackToTheGround)
{
    cSeedPackage* first = makePackage(4);
    cSeedPackage* second = makePackage(2);
    take(first);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_SEED_PACKAGE));
    EXPECT_EQ(person().getCarriedPackage(), first);
    EXPECT_EQ(first->getState(), UInt(cSeedPackage::TAKEN));
    take(second);
    EXPECT_EQ(person().getCarriedPackage(), second);
    EXPECT_EQ(first->getState(), UInt(cSeedPackage::LYING));
    EXPECT_NE(task<cPersonIdle>(), nullptr);
}

TEST_F(cPersonSowingTest, EachSowingTakesOneSeedAndTheLastUsesThePackageUp)
{
    cFarmFieldTile* field = makeField(0, Vector2(300, 300));
    cFarmFieldTile* other = makeField(1, Vector2(400, 300));
    cSeedPackage* package = makePackage(2);
    take(package);
    sow(field);
    EXPECT_EQ(key::FFC[0], 3u);
    EXPECT_EQ(package->getCount(), 1u);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_SEED_PACKAGE));
    // Two more clicks wait on the package when the last seed goes in.
    package->setState(cSeedPackage::LYING);
    package->goToNextParking();
    package->goToNextParking();
    package->setState(cSeedPackage::TAKEN);
    sow(other);
    EXPECT_EQ(key::FFC[1], 3u);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_NOTHING));
    EXPECT_EQ(person().getCarriedPackage(), nullptr);
    EXPECT_TRUE(person().getQueue().empty());
    EXPECT_TRUE(packages().empty());
}

TEST_F(cPersonSowingTest, AnEmptyPackageSowsNoNegativeSeeds)
{
    cFarmFieldTile* field = makeField(0, Vector2(300, 300));
    cSeedPackage* package = makePackage(0);
    take(package);
    sow(field);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_NOTHING));
    EXPECT_TRUE(packages().empty()) << "used up, not wrapped round to billions";
}

TEST_F(cPersonSowingTest, APackageTakenUpByThePointerEndsTheWalkToIt)
{
    standAt(Vector2(500, 500));
    cSeedPackage* package = makePackage(4);
    package->goToNextParking();
    m_engine.frames(3);
    ASSERT_NE(task<cPersonMoveBasic>(), nullptr);
    package->setState(cSeedPackage::ON_MOUSE);
    m_engine.frames(2);
    EXPECT_NE(task<cPersonIdle>(), nullptr);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_NOTHING));
    cFarm::clearObjectOnMouse();
}

TEST_F(cPersonSowingTest, AWorkerMadeAgainTakesBackThePackageItHeld)
{
    cSeedPackage* package = makePackage(3, cSeedPackage::TAKEN);
    delete cPerson::getInstance();
    key::PCarry() = 0;
    new cPerson(ground());
    EXPECT_EQ(person().getCarriedPackage(), package);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_SEED_PACKAGE));
}

} // namespace
