#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

#include <list>

class cText;

// Who made the game: lines of text and a button back to the main menu.
class cCredits : public cViewSingleton<cCredits>, public cBack {
public:
    // Built from "UI/Credits.xml"; its creator fades it in.
    cCredits();
    ~cCredits() override;

    // The screen's keys, "ReturnButton", and one line per child of "Texts".
    void loadXML(iXML* _xml_doc) override;

    // Fades out into deletion and brings the main menu back.
    static void onOk(cView* _self);

    cTextButtonT<cAnimButton>* getReturnButton() const { return m_return; }
    const std::list<cText*>& getLines() const { return m_lines; }

private:
    // Children of the screen.
    cTextButtonT<cAnimButton>* m_return = nullptr;
    std::list<cText*> m_lines;
};
