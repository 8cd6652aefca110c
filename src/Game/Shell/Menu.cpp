#include "Game/Shell/Menu.h"

#include "Ui/controls/ChildParts.h"
#include "Game/Game.h"
#include "Game/Tutorial/HelpView.h"
#include "Game/Awards/Awards.h"
#include "Game/Shell/LogLoad.h"
#include "Game/Shell/Options.h"
#include "Game/Shell/Preload.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/ViewFile.h"
#include "Ui/screens/YesNo.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/XML.h"
#include "input/Input.h"

namespace {

const char* const MENU_LOG = "menureslog.xml";
constexpr UInt MENU_LOG_PER_FRAME = 3;

void fadeInMenu()
{
    if (cMenu* menu = cMenu::getInstance()) {
        menu->showTransparently();
        menu->enable();
    }
}

} // namespace

cMenu::cMenu(cView* _parent) : cBack(_parent)
{
    GUARD_BEGIN
    m_continue = new cMenuButton(this);
    m_awards = new cMenuButton(this);
    m_options = new cMenuButton(this);
    m_mainMenu = new cMenuButton(this);
    m_help = new cMenuButton(this);
    loadViewFile(this, "UI/Menu.xml");
    m_continue->setOnClick(&cMenu::onContinue);
    m_awards->setOnClick(&cMenu::onAwards);
    m_options->setOnClick(&cMenu::onOptions);
    m_mainMenu->setOnClick(&cMenu::onMainMenu);
    m_help->setOnClick(&cMenu::onHelp);
    GUARD_END("cMenu::cMenu(cView* _parent)")
}

cMenu::~cMenu()
{
    unbindKeys();
}

void cMenu::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "ContinueButton", m_continue);
    loadChildPart(_xml_doc, "AwardsButton", m_awards);
    loadChildPart(_xml_doc, "OptionsButton", m_options);
    loadChildPart(_xml_doc, "MainMenuButton", m_mainMenu);
    loadChildPart(_xml_doc, "HelpButton", m_help);
    GUARD_END("void cMenu::loadXML(iXML* xml_doc)")
}

void cMenu::enabled()
{
    GUARD_BEGIN
    cBack::enabled();
    bindKeys();
    GUARD_END("void cMenu::enabled()")
}

void cMenu::disabled()
{
    GUARD_BEGIN
    cBack::disabled();
    unbindKeys();
    GUARD_END("void cMenu::disabled()")
}

// The notifications may repeat: the keys are bound once.
void cMenu::bindKeys()
{
    cInput* input = cInput::getInstance();
    if (m_keysBound || !input)
        return;
    input->bind(KEY_ESCAPE, &cMenu::onContinue, this);
    input->bind(KEY_RETURN, &cMenu::onContinue, this);
    m_keysBound = true;
}

void cMenu::unbindKeys()
{
    cInput* input = cInput::getInstance();
    if (!m_keysBound || !input)
        return;
    input->unbind(KEY_ESCAPE, &cMenu::onContinue, this);
    input->unbind(KEY_RETURN, &cMenu::onContinue, this);
    m_keysBound = false;
}

void cMenu::onContinue(cView* /*_view*/)
{
    GUARD_BEGIN
    cMenu* menu = getInstance();
    // Keys reach the menu only while it is enabled; a click on a faded-out button cannot.
    if (!menu || !(menu->isVisible() && menu->isEnabled() && menu->isChainEnabled()))
        return;
    if (cGame* game = cGame::getInstance()) {
        game->enable();
        game->absoluteEnable();
    }
    menu->hideTransparently();
    GUARD_END("void cMenu::onContinue(cView* _view)")
}

void cMenu::onAwards(cView* /*_view*/)
{
    GUARD_BEGIN
    cMenu* menu = getInstance();
    if (!menu || cAwards::getInstance())
        return;
    menu->hideTransparently();
    if (cGame* game = cGame::getInstance())
        game->hideTransparently();
    cAwards* awards = new cAwards(nullptr);
    awards->setLeaveCallback(&cMenu::onAwardsLeft);
    awards->hide();
    awards->showTransparently();
    GUARD_END("void cMenu::onAwards(cView* _view)")
}

void cMenu::onAwardsLeft()
{
    GUARD_BEGIN
    fadeInMenu();
    if (cGame* game = cGame::getInstance())
        game->showTransparently();
    GUARD_END("void cMenu::onAwardsLeft()")
}

void cMenu::onOptions(cView* /*_view*/)
{
    GUARD_BEGIN
    cMenu* menu = getInstance();
    if (!menu)
        return;
    // One options screen serves the main menu and every game.
    cOptions* options = cOptions::getInstance();
    if (!options) {
        options = new cOptions();
        options->hide();
    }
    menu->hideTransparently();
    options->setReturnView(menu);
    options->showTransparently();
    options->enable();
    GUARD_END("void cMenu::onOptions(cView* _view)")
}

void cMenu::onHelp(cView* /*_view*/)
{
    GUARD_BEGIN
    cMenu* menu = getInstance();
    cHelpView* help = cHelpView::getInstance();
    if (!menu || !help)
        return;
    menu->hideTransparently();
    help->showTransparently();
    help->enable();
    GUARD_END("void cMenu::onHelp(cView* _view)")
}

void cMenu::onMainMenu(cView* /*_view*/)
{
    GUARD_BEGIN
    cMenu* menu = getInstance();
    if (!menu)
        return;
    menu->disable();
    menu->hide();
    auto* question = new cYesNo(nullptr);
    question->setYesHandler(&cMenu::onMainMenuYes);
    question->setNoHandler(&cMenu::onMainMenuNo);
    question->getText()->setText(u"Действительно хотите\n выйти?", true);
    question->show();
    question->enable();
    GUARD_END("void cMenu::onMainMenu(cView* _view)")
}

void cMenu::onMainMenuYes(cView* _dialog)
{
    GUARD_BEGIN
    discard(_dialog, "cMenu::onMainMenuYes");
    if (cGame* game = cGame::getInstance()) {
        game->hide();
        // The game writes the player's level state as it goes.
        discard(game, "cMenu::onMainMenuYes");
    }
    cLogLoad::start(MENU_LOG, &cPreload::openMainMenu, MENU_LOG_PER_FRAME, true);
    GUARD_END("void cMenu::onMainMenuYes(cView* _dialog)")
}

void cMenu::onMainMenuNo(cView* _dialog)
{
    GUARD_BEGIN
    discard(_dialog, "cMenu::onMainMenuNo");
    fadeInMenu();
    GUARD_END("void cMenu::onMainMenuNo(cView* _dialog)")
}
