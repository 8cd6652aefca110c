#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

// The pause menu over a running game, opened from the game menu bar: it continues the game,
// opens the awards, options and help, and leaves the game for the main menu after a question.
class cMenu : public cViewSingleton<cMenu>, public cBack {
public:
    using cMenuButton = cTextButtonT<cAnimButton>;

    // Built from "UI/Menu.xml"; the game menu bar shows it.
    explicit cMenu(cView* _parent);
    ~cMenu() override;

    // The screen's keys, then each button's.
    void loadXML(iXML* _xml_doc) override;
    // Escape and Enter continue while the menu is the enabled screen.
    void enabled() override;
    void disabled() override;

    static void onContinue(cView* _view);
    static void onAwards(cView* _view);
    // The awards screen's leaving: the menu and the game behind it come back.
    static void onAwardsLeft();
    static void onOptions(cView* _view);
    static void onHelp(cView* _view);
    static void onMainMenu(cView* _view);
    // The answers of the question: _dialog is the question.
    static void onMainMenuYes(cView* _dialog);
    static void onMainMenuNo(cView* _dialog);

    cMenuButton* getContinueButton() const { return m_continue; }
    cMenuButton* getAwardsButton() const { return m_awards; }
    cMenuButton* getOptionsButton() const { return m_options; }
    cMenuButton* getMainMenuButton() const { return m_mainMenu; }
    cMenuButton* getHelpButton() const { return m_help; }

private:
    void bindKeys();
    void unbindKeys();

    // Children of the menu.
    cMenuButton* m_continue = nullptr;
    cMenuButton* m_awards = nullptr;
    cMenuButton* m_options = nullptr;
    cMenuButton* m_mainMenu = nullptr;
    cMenuButton* m_help = nullptr;
    Bool m_keysBound = false;
};
