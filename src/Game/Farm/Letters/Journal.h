#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

#include <vector>

class cMultilineText;
class cPicture;

// The window of the game's notes, in the order they came, as word-wrapped blocks stacked in a
// fitting rectangle: unread notes in one colour, read ones in another. It opens on the newest
// notes and its arrows shift the page by one note; Ok marks every note read. The notes belong
// to the game menu bar, which saves them; the journal keeps only the page it shows. A bullet
// stands beside each note's first line, and notes written from the left start at the
// rectangle's left edge.
class cJournal : public cBack, public cViewSingleton<cJournal> {
public:
    using cOkButton = cTextButtonT<cAnimButton>;

    struct sBlock {
        cMultilineText* text;
        Float height;
    };
    struct sNote {
        WString text;
        Bool read;
    };

    // A top-level view; reads "UI/gameUI/Journal.xml".
    explicit cJournal(cView* _parent = nullptr);
    // A journal taken down while open lets the bar go.
    ~cJournal() override;

    // The screen's keys, the four children, "ReadColor", "UnreadColor", "FitRect" (left top
    // right bottom) and "MinDist"; "Bullet", the picture beside each note (its x is kept).
    void loadXML(iXML* _xml_doc) override;

    // Opens on the newest notes and holds the game menu bar off until Ok.
    void draw();
    // The page that starts at note _first / ends at note _last, as many notes as fit. The
    // first block of a page always stays, however tall.
    void layoutForward(Int _first);
    void layoutBackward(Int _last);

    static void onUp(cView* _view);
    static void onDown(cView* _view);
    static void onOk(cView* _view);

    const std::vector<sBlock>& getBlocks() const { return m_blocks; }
    const std::vector<sNote>& getNotes() const { return m_notes; }
    Int getFirst() const { return m_first; }
    Int getLast() const { return m_last; }
    cAnimButton* getUpButton() const { return m_upButton; }
    cAnimButton* getDownButton() const { return m_downButton; }
    cOkButton* getOkButton() const { return m_okButton; }
    cMultilineText* getPrototype() const { return m_proto; }
    // The bullet beside block _block of the page.
    cPicture* getBullet(size_t _block) const { return m_bullets.at(_block); }
    UInt getReadColor() const { return m_readColor; }
    UInt getUnreadColor() const { return m_unreadColor; }

private:
    // _step +1 fills the page downwards from _start, -1 upwards.
    void layout(Int _start, Int _step);
    void clearPage();
    cMultilineText* makeBlock(const sNote& _note);
    void placeBlocks();
    void updateArrows();
    void close();
    void releaseMenu();

    cAnimButton* m_upButton;
    cAnimButton* m_downButton;
    cOkButton* m_okButton;
    // Never shown: the blocks are copies of it.
    cMultilineText* m_proto;
    Vector4 m_fitRect{0, 0, 0, 0};
    Float m_minDist = 0;
    UInt m_readColor = 0xFF808080;
    UInt m_unreadColor = 0xFF000000;
    // The notes as they stood when the journal opened.
    std::vector<sNote> m_notes;
    // Children of the journal, in note order.
    std::vector<sBlock> m_blocks;
    // One for each block a page can hold: a note is at least a line high.
    std::vector<cPicture*> m_bullets;
    Int m_first = 0;
    Int m_last = -1;
    Bool m_open = false;
};
