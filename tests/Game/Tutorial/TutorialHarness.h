#pragma once
#include "Game/Farm/BuySeeds.h"
#include "Game/GameHarness.h"
#include "Game/GameMenu.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Tutorial/CommonHelpTips.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/Control.h"
#include "engine/Timer.h"

#include <memory>
#include <string>

// A game with its tutorial over small tip files: every tip n says "Tip n" at the note offset
// (60, 180) and the arrow offset (0, 70). The arrow and action notes stand at (10, 20) in
// their files, the plain note at (400, 300) with its button 45 below. The game runs, its bar
// and both panels are on.
class cTutorialTest : public ::testing::Test {
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
        : m_engine(cEngineHarness::DEFAULT_SETTINGS,
              {{"game.xml", makeXml16("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" />")},
                  {"UI/FlyTextExpence.xml", flyTextXml(EXPENSE_COLOR)},
                  {"UI/FlyTextIncome.xml", flyTextXml(INCOME_COLOR)},
                  {"UI/FlyProductExpence.xml", flyTextXml(PRODUCT_COLOR)},
                  {"Tutorial/Tutorial.xml", makeXml16(tutorialXml("1", 50))},
                  {"Tutorial/CommonHelpTip.xml", tipViewXml("CommonHelpTip", "400 300")},
                  {"Tutorial/ArrowHelpTip.xml", tipViewXml("ArrowHelpTip", "10 20")},
                  {"Tutorial/ActionTip.xml", tipViewXml("ActionTip", "10 20")},
                  // The time-line, a bar with no buttons to start tips on, the pause menu and help.
                  {"Gameplay/Gameplay.xml", makeXml16("<Gameplay><Events><E Type=\"9\" Time=\"0:10:00\" /></Events></Gameplay>")},
                  {"UI/gameUI/GameMenu.xml", makeXml16("<GameMenu Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" />")},
                  {"UI/Menu.xml", makeXml16("<Menu />")}, {"UI/HelpView.xml", makeXml16("<HelpView />")}},
              cEngineHarness::eRenderer::null)
    {
        clearProperties();
        cGame::onInitProfile();
        cGame::startGame();
        m_game = cGame::getInstance();
        m_tutorial = cTutorialManager::getInstance();
        m_menu = cGameMenu::getInstance();
        m_seeds = cBuySeeds::getInstance();
        m_building = cBuyBuilding::getInstance();
        for (cView* view : {static_cast<cView*>(m_menu), static_cast<cView*>(m_seeds), static_cast<cView*>(m_building)})
            view->enable();
        m_menu->absoluteEnable();
    }
    ~cTutorialTest() override
    {
        cGame::endGame();
        clearProperties();
    }

    // Reads a tutorial file from UTF-8 text into the manager.
    void loadTutorial(const std::string& _element)
    {
        const std::string bytes = makeXml16(_element);
        cXML xml("Tutorial/Tutorial.xml", bytes.data(), ULong(bytes.size()));
        m_tutorial->loadXML(&xml);
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

    cEngineHarness m_engine;
    cGame* m_game = nullptr;
    cTutorialManager* m_tutorial = nullptr;
    cGameMenu* m_menu = nullptr;
    cBuySeeds* m_seeds = nullptr;
    cBuyBuilding* m_building = nullptr;
    std::vector<std::unique_ptr<cControl>> m_controls;
};
