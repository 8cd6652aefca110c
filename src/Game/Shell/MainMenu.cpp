#include "Game/Shell/MainMenu.h"

#include "Game/Awards/Awards.h"
#include "Game/Shell/Credits.h"
#include "Game/Shell/HightScores.h"
#include "Game/Shell/Options.h"
#include "Game/Shell/YesNoExit.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/views/ResourceHold.h"
#include "Ui/views/Scavenger.h"
#include "Ui/profiles/SelectProfile.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"
#include "engine/progress/Profile.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/files/XML.h"
#include "input/Input.h"

namespace {

const char* const MAIN_MENU_XML = "UI/MainMenu.xml";
const char* const FIXED_BACK_XML = "Ui/FixedBack.xml";
const char* const MENU_LOG_WRITTEN = "MenuResLog.xml";
const char* const GAME_LOG = "GameResLog.xml";
const UInt GAME_LOG_PER_FRAME = 30;

cViewWatch& fixedBack()
{
    static cViewWatch back;
    return back;
}

} // namespace

cMainMenu::cMainMenu() : cBack(nullptr)
{
    GUARD_BEGIN
    m_start = new cMenuButton(this);
    m_options = new cMenuButton(this);
    m_exit = new cMenuButton(this);
    m_changeUser = new cMenuButton(this);
    m_awards = new cMenuButton(this);
    m_credits = new cMenuButton(this);
    m_hightScores = new cMenuButton(this);
    m_userName = new cText(this);
    m_userText = new cText(this);
    loadViewFile(this, MAIN_MENU_XML);
    m_start->setOnClick(&cMainMenu::onStart);
    m_options->setOnClick(&cMainMenu::onOptions);
    m_exit->setOnClick(&cMainMenu::onExit);
    m_changeUser->setOnClick(&cMainMenu::onChangeUser);
    m_awards->setOnClick(&cMainMenu::onAwards);
    m_credits->setOnClick(&cMainMenu::onCredits);
    m_hightScores->setOnClick(&cMainMenu::onHightScores);
    GUARD_END("cMainMenu::cMainMenu()")
}

cMainMenu::~cMainMenu()
{
    if (cInput* input = cInput::getInstance())
        input->unbind(KEY_ESCAPE, &cMainMenu::onExit, this);
    delete fixedBack().get();
}

void cMainMenu::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    loadFixedBack();
    loadChildPart(_xml_doc, "StartButton", m_start);
    loadChildPart(_xml_doc, "Options", m_options);
    loadChildPart(_xml_doc, "ExitButton", m_exit);
    loadChildPart(_xml_doc, "ChangeUserButton", m_changeUser);
    loadChildPart(_xml_doc, "AwardsButton", m_awards);
    loadChildPart(_xml_doc, "CreditsButton", m_credits);
    loadChildPart(_xml_doc, "UserName", m_userName);
    updateUserName();
    loadChildPart(_xml_doc, "UserText", m_userText);
    GUARD_END("void cMainMenu::loadXML(iXML* xml_doc)")
}

void cMainMenu::updateUserName()
{
    if (cProfile* profile = cProfile::getInstance())
        m_userName->setString(profile->m_currentUserName);
}

void cMainMenu::process()
{
    GUARD_BEGIN
    cBack::process();
    if (m_userName->getString().empty())
        updateUserName();
    GUARD_END("void cMainMenu::process()")
}

void cMainMenu::enabled()
{
    cBack::enabled();
    if (cInput* input = cInput::getInstance())
        input->bind(KEY_ESCAPE, &cMainMenu::onExit, this);
}

void cMainMenu::disabled()
{
    cBack::disabled();
    if (cInput* input = cInput::getInstance())
        input->unbind(KEY_ESCAPE, &cMainMenu::onExit, this);
}

void cMainMenu::loadFixedBack()
{
    GUARD_BEGIN
    if (fixedBack())
        return;
    cBack* back = new cBack(nullptr);
    fixedBack().set(back);
    loadViewFile(back, FIXED_BACK_XML);
    back->show();
    GUARD_END("void cMainMenu::loadFixedBack()")
}

cBack* cMainMenu::getFixedBack()
{
    return static_cast<cBack*>(fixedBack().get());
}

cMainMenu* cMainMenu::open(Bool _showUser)
{
    GUARD_BEGIN
    cMainMenu* menu = getInstance();
    if (!menu) {
        menu = new cMainMenu();
        menu->hide();
    }
    menu->showTransparently();
    menu->enable();
    if (_showUser)
        menu->updateUserName();
    return menu;
    GUARD_END("cMainMenu* cMainMenu::open(Bool _show_user)")
}

void cMainMenu::onStart(cView*)
{
    GUARD_BEGIN
    cMainMenu* menu = getInstance();
    // A menu already on its way out starts no second game.
    if (!s_gameStart || !menu || !menu->isOwnVisible())
        return;
    discard(menu, "void cMainMenu::onStart(cView* _self)");
    menu->hide();
    Bool logResources = false;
    if (cSettings* settings = cSettings::getInstance())
        settings->getPropertyT("game", "LogResources", logResources);
    if (logResources)
        requireResourceManager().resourcesToLog(MENU_LOG_WRITTEN);
    cLogLoad::start(GAME_LOG, s_gameStart, GAME_LOG_PER_FRAME, false);
    GUARD_END("void cMainMenu::onStart(cView* _self)")
}

void cMainMenu::onOptions(cView*)
{
    GUARD_BEGIN
    cMainMenu* menu = getInstance();
    if (!menu || cOptions::getInstance())
        return;
    menu->hideTransparently();
    cOptions* options = new cOptions();
    options->hide();
    options->showTransparently();
    options->setReturnView(menu);
    GUARD_END("void cMainMenu::onOptions(cView* _self)")
}

void cMainMenu::onAwards(cView*)
{
    GUARD_BEGIN
    cMainMenu* menu = getInstance();
    if (!menu || cAwards::getInstance())
        return;
    menu->hideTransparently();
    cAwards* awards = new cAwards(nullptr);
    awards->setLeaveCallback(&cMainMenu::onAwardsLeft);
    awards->hide();
    awards->showTransparently();
    GUARD_END("void cMainMenu::onAwards(cView* _self)")
}

void cMainMenu::onAwardsLeft()
{
    GUARD_BEGIN
    open(false);
    GUARD_END("void cMainMenu::onAwardsLeft()")
}

void cMainMenu::onCredits(cView*)
{
    GUARD_BEGIN
    cMainMenu* menu = getInstance();
    if (!menu || cCredits::getInstance())
        return;
    menu->hideTransparently();
    cCredits* credits = new cCredits();
    credits->hide();
    credits->showTransparently();
    GUARD_END("void cMainMenu::onCredits(cView* _self)")
}

void cMainMenu::onExit(cView*)
{
    GUARD_BEGIN
    cMainMenu* menu = getInstance();
    if (!menu)
        return;
    menu->disable();
    menu->hideTransparently();
    cYesNoExit* question = new cYesNoExit(nullptr);
    question->setYesHandler(&cMainMenu::onExitYes);
    question->setNoHandler(&cMainMenu::onExitNo);
    question->hide();
    question->showTransparently();
    question->enable();
    GUARD_END("void cMainMenu::onExit(cView* _self)")
}

void cMainMenu::onExitYes(cView*)
{
    GUARD_BEGIN
    if (cLogic* logic = cLogic::getInstance())
        logic->quit();
    GUARD_END("void cMainMenu::onExitYes(cView* _dialog)")
}

void cMainMenu::onExitNo(cView* _dialog)
{
    GUARD_BEGIN
    _dialog->discardTransparently();
    open(false);
    GUARD_END("void cMainMenu::onExitNo(cView* _dialog)")
}

void cMainMenu::onChangeUser(cView*)
{
    GUARD_BEGIN
    cMainMenu* menu = getInstance();
    if (!menu || cSelectProfile::getInstance())
        return;
    menu->disable();
    menu->hideTransparently();
    cSelectProfile* screen = new cSelectProfile(false);
    screen->setAcceptContinuation(&cMainMenu::onProfileChosen);
    screen->setExitContinuation(&cMainMenu::onProfileScreenExit);
    screen->hide();
    screen->showTransparently();
    screen->enable();
    GUARD_END("void cMainMenu::onChangeUser(cView* _self)")
}

void cMainMenu::onProfileChosen()
{
    GUARD_BEGIN
    open(true);
    GUARD_END("void cMainMenu::onProfileChosen()")
}

void cMainMenu::onProfileScreenExit()
{
    GUARD_BEGIN
    // The shown player may have been deleted there, and the next one made current.
    open(true);
    GUARD_END("void cMainMenu::onProfileScreenExit()")
}

void cMainMenu::onHightScores(cView*)
{
    GUARD_BEGIN
    cMainMenu* menu = getInstance();
    if (!menu || cHightScores::getInstance())
        return;
    new cHightScores();
    // Disabled too, so its Escape does not reach a menu nobody sees.
    menu->disable();
    menu->hide();
    GUARD_END("void cMainMenu::onHightScores(cView* _self)")
}
