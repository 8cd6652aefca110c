#pragma once
#include "Game/SwitchHold.h"
#include "Ui/screens/Back.h"
#include "Ui/controls/State.h"

class cMultilineText;
class cPicture;
class cText;
class cTextMoney;
struct sContractEvent;
struct sContractReq;

// What every contract dialog shows: the contract's note, its two requirement lines, and the
// bonus and the penalty with their captions. While open, a dialog holds the game menu bar off,
// which stands the game clock, the time-line and the contract clocks.
class cContractAimBase : public cBack {
public:
    // One requirement: the product's icon, its caption and a number.
    struct sLine {
        cPicture* icon = nullptr;
        cText* caption = nullptr;
        cText* number = nullptr;
        Vector2 place{0, 0};

        void make(cView* _owner);
        // From the prototype element; its controls are then put at the place.
        void load(iXML* _prototype, const Vector2& _place);
        // A line of ReqType 1 is hidden. Otherwise the number is the count required, or, with
        // _showHave, what the warehouse has of it (_count), at most the count required.
        void setup(const sContractReq& _req, const cState& _toMarket, const cState& _toWare, UInt _count, Bool _showHave);
        void setVisible(Bool _visible);
    };

    explicit cContractAimBase(cView* _parent);
    cContractAimBase(const cContractAimBase&) = delete;
    ~cContractAimBase() override;

    void loadXML(iXML* _xml_doc) override;

    // Open from startShow until a closing button was pressed, fade-out included.
    Bool isOpen() const { return m_open; }

    sLine& getLine(UInt _i) { return m_lines[_i]; }
    cMultilineText* getNote() const { return m_note; }
    cText* getBonusText() const { return m_bonusText; }
    cText* getPenaltyText() const { return m_penaltyText; }
    cTextMoney* getBonusMoney() const { return m_bonusMoney; }
    cTextMoney* getPenaltyMoney() const { return m_penaltyMoney; }

protected:
    // Loads the places under "AimPlaces" into _lines from the element _prototype of _xml_doc.
    static void loadLines(iXML* _xml_doc, const char* _prototype, sLine (&_lines)[2]);
    // The requirement lines of _terms, showing what the warehouse has (_showHave) or not.
    void setupLines(const sContractEvent& _terms, Bool _showHave);
    void setMoney(const sContractEvent& _terms, Bool _bonus, Bool _penalty);
    // Takes the menu bar's holds and fades in.
    void open();
    // Fades out, gives the holds back and lets the next waiting dialog open.
    void close();
    static UInt warehouseCount(const sContractReq& _req);

    sLine m_lines[2];

private:
    cMultilineText* m_note = nullptr;
    cText* m_bonusText = nullptr;
    cText* m_penaltyText = nullptr;
    cTextMoney* m_bonusMoney = nullptr;
    cTextMoney* m_penaltyMoney = nullptr;
    cState m_toMarket;
    cState m_toWare;
    Bool m_open = false;
};
