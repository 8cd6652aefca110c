#pragma once
#include "Game/Shell/LogLoad.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "Ui/views/ViewWatch.h"
#include "engine/Singleton.h"

class cText;

// The hub outside a game: starts a game through the loading screen, changes the player,
// and opens the awards, options, credits, exit and high-score screens, each of which brings it back.
// It also owns the backdrop that stays behind every shell screen, the fixed back.
class cMainMenu : public cViewSingleton<cMainMenu>, public cBack {
public:
    using cMenuButton = cTextButtonT<cAnimButton>;

    // Built from "UI/MainMenu.xml"; its creator shows it.
    cMainMenu();
    // Takes the fixed back along.
    ~cMainMenu() override;

    // The screen's keys, the fixed back, then each control's key; the user name shows the
    // current profile's.
    void loadXML(iXML* _xml_doc) override;
    // Fills an empty user name once a profile exists.
    void process() override;
    // Escape asks whether to quit while the menu is the enabled screen.
    void enabled() override;
    void disabled() override;

    // The fixed back of "Ui/FixedBack.xml", made and shown once.
    static void loadFixedBack();
    static cBack* getFixedBack();
    // The menu, made when there is none, fades in and is enabled; with _showUser it shows
    // the current player's name.
    static cMainMenu* open(Bool _showUser);
    // The continuation that builds a game once the game's resources are loaded; until one
    // is given, Start does nothing.
    static void setGameStart(fContinue _start) { s_gameStart = _start; }

    static void onStart(cView* _self);
    static void onOptions(cView* _self);
    static void onAwards(cView* _self);
    // The awards screen's leaving: the menu comes back.
    static void onAwardsLeft();
    static void onCredits(cView* _self);
    static void onExit(cView* _self);
    static void onChangeUser(cView* _self);
    static void onHightScores(cView* _self);
    // The continuations of the profile selection: after a choice, and on leaving it.
    static void onProfileChosen();
    static void onProfileScreenExit();
    static void onExitYes(cView* _dialog);
    static void onExitNo(cView* _dialog);

    void updateUserName();

    cMenuButton* getStartButton() const { return m_start; }
    cMenuButton* getOptionsButton() const { return m_options; }
    cMenuButton* getExitButton() const { return m_exit; }
    cMenuButton* getChangeUserButton() const { return m_changeUser; }
    cMenuButton* getAwardsButton() const { return m_awards; }
    cMenuButton* getCreditsButton() const { return m_credits; }
    cMenuButton* getHightScoresButton() const { return m_hightScores; }
    cText* getUserName() const { return m_userName; }

private:
    // Children of the menu.
    cMenuButton* m_start = nullptr;
    cMenuButton* m_options = nullptr;
    cMenuButton* m_exit = nullptr;
    cMenuButton* m_changeUser = nullptr;
    cMenuButton* m_awards = nullptr;
    cMenuButton* m_credits = nullptr;
    // Wired, but no key of the menu's file places it: it has no look of its own.
    cMenuButton* m_hightScores = nullptr;
    cText* m_userName = nullptr;
    cText* m_userText = nullptr;

    static inline fContinue s_gameStart = nullptr;
};
