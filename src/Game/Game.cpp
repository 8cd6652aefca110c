#include "Game/Game.h"

#include "engine/resources/Channel.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/Profile.h"
#include "engine/resources/Resource.h"
#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractDialogs.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractProvide.h"
#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FieldTip.h"
#include "Game/Farm/Letters/Journal.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Farm/Buildings/WareDetail.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Market/Market.h"
#include "Game/Timeline/Gameplay.h"
#include "Game/Tutorial/HelpView.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Game/Awards/AwardManager.h"
#include "Ui/views/ViewFile.h"

#include <functional>
#include <vector>

namespace {

// What the constructor has made so far. Should a later step fail, each goes again, newest
// first (children before their parents), so a failed start leaves no instance set and the
// next start can succeed.
class cMadeParts {
public:
    cMadeParts() { m_undo.reserve(32); }

    template <class T>
    T* add(T* _part)
    {
        m_undo.push_back([_part] { delete _part; });
        return _part;
    }
    void undo() noexcept
    {
        for (; !m_undo.empty(); m_undo.pop_back()) {
            try {
                m_undo.back()();
            } catch (...) {
                logError("A part of a game that failed to start could not be taken down: " + getErrorCallStack());
            }
        }
    }

private:
    std::vector<std::function<void()>> m_undo;
};

// Runs one step of taking the game down; its failure is logged and the next step runs.
template <class F>
void takeDownStep(F _step) noexcept
{
    runOrLog("cGame::~cGame()", _step);
}

template <class T>
void deleteInstance()
{
    delete T::getInstance();
}

} // namespace

void cGame::sReleaseResource::operator()(iResource* _resource) const
{
    _resource->release();
}

cGame::cGame() : cView(nullptr)
{
    GUARD_BEGIN
    build();
    GUARD_END("cGame::cGame()")
}

void cGame::build()
{
    cMadeParts made;
    try {
        made.add(new cGameplay());
        made.add(new cTutorialManager());

        loadViewFile(this, "game.xml");

        made.add(new cWareDetail(this));
        cGameMenu* menu = made.add(new cGameMenu(this));
        cFarm* farm = made.add(new cFarm(menu));
        made.add(new cMarket(menu));
        made.add(new cManufacture(menu));
        made.add(new cFieldTip());
        cView* ground = farm->getSlidingPicture();
        made.add(new cWareHouse(ground));
        made.add(new cDigBuilding(ground));
        made.add(new cWaterSource(ground));
        made.add(new cMowBuilding(ground));
        menu->updateManufactureButton();
        menu->updateMarketButton();
        // After the farm and its buildings, which the saved packages lie among; before the
        // worker, who may be carrying one of them.
        loadLevelState();
        menu->restoreContracts();
        made.add(new cPerson(ground));
        made.add(new cElasticAnimation(ground));
        made.add(new cBuyBuilding(this));
        made.add(new cBuySeeds(this));
        made.add(new cJournal());
        made.add(new cContractDialogs());
        made.add(new cContractProvide());
        made.add(new cContractAim());
        made.add(new cContractPassConfirm());
        made.add(new cContractFail());
        made.add(new cHelpView());
        made.add(new cAwardManager());
        menu->showFarmFast();
        cFarm::clearObjectOnMouse();
        cSeedPackage::retakePointer();
        cTutorialManager::getInstance()->reopenUnfinishedLessons();
        // The contracts and letters are back: from now on the game's own variables are the
        // farm, not the files it was loaded from.
        if (cProfile* profile = cProfile::getInstance())
            profile->forgetLoadedCopies();
    } catch (...) {
        // The level state is not written: what was read (or not yet read) of it must stay.
        // The sound and its channel go with the members.
        made.undo();
        throw;
    }
}

cGame::~cGame()
{
    takeDownStep([this] { m_upgradeSound.reset(); });
    takeDownStep(deleteInstance<cAwardManager>);
    takeDownStep(deleteInstance<cTutorialManager>);
    takeDownStep(deleteInstance<cHelpView>);
    takeDownStep(deleteInstance<cContractProvide>);
    takeDownStep(deleteInstance<cContractAim>);
    takeDownStep(deleteInstance<cContractPassConfirm>);
    takeDownStep(deleteInstance<cContractFail>);
    takeDownStep(deleteInstance<cContractDialogs>);
    takeDownStep(deleteInstance<cJournal>);
    takeDownStep(deleteInstance<cFieldTip>);
    takeDownStep([] { saveProgress(); });
    takeDownStep(deleteInstance<cGameplay>);
    takeDownStep([this] { m_upgradeChannel.reset(); });
}

void cGame::startGame()
{
    GUARD_BEGIN
    new cGame();
    GUARD_END("void cGame::startGame()")
}

void cGame::endGame() noexcept
{
    takeDownStep([] { delete getInstance(); });
}

void cGame::onInitProfile()
{
    key::storeDefaults();
}
