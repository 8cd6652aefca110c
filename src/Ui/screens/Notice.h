#pragma once
#include "Ui/controls/Picture.h"
#include "engine/Singleton.h"

class cMultilineText;

// The board at the top of the screen that tells the player, in words, what happened to their
// progress (see tellPlayer). It never takes the input: the game goes on under it. Each text
// stays a while, then the next one waiting takes its place.
class cNotice : public cViewSingleton<cNotice>, public cPicture {
public:
    // Called once a frame, after the views have run: shows the next text when one is waiting
    // and the board is free, and takes the board away when its time is up.
    static void update(Float _seconds);

    // The board and its text from "UI/Notice.xml".
    void loadXML(iXML* _xml_doc) override;
    const WString& getShownText() const;

private:
    cNotice();
    // Puts _text on the board in lines that each fit it, grows the board down to hold them all
    // within the screen, and gives the board the time it takes to read them.
    void layOut(const WString& _text);

    cMultilineText* m_text = nullptr;
    Float m_left = 0;
    // The whole time the text on the board stands.
    Float m_seconds = 0;
    // The board and its text as their data lays them out, for the lines that fit the text there.
    Vector2 m_boardAt, m_boardSize, m_textSize;
};
