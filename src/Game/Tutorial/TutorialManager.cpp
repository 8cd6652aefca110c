#include "Game/Tutorial/TutorialManager.h"

#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Tutorial/ActionTips2.h"
#include "Game/Tutorial/ArrowHelpTips2.h"
#include "Game/Tutorial/TipConditions.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

namespace {

const char* const TUTORIAL_XML = "Tutorial/Tutorial.xml";
const char* const COMMON_TIP_XML = "Tutorial/CommonHelpTip.xml";
const char* const ARROW_TIP_XML = "Tutorial/ArrowHelpTip.xml";
const char* const ACTION_TIP_XML = "Tutorial/ActionTip.xml";

// Closing these tips switches the fast growth of the first crop on and off again.
constexpr eTips FAST_SPEED_ON_TIP = 2;
constexpr eTips FAST_SPEED_OFF_TIP = 4;

using eTipView = cTutorialManager::eTipView;
constexpr eTipView C = cTutorialManager::COMMON_TIP;
constexpr eTipView R = cTutorialManager::ARROW_TIP;
constexpr eTipView R2 = cTutorialManager::ARROW_TIP2;
constexpr eTipView A = cTutorialManager::ACTION_TIP;
constexpr eTipView A2 = cTutorialManager::ACTION_TIP2;

// Tips 0 and 10 are never started; they count as stopping the game.
constexpr eTipView TIP_VIEWS[TIPS_COUNT] = {
    C, A, A, A, A, A, A, A, C, R,     // 0..9
    C, R, R, A, R2, A2, A, A, A, R,   // 10..19
    A, A, A, A, R, R, R, R, R, R,     // 20..29
    A, C, A, A, A, R2, A2, A, R, A,   // 30..39
    A, A, A, C, A, A, R, R, A, R,     // 40..49
};

} // namespace

cTutorialManager::cTutorialManager() : cView(nullptr)
{
    GUARD_BEGIN
    if (!cResourceManager::exists())
        throw "Resource manager not created.";
    makeViews();
    try {
        loadViewFile(this, TUTORIAL_XML);
    } catch (...) {
        for (cView* view : std::initializer_list<cView*>{m_commonTips, m_arrowTips, m_arrowTips2, m_actionTips,
                                                         m_actionTips2})
            delete view;
        throw;
    }
    for (eTips n = 0; n < TIPS_COUNT; ++n)
        m_tips[n].condition = getTipCondition(n);
    // A game left right after a tip goes on from that tip.
    m_lastPassedTip = key::tutJustProc();
    goOnFromKeptTip();
    pointAtWaitingLetter();
    GUARD_END("cTutorialManager::cTutorialManager()")
}

void cTutorialManager::makeViews()
{
    // Each view is owned here the moment it exists, so a failure deletes what was made.
    std::unique_ptr<cCommonHelpTips> common(new cCommonHelpTips());
    std::unique_ptr<cArrowHelpTips> arrow(new cArrowHelpTips());
    std::unique_ptr<cArrowHelpTips2> arrow2(new cArrowHelpTips2());
    std::unique_ptr<cActionTips> action(new cActionTips());
    std::unique_ptr<cActionTips2> action2(new cActionTips2());
    loadViewFile(common.get(), COMMON_TIP_XML);
    loadViewFile(arrow.get(), ARROW_TIP_XML);
    loadViewFile(arrow2.get(), ARROW_TIP_XML);
    loadViewFile(action.get(), ACTION_TIP_XML);
    loadViewFile(action2.get(), ACTION_TIP_XML);
    m_commonTips = common.release();
    m_arrowTips = arrow.release();
    m_arrowTips2 = arrow2.release();
    m_actionTips = action.release();
    m_actionTips2 = action2.release();
}

cTutorialManager::~cTutorialManager()
{
    for (cView* view :
         std::initializer_list<cView*>{m_commonTips, m_arrowTips, m_arrowTips2, m_actionTips, m_actionTips2}) {
        view->disable();
        discard(view, "cTutorialManager::~cTutorialManager()");
    }
}

void cTutorialManager::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cView::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"TutorialEnable", m_tutorialEnabled, toBool);
    iXML* tips = nullptr;
    if (!_xml_doc->get("Tips", tips))
        return;
    const UInt count = std::min(tips->getNodeCount(), TIPS_COUNT);
    for (UInt i = 0; i < count; ++i) {
        iXML* element = nullptr;
        if (!tips->get(i, element))
            continue;
        sTip& record = m_tips[i];
        record.id = Int(i);
        element->getNode("Text", record.Text);
        readXmlAttribute(element, u"Offset", record.Offset, toVector2);
        readXmlAttribute(element, u"ArrowOffset", record.ArrowOffset, toVector2);
    }
    GUARD_END("void cTutorialManager::loadXML(iXML* xml_doc)")
}

Bool cTutorialManager::canRunTip(eTips _n) const
{
    GUARD_BEGIN
    if (!m_tutorialEnabled || isTipRunning() || _n >= TIPS_COUNT || key::tip[_n])
        return false;
    const eTipView view = getTipView(_n);
    const Bool stopsGame = view == COMMON_TIP || view == ARROW_TIP || view == ARROW_TIP2;
    return !(stopsGame && isGamePaused());
    GUARD_END("Bool cTutorialManager::canRunTip(eTips n)")
}

Bool cTutorialManager::isTipPassed(eTips _n) const
{
    GUARD_BEGIN
    return m_tutorialEnabled && _n < TIPS_COUNT && key::tip[_n];
    GUARD_END("Bool cTutorialManager::isTipPassed(eTips n)")
}

void cTutorialManager::setTipPassed(eTips _n)
{
    GUARD_BEGIN
    key::tip[_n] = true;
    m_lastPassedTip = Int(_n);
    key::tutJustProc() = Int(_n);
    if (_n == FAST_SPEED_ON_TIP)
        key::TFastSpeed() = true;
    if (_n == FAST_SPEED_OFF_TIP)
        key::TFastSpeed() = false;
    GUARD_END("void cTutorialManager::setTipPassed(eTips n)")
}

Bool cTutorialManager::takeActionDone()
{
    const Bool done = m_actionDone;
    m_actionDone = false;
    return done;
}

void cTutorialManager::runCommonHelpTip(eTips _n, cControl* /*_pointed*/)
{
    GUARD_BEGIN
    const sTip& record = tip(_n);
    m_commonTips->startup(record.Offset, record.Text);
    holdGame(true);
    shown(_n, m_commonTips);
    GUARD_END("void cTutorialManager::runCommonHelpTip(eTips n, cControl* _pointed)")
}

void cTutorialManager::runArrowHelpTip(eTips _n, cControl* _pointed)
{
    GUARD_BEGIN
    const sTip& record = tip(_n);
    m_arrowTips->startup(record.Offset, record.ArrowOffset, record.Text, _pointed);
    holdGame(false);
    shown(_n, m_arrowTips);
    GUARD_END("void cTutorialManager::runArrowHelpTip(eTips n, cControl* _pointed)")
}

void cTutorialManager::runArrowHelpTip2(eTips _n, cControl* _pointed)
{
    GUARD_BEGIN
    const sTip& record = tip(_n);
    m_arrowTips2->startup(record.Offset, record.ArrowOffset, record.Text, _pointed);
    holdGame(false);
    shown(_n, m_arrowTips2);
    GUARD_END("void cTutorialManager::runArrowHelpTip2(eTips n, cControl* _pointed)")
}

void cTutorialManager::runTip(eTips _n, cControl* _pointed)
{
    GUARD_BEGIN
    switch (getTipView(_n)) {
    case COMMON_TIP: runCommonHelpTip(_n, _pointed); break;
    case ARROW_TIP: runArrowHelpTip(_n, _pointed); break;
    case ARROW_TIP2: runArrowHelpTip2(_n, _pointed); break;
    case ACTION_TIP: runActionTip(_n, _pointed); break;
    case ACTION_TIP2: runActionTip2(_n, _pointed); break;
    }
    GUARD_END("void cTutorialManager::runTip(eTips _n, cControl* _pointed)")
}

cTutorialManager::eTipChance cTutorialManager::getTipChance(eTips _n) const
{
    const fTipsFunc possible = getTipPossible(_n);
    if (!possible || possible(nullptr))
        return TIP_NOW;
    return isTipLostWhenRuledOut(_n) ? TIP_NEVER : TIP_LATER;
}

cTutorialManager::eTipChance cTutorialManager::getCurrentTipChance()
{
    if (m_currentTip == -1)
        return TIP_NOW;
    const eTipChance chance = getTipChance(eTips(m_currentTip));
    if (chance == TIP_NEVER)
        getLog("tutorial")->print("Tip " + std::to_string(m_currentTip) +
                                  " closes: the game no longer allows what it asks.");
    else if (chance == TIP_LATER)
        getLog("tutorial")->print("Tip " + std::to_string(m_currentTip) +
                                  " steps back: the game does not allow what it asks for now.");
    return chance;
}

void cTutorialManager::passOver(eTips _n, const char* _why)
{
    setTipPassed(_n);
    getLog("tutorial")->print("Tip " + std::to_string(_n) + " is passed over: " + _why);
}

void cTutorialManager::shown(eTips _n, cView* _view)
{
    m_shownView = _view;
    m_currentTip = Int(_n);
    key::tutShown() = Int(_n);
    getLog("tutorial")->print("Tip " + std::to_string(_n) + " is shown.");
}

void cTutorialManager::runActionTip(eTips _n, cControl* _pointed)
{
    GUARD_BEGIN
    const eTipChance chance = getTipChance(_n);
    if (chance == TIP_NEVER)
        passOver(_n, "the game does not allow what it asks.");
    if (chance != TIP_NOW)
        return;
    const sTip& record = tip(_n);
    m_actionTips->startup(record.Offset, record.ArrowOffset, record.Text, _pointed, record.condition);
    shown(_n, m_actionTips);
    GUARD_END("void cTutorialManager::runActionTip(eTips n, cControl* _pointed)")
}

void cTutorialManager::runActionTip2(eTips _n, cControl* _pointed)
{
    GUARD_BEGIN
    const eTipChance chance = getTipChance(_n);
    if (chance == TIP_NEVER)
        passOver(_n, "the game does not allow what it asks.");
    if (chance != TIP_NOW)
        return;
    const sTip& record = tip(_n);
    m_actionTips2->startup(record.Offset, record.ArrowOffset, record.Text, _pointed, record.condition);
    shown(_n, m_actionTips2);
    GUARD_END("void cTutorialManager::runActionTip2(eTips n, cControl* _pointed)")
}

void cTutorialManager::onHideTip(cView* _tips)
{
    GUARD_BEGIN
    const Int tip = m_currentTip;
    forgetShownTip(_tips);
    if (tip != -1)
        setTipPassed(eTips(tip));
    GUARD_END("void cTutorialManager::onHideTip(cView* _tips)")
}

void cTutorialManager::onWithdrawTip(cView* _tips)
{
    GUARD_BEGIN
    forgetShownTip(_tips);
    GUARD_END("void cTutorialManager::onWithdrawTip(cView* _tips)")
}

void cTutorialManager::forgetShownTip(cView* _tips)
{
    if (!_tips || (_tips != m_commonTips && _tips != m_arrowTips && _tips != m_arrowTips2 && _tips != m_actionTips &&
                   _tips != m_actionTips2))
        throw "cTutorialManager::hideTips";
    m_currentTip = -1;
    key::tutShown() = -1;
    m_shownView = nullptr;
    m_hiddenByPause = false;
    // A tip that closed by its own test leaves the flag raised for it: it must not close the next.
    m_actionDone = false;
    releaseGame();
}

void cTutorialManager::setCondition(eTips _n, fTipsFunc _condition)
{
    tip(_n).condition = _condition;
}

cTutorialManager::eTipView cTutorialManager::getTipView(eTips _n)
{
    return _n < TIPS_COUNT ? TIP_VIEWS[_n] : COMMON_TIP;
}

const cTutorialManager::sTip& cTutorialManager::getTip(eTips _n) const
{
    if (_n >= TIPS_COUNT)
        throw "bad tip";
    return m_tips[_n];
}

cTutorialManager::sTip& cTutorialManager::tip(eTips _n)
{
    if (_n >= TIPS_COUNT)
        throw "bad tip";
    return m_tips[_n];
}

Bool cTutorialManager::isGamePaused()
{
    const cGame* game = cGame::getInstance();
    return game && !(game->isEnabled() && game->isAbsoluteEnabled());
}

void cTutorialManager::holdGame(Bool _panels)
{
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getAbsoluteHold().take(this);
        menu->getEnableHold().take(this);
    }
    if (!_panels)
        return;
    if (cBuySeeds* seeds = cBuySeeds::getInstance())
        seeds->getEnableHold().take(this);
    if (cBuyBuilding* building = cBuyBuilding::getInstance())
        building->getEnableHold().take(this);
}

void cTutorialManager::releaseGame()
{
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getEnableHold().release(this);
        menu->getAbsoluteHold().release(this);
    }
    if (cBuySeeds* seeds = cBuySeeds::getInstance())
        seeds->getEnableHold().release(this);
    if (cBuyBuilding* building = cBuyBuilding::getInstance())
        building->getEnableHold().release(this);
}
