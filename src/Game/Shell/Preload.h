#pragma once
#include "Ui/views/View.h"

class cPicture;

// The first screen of the program: up to three logos, each fading in over two seconds and
// staying four, which a key or mouse button skips. After the last it hands over, through a
// loading screen, to the main menu, or to the new-profile screen when nobody plays yet.
class cPreload : public cView {
public:
    static constexpr Float LOGO_TIME = 4.0f;

    // Shown and enabled; the entry hides it and fades it in.
    cPreload();
    ~cPreload() override;

    void process() override;
    // Shows the next logo, from the start of its fade.
    void switchState();

    // Bound to every key and mouse-button event: a press skips the logo or, on the last,
    // leaves. Releases do nothing, so a release whose press went elsewhere (before the
    // focus came) changes nothing.
    static void onAnyKey(cView* _self);
    // The continuations of the loading screen: the menu, or the first profile before it.
    static void openMainMenu();
    static void openNewProfile();
    // After the first profile was made: the main menu with its name.
    static void onNewProfileCreate();

    Int getState() const { return m_state; }
    Float getTime() const { return m_time; }
    Bool hasLeft() const { return m_left; }
    cPicture* getLogo() const { return m_logo; }

private:
    void showLogo(const String& _path);
    // Hands over to the loading screen once and fades out.
    void leave();

    // A child: deleted with the screen.
    cPicture* m_logo = nullptr;
    Bool m_left = false;
    Float m_time = 0;
    // How many logos were shown so far.
    Int m_state = 0;
};
