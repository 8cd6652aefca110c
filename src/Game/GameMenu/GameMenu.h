#pragma once
#include "engine/Singleton.h"
#include "Game/GameMenu/ContractPlaces.h"
#include "Game/SwitchHold.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/Tips.h"

#include <limits>
#include <list>
#include <memory>

class cContractStatus;
class cGoalSign;
class cMenu;
class cMovableBack;
class cPicture;
class cProgressFloat;
class cText;
class iResource;
struct sContractEvent;

// The bar that stays on screen during a game: the switches between the farm, market and
// production screens, the pause menu, the money, the journal, the warehouse gauge and the
// running contracts. Its absolute pass is the game clock: play time always runs, game time
// (which drives the time-line) stands while a screen slides, while a tutorial action tip
// waits and while a goal the time-line set is unmet.
class cGameMenu : public cBack, public cViewSingleton<cGameMenu> {
public:
    using cTipButton = cTips<cAnimButton>;
    static constexpr UInt PLACE_COUNT = 3;

    struct sNote {
        WString text;
        Bool read = false;
    };
    using NOTES = std::list<sNote>;
    // The journal keeps the newest notes, each text once: the time-line's loop brings the same
    // notes every ten minutes, and the list is saved whole.
    static constexpr size_t NOTE_LIMIT = 100;

    // Builds the controls, reads "UI/gameUI/GameMenu.xml" and makes the pause menu.
    explicit cGameMenu(cView* _parent);
    ~cGameMenu() override;

    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;
    // The game resumes: the worker's looping sounds go on where they stopped; Escape pauses.
    void absoluteEnabled() override;
    // The game pauses: the worker's looping sounds stop, remembered.
    void absoluteDisabled() override;

    void gotoFarm();
    void gotoMarket();
    void gotoManufacture();
    void showFarmFast();

    void updateMoneyText();
    void updateMarketButton();
    void updateManufactureButton();
    void updateContractStatuses(Bool _first);
    // A warehouse without room shows an empty gauge.
    void updateWarehouseInfo();
    void disableControls();
    void enableControls();

    // Puts the saved running contracts back in their places. The game calls it once the
    // warehouse and its goods are there: a card counts what is missing from them at once.
    void restoreContracts();
    // Nothing when all three places are busy.
    void acceptContract(sContractEvent* _event);
    void releaseContractStatus(cContractStatus* _panel);

    void addNote(const WString& _text, Bool _read);
    const NOTES& getNotes() const { return m_notes; }
    void setNotes(const NOTES& _notes);
    void setNotesRead(Bool _read);

    // The game clock stands while a tutorial action tip waits for the player.
    void setHold(Bool _hold) { m_hold = _hold; }
    Bool getHold() const { return m_hold; }
    // Whoever must stop the bar (a dialog, a tutorial tip, the build panel) holds it off here,
    // never by switching it directly.
    cSwitchHold& getEnableHold() { return m_enableHold; }
    cSwitchHold& getAbsoluteHold() { return m_absoluteHold; }

    static void onGotoMainMenu(cView* _view);
    static void onEsc(cView* _view);
    static void onGotoMarket(cView* _view);
    static void onGotoFarm(cView* _view);
    static void onGotoManufacture(cView* _view);
    static void onJournal(cView* _view);
    static void onWareHover(cView* _view);
    static void onWareUnhover(cView* _view);

    cTipButton* getMainMenuButton() const { return m_mainMenuButton; }
    cTipButton* getMarketButton() const { return m_marketButton; }
    cTipButton* getFarmButton() const { return m_farmButton; }
    cTipButton* getProducingButton() const { return m_producingButton; }
    cTipButton* getJournalButton() const { return m_journalButton; }
    cText* getMoneyText() const { return m_moneyText; }
    cAnimButton* getWareLoadingButton() const { return m_wareLoadingButton; }
    cProgressFloat* getWareLoading() const { return m_wareLoading; }
    cPicture* getWareLoadingLighter() const { return m_wareLoadingLighter; }
    cGoalSign* getGoalSign() const { return m_goalSign; }
    cContractStatus* getContractStatus(UInt _place) const { return m_contractStatus[_place]; }
    const cContractPlaces& getContractPlaces() const { return m_contractPlaces; }
    UInt getBusyStatusCount() const;
    cMenu* getPauseMenu() const { return m_pauseMenu; }
    Bool isJournalBlinking() const { return m_journalBlinking; }
    const DXColor& getJournalBlinkColor() const { return m_journalBlinkColor; }
    const DXColor& getJournalNormalColor() const { return m_journalNormalColor; }
    Float getJournalBlinkPeriod() const { return m_journalBlinkPeriod; }

    // Whether any of the three game screens is sliding now.
    static Bool isAnyScreenSliding();

private:
    struct sReleaseSound {
        void operator()(iResource* _sound) const;
    };
    using tSound = std::unique_ptr<iResource, sReleaseSound>;

    void makeControls();
    Bool runGameTime();
    void blinkJournal(Float _frameTime);
    void blinkWareLight(Float _frameTime);
    void startTips();
    void afterSwitch();
    // How far the screen the cards belong to stands from its place on view once it has slid
    // for _ahead more seconds.
    Vector2 cardsScreenOffset(Float _ahead) const;
    static void playSound(iResource* _sound);
    static void pause();

    // Children of the bar.
    cTipButton* m_mainMenuButton = nullptr;
    cTipButton* m_marketButton = nullptr;
    cTipButton* m_farmButton = nullptr;
    cTipButton* m_producingButton = nullptr;
    cContractStatus* m_contractStatus[PLACE_COUNT] = {};
    cContractPlaces m_contractPlaces{m_contractStatus};
    cText* m_moneyText = nullptr;
    cTipButton* m_journalButton = nullptr;
    Bool m_hiddenButtons[3] = {};
    cAnimButton* m_wareLoadingButton = nullptr;
    cProgressFloat* m_wareLoading = nullptr;
    cPicture* m_wareLoadingLighter = nullptr;
    cGoalSign* m_goalSign = nullptr;
    Float m_lighterCountdown = 0.5f;
    tSound m_changeSound;
    tSound m_newMessageSound;
    // A top-level view of its own, deleted with the bar.
    cMenu* m_pauseMenu = nullptr;
    Bool m_hold = false;
    // The play time as the clock counts it, and the variable's value as last written from it;
    // NaN at first, so the first frame takes the variable up.
    Double m_playTime = 0;
    Float m_playTimeWritten = std::numeric_limits<Float>::quiet_NaN();
    DXColor m_journalBlinkColor{1, 1, 1, 1};
    DXColor m_journalNormalColor{1, 1, 1, 1};
    Float m_journalBlinkPeriod = 0.5f;
    Float m_journalBlinkCountdown = 0;
    NOTES m_notes;
    Bool m_journalBlinking = false;
    // Shovel, tractor, can, scythe and hose, by sound type; which played when the game paused.
    Bool m_workerSoundFlags[5] = {};
    cSwitchHold m_enableHold{*this, cSwitchHold::ENABLE};
    cSwitchHold m_absoluteHold{*this, cSwitchHold::ABSOLUTE_ENABLE};
};
