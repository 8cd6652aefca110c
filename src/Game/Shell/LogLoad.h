#pragma once
#include "Ui/screens/Back.h"

class cProgressFloat;
class iXML;

// What runs when a loading screen is done: it builds the screen that comes next.
using fContinue = void (*)();

// The screen of every large switch (logos to menu, menu to game, game back to menu). It
// changes the music at once, then warms the resource cache from a resource log a batch of
// entries per frame while its bar fills, and at the end runs the continuation and goes.
// Nobody holds on to it: it ends its own life.
class cLogLoad : public cBack {
public:
    // Switches the music (the menu's or the game's), then: without a log at _path the
    // continuation runs at once and no screen is left; otherwise the screen starts loading.
    // Returns the screen, or null when the continuation already ran.
    static cLogLoad* start(const String& _path, fContinue _continue, UInt _perFrame, Bool _menuMusic);
    // At the end of the program, while the sound manager still exists: the music stops and
    // the bar's maximum, kept from the first screen of the run, is forgotten.
    static void endRun();

    ~cLogLoad() override;

    // The screen's switches and backdrop, then "Progress", and the "Sound" of
    // "MainMenuMusic" and "GameMusic".
    void loadXML(iXML* _xml_doc) override;
    // One batch of the log; the bar shows what was loaded before it.
    void process() override;

    cProgressFloat* getProgress() const { return m_progress; }
    UInt getIndex() const { return m_index; }
    UInt getCount() const { return m_count; }

private:
    cLogLoad(const String& _path, fContinue _continue, UInt _perFrame, Bool _menuMusic);
    void switchMusic(Bool _menuMusic);

    String m_path;
    iXML* m_log = nullptr;
    fContinue m_continue;
    UInt m_index = 0;
    UInt m_count = 0;
    UInt m_perFrame;
    String m_menuMusic;
    String m_gameMusic;
    // A child: deleted with the screen.
    cProgressFloat* m_progress = nullptr;
    Bool m_firstFrame = true;
};
