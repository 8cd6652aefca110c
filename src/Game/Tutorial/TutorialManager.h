#pragma once
#include "Game/Tutorial/TipNumber.h"
#include "Game/Tutorial/TipQuery.h"
#include "Ui/buttons/TutorialTips.h"
#include "Ui/views/View.h"
#include "engine/Singleton.h"

class cActionTips;
class cActionTips2;
class cArrowHelpTips;
class cArrowHelpTips2;
class cCommonHelpTips;
class cControl;

// Guides a first game with up to 50 numbered tips from "Tutorial/Tutorial.xml", each shown
// once per profile by one of five tip views, and is the gate the rest of the game asks while a
// tip is on screen. A starter asks canRunTip first, then runs the tip; the view reports back
// through onHideTip, which records the tip as passed.
//
// Common and arrow tips stop the game: they hold the game menu bar off (and a common tip the
// seed and build panels too) through the views' holds, never by switching them directly, so
// a dialog that holds the bar meanwhile and lets go in any order leaves it as it was.
class cTutorialManager : public cView, public cViewSingleton<cTutorialManager> {
public:
    struct sTip {
        // -1 while the file gave the record nothing.
        Int id = -1;
        WString Text;
        Vector2 Offset;
        Vector2 ArrowOffset;
        fTipsFunc condition = nullptr;
    };

    enum eTipView : UInt { COMMON_TIP, ARROW_TIP, ARROW_TIP2, ACTION_TIP, ACTION_TIP2 };

    // A top-level view; makes the five tip views and reads the tips.
    cTutorialManager();
    // The tip views go after the frame; the holds of a tip still shown go with the views
    // they hold, which the game takes down.
    ~cTutorialManager() override;

    // The manager's own tips start here: the water source's and the first field's once the
    // farm is quiet a few seconds into the game, the warehouse's right after the harvest, and
    // the note on the first finished product when nothing else holds the game.
    void process() override;
    // The view's switches; the root's "TutorialEnable"; "Tips", whose i-th child is tip i:
    // its "Text" child, its "Offset" and "ArrowOffset" attributes. Children past 50 are
    // ignored.
    void loadXML(iXML* _xml_doc) override;

    Bool isTipRunning() const { return m_currentTip != -1; }
    Bool isCurrentTip(eTips _n) const { return m_currentTip == Int(_n); }
    // False also for a common or arrow tip while the game is paused: the tip would hold the
    // game while nobody can close it.
    Bool canRunTip(eTips _n) const;
    Bool isTipPassed(eTips _n) const;
    void setTipPassed(eTips _n);
    // The running action tip closes on its next frame.
    void setActionDone() { m_actionDone = true; }
    // Reads and clears the action-done flag: the running action tip's step.
    Bool takeActionDone();

    // Whether the action a tip asks for can be done: now, only later (nothing to bring yet, say),
    // or never again (a building past the level the tip asks for).
    enum eTipChance { TIP_NOW, TIP_LATER, TIP_NEVER };
    eTipChance getTipChance(eTips _n) const;
    Bool isTipPossible(eTips _n) const { return getTipChance(_n) == TIP_NOW; }
    // What the running tip's view does while its action is not done: wait on (TIP_NOW), close
    // and be passed (TIP_NEVER), or step back to come again later (TIP_LATER); the last two
    // are noted in the log.
    eTipChance getCurrentTipChance();

    // Runs _n in the view its table gives it. An action tip whose action the game's state rules
    // out is not shown: it would hold the game clock. Ruled out for good, it is passed over,
    // noted in the log; ruled out for now, it is left for a later call.
    void runTip(eTips _n, cControl* _pointed);
    void runCommonHelpTip(eTips _n, cControl* _pointed);
    void runArrowHelpTip(eTips _n, cControl* _pointed);
    void runArrowHelpTip2(eTips _n, cControl* _pointed);
    void runActionTip(eTips _n, cControl* _pointed);
    void runActionTip2(eTips _n, cControl* _pointed);
    // A tip view closed: _tips must be one of the five ("cTutorialManager::hideTips").
    void onHideTip(cView* _tips);
    // A tip view stepped back without its tip done: the tip is not passed and may run again.
    void onWithdrawTip(cView* _tips);
    // Called once the game is built: a step that opened a screen or a panel whose lesson was
    // not given before the game was left comes again, so the tutorial goes on from the first
    // lesson it has not finished.
    void reopenUnfinishedLessons();

    // The completion test of an action tip.
    void setCondition(eTips _n, fTipsFunc _condition);
    // What the manager's steps and the tips' tests ask; null gives the game's own answers back.
    void setQuery(const iTipQuery* _query) { m_query = _query ? _query : &m_gameQuery; }
    const iTipQuery& getQuery() const { return *m_query; }
    // The view each tip is shown in.
    static eTipView getTipView(eTips _n);

    // Raises "bad tip" past the last tip.
    const sTip& getTip(eTips _n) const;
    Int getCurrentTip() const { return m_currentTip; }
    Bool isTipHiddenByPause() const { return m_hiddenByPause; }
    Int getLastPassedTip() const { return m_lastPassedTip; }
    Bool isTutorialEnabled() const { return m_tutorialEnabled; }
    Bool isActionDone() const { return m_actionDone; }
    cCommonHelpTips* getCommonTips() const { return m_commonTips; }
    cArrowHelpTips* getArrowTips() const { return m_arrowTips; }
    cArrowHelpTips2* getArrowTips2() const { return m_arrowTips2; }
    cActionTips* getActionTips() const { return m_actionTips; }
    cActionTips2* getActionTips2() const { return m_actionTips2; }

private:
    // Tells the tooltip buttons of the framework whether a tip is on screen.
    class cTooltipHook : public iTutorialTips {
    public:
        explicit cTooltipHook(const cTutorialManager& _manager) : m_manager(_manager) {}
        Bool isTipRunning() override { return m_manager.isTipRunning(); }

    private:
        const cTutorialManager& m_manager;
    };

    sTip& tip(eTips _n);
    void makeViews();
    // Recorded as passed without being shown; _why goes to the log.
    void passOver(eTips _n, const char* _why);
    // The tip's view is on screen: the log says which tips a game showed.
    void shown(eTips _n, cView* _view);
    // The bookkeeping of a view gone: no tip on screen, the game let go.
    void forgetShownTip(cView* _tips);
    // The steps of process, in order; a tip one of them starts holds the later ones back.
    Bool isFarmQuiet() const;
    void startWelcomeTip();
    void startWaterTip();
    void startFieldTip();
    void startWarehouseTip();
    void startProductionTip();
    // A tip shown when the game was left comes again where the game comes back; one of a lesson
    // on another screen than the farm brings back the tips that lead there.
    void goOnFromKeptTip();
    // A letter the tutorial waits on, opened and left unanswered, is pointed at again; before
    // the letters are set up from the variables, which it reads as unopened again.
    void pointAtWaitingLetter();
    // The note shown stays out of sight while the pause menu or an award holds the game: it
    // would stand over them.
    void followPause();
    // The game's own switches say paused: the pause menu and an award take the game away.
    static Bool isGamePaused();
    // A common tip holds the panels too; an arrow tip only the bar.
    void holdGame(Bool _panels);
    void releaseGame();

    sTip m_tips[TIPS_COUNT];
    // Views without a parent, discarded with the manager.
    cCommonHelpTips* m_commonTips = nullptr;
    cArrowHelpTips* m_arrowTips = nullptr;
    cArrowHelpTips2* m_arrowTips2 = nullptr;
    cActionTips* m_actionTips = nullptr;
    cActionTips2* m_actionTips2 = nullptr;
    // The view of the tip on screen, and whether the pause has put it out of sight.
    cView* m_shownView = nullptr;
    Bool m_hiddenByPause = false;
    Int m_currentTip = -1;
    Int m_lastPassedTip = -1;
    Bool m_actionDone = false;
    Bool m_tutorialEnabled = true;
    cTooltipHook m_tooltipHook{*this};
    cGameTipQuery m_gameQuery;
    const iTipQuery* m_query = &m_gameQuery;
};
