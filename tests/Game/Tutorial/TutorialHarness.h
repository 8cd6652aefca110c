#pragma once
#include "engine/frame/Timer.h"
#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/GameHarness.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Tutorial/ActionTips2.h"
#include "Game/Tutorial/ArrowHelpTips2.h"
#include "Game/Tutorial/CommonHelpTips.h"
#include "Game/Tutorial/TipQuery.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/Control.h"

#include <memory>
#include <string>
#include <vector>

// A game with its tutorial over small tip files: every tip n says "Tip n" at the note offset
// (60, 180) and the arrow offset (0, 70). The arrow and action notes stand at (10, 20) in
// their files, the plain note at (400, 300) with its button 45 below. The game runs, its bar
// and both panels are on.
class cTutorialTest : public cGameTest {
protected:
    static std::string tipViewXml(const char* _root, const char* _image)
    {
        return makeXml16(std::string("<") + _root + " Visible=\"0\" Enable=\"1\">"
               "<Image Visible=\"1\" Enable=\"1\" position=\"" + _image + "\" size=\"320 150\" deep=\"1500\" />"
               "<Text Visible=\"1\" Enable=\"1\" position=\"" + _image + "\" size=\"280 80\" Localized=\"0\" />"
               "<OkButton Visible=\"1\" Enable=\"1\" position=\"" + _image + "\" size=\"112 40\" />"
               "<Arrow Visible=\"1\" Enable=\"1\" position=\"0 0\" size=\"48 72\" /></" + _root + ">");
    }
    static std::string tutorialXml(const char* _enable, UInt _tips)
    {
        std::string xml = std::string("<Tutorial Visible=\"1\" Enable=\"1\" TutorialEnable=\"") + _enable + "\"><Tips>";
        for (UInt i = 0; i < _tips; ++i)
            xml += "<Tip Offset=\"60 180\" ArrowOffset=\"0 70\"><Text>Tip " + std::to_string(i) + "</Text></Tip>";
        return xml + "</Tips></Tutorial>";
    }

    cTutorialTest()
        : cGameTest({{"game.xml", makeXml16("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" />")},
              {"Tutorial/Tutorial.xml", makeXml16(tutorialXml("1", 50))},
              {"Tutorial/CommonHelpTip.xml", tipViewXml("CommonHelpTip", "400 300")},
              {"Tutorial/ArrowHelpTip.xml", tipViewXml("ArrowHelpTip", "10 20")},
              {"Tutorial/ActionTip.xml", tipViewXml("ActionTip", "10 20")},
              // A bar with no buttons to start tips on.
              {"UI/gameUI/GameMenu.xml", makeXml16("<GameMenu Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" />")}})
    {
        m_tutorial = cTutorialManager::getInstance();
        m_menu = cGameMenu::getInstance();
        m_seeds = cBuySeeds::getInstance();
        m_building = cBuyBuilding::getInstance();
        for (cView* view : {static_cast<cView*>(m_menu), static_cast<cView*>(m_seeds), static_cast<cView*>(m_building)})
            view->enable();
        m_menu->absoluteEnable();
    }
    // A control of the game's screens at _position.
    cControl* control(Float _x, Float _y)
    {
        m_controls.emplace_back(new cControl(nullptr));
        m_controls.back()->setPosition(Vector2(_x, _y));
        m_controls.back()->enable();
        return m_controls.back().get();
    }
    static void clickOk(cCommonHelpTips* _tips) { _tips->getOkButton()->getOnClick()(_tips->getOkButton()); }
    static void setFrameTime(Float _seconds) { cTimer::getInstance()->getFrameTime() = _seconds; }

    cTutorialManager* m_tutorial = nullptr;
    cGameMenu* m_menu = nullptr;
    cBuySeeds* m_seeds = nullptr;
    cBuyBuilding* m_building = nullptr;
    std::vector<std::unique_ptr<cControl>> m_controls;
};

// The game as the tutorial's steps and tests see it, answered from plain fields: a quiet farm
// with one dry field and a worker with empty hands, nothing else.
class cFakeTipQuery : public iTipQuery {
public:
    Bool exists(eView _view) const override { return m_exists[_view]; }
    Bool isShown(eView _view) const override { return m_shown[_view]; }
    Bool isSliding(eView _view) const override { return m_sliding[_view]; }
    Bool isGameHeld() const override { return m_held; }
    Float getGameTime() const override { return m_gameTime; }
    Bool isProductionComplete() const override { return m_productionComplete; }
    std::vector<sField> getUpgradedFields() const override { return m_fields; }
    Bool getField(const cControl* _control, sField& _field) const override
    {
        for (const sField& field : m_fields)
            if (field.control == _control && _control) {
                _field = field;
                return true;
            }
        return false;
    }
    Bool hasWorker() const override { return m_worker; }
    UInt getCarry() const override { return m_carry; }
    Int getJob() const override { return m_job; }
    Float getCanWater() const override { return m_canWater; }
    Bool canBasketTakeMore() const override { return m_basketRoom; }
    Int getLevel(eBuilding _building) const override { return m_levels[_building]; }
    Float getWaterSourceCapacity() const override { return m_canCapacity; }
    cControl* getControl(eBuilding _building) const override { return m_controls[_building]; }
    Int getStock(UInt _kind) const override { return _kind == 0 ? m_grassStock : 0; }
    Int getFreeSpace() const override { return m_freeSpace; }
    Int getOnSale(UInt _kind) const override { return _kind == 0 ? m_grassOnSale : 0; }
    Bool isSeedOnMouse() const override { return m_seedOnMouse; }
    Int getFirstSeedPackageState() const override { return m_packageState; }
    Int getLetterState(const cControl* _control) const override { return _control ? m_letterState : -1; }
    Int getHouseCount() const override { return m_houseCount; }
    Int getFirstHouseLevel() const override { return m_houseLevel; }
    Int getFirstHouseFlags() const override { return m_houseFlags; }
    Bool canUpgradeFirstHouse() const override { return m_houseUpgradable; }
    Int getLoadedInput(const cControl* _control) const override { return _control ? m_loaded : -1; }
    Bool isHouseTaken() const override { return m_houseTaken; }

    Bool m_exists[VIEW_COUNT] = {true, true, true, true, true, true, true, true, true};
    Bool m_shown[VIEW_COUNT] = {true};
    Bool m_sliding[VIEW_COUNT] = {};
    Bool m_held = false;
    Float m_gameTime = 0;
    Bool m_productionComplete = false;
    std::vector<sField> m_fields;
    Bool m_worker = true;
    UInt m_carry = 0;
    Int m_job = -1;
    Float m_canWater = 0;
    Bool m_basketRoom = true;
    Int m_levels[3] = {0, 0, 0};
    Float m_canCapacity = 10;
    cControl* m_controls[3] = {};
    Int m_grassStock = 0;
    Int m_freeSpace = 30;
    Int m_grassOnSale = 0;
    Bool m_seedOnMouse = false;
    Int m_packageState = -1;
    Int m_letterState = 0;
    Int m_houseCount = 0;
    Int m_houseLevel = -1;
    Int m_houseFlags = -1;
    Bool m_houseUpgradable = true;
    Int m_loaded = 0;
    Bool m_houseTaken = false;
};
