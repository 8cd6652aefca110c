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

    cMultilineText* m_text = nullptr;
    Float m_left = 0;
};
