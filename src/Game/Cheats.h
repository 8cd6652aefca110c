#pragma once
#include "engine/Singleton.h"
#include "engine/Types.h"

class cView;
class iResource;

// Listens to every typed character for the whole run and recognises a few typed words: five
// that change the running game (money, upgrades, seeds, goods, all of these) and twenty-one
// award codes that make the award manager present one award not won yet. Only the last 20
// characters are kept; a word counts whatever the case of its letters, and a recognised word
// empties the buffer, so one keystroke completes at most one word.
//
// Effect words need a game and award codes its award manager: at the menus both are typed to
// nobody. Characters that go into a text box (a profile's name) are the player's text, not
// words for us: they are not read, and they break a word being typed.
class cCheats : public cSingleton<cCheats> {
public:
    static constexpr UInt BUFFER_LENGTH = 20;

    // Binds the character handler; needs the input.
    cCheats();
    ~cCheats() override;

    // The character handler; the context is unused, the one listener is the instance.
    static void onCheat(char16_t _c, cView* _context);

    const WString& getBuffer() const { return m_buffer; }

private:
    void type(char16_t _c);
    // The first effect word the buffer ends with runs; true when one did.
    Bool runEffectWord();
    Bool runAwardCode();
    Bool endsWith(const char16_t* _word) const;
    void beep();
    static Bool isTypingIntoTextBox();

    WString m_buffer;
    // Loaded at the first beep, kept until the listener goes.
    iResource* m_beep = nullptr;
};
