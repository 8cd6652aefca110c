#pragma once
#include "Game/Contracts/ContractClock.h"
#include "Game/Timeline/GameEvent.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/Tips.h"
#include "Ui/views/View.h"

#include <memory>

class cCheckButton;
class cPicture;
class cProgressFloat;
class cText;
class iResource;

// One of the game menu bar's three places for a running contract: what is still missing, the
// time left, and a goal button. It counts the contract's time down in game seconds, offers the
// hand-over as soon as the warehouse holds everything, and at the deadline passes or fails it.
// The terms are the panel's own from the moment of acceptance (the time-line's random factors
// keep moving the event's), saved with the panel so a continued game runs on the same terms.
class cContractStatus : public cView {
public:
    // The round goal button answers for the whole card it stands on: a player who clicks the
    // card means its goal, and the button lights up wherever the card is pointed at.
    class cGoalButton : public cTips<cAnimButton> {
    public:
        explicit cGoalButton(cControl* _card) : cTips<cAnimButton>(_card), m_card(_card) {}
        Bool pointInRect(const Vector2& _point) override;

    private:
        cControl* m_card;
    };

    // Built from "ui/gameui/ContractStatus.xml", free.
    cContractStatus(cView* _parent, UInt _place);
    cContractStatus(const cContractStatus&) = delete;
    ~cContractStatus() override;

    void loadXML(iXML* _xml_doc) override;
    void process() override;
    // The contract clock.
    void absoluteProcess() override;

    // Starts the contract _event in this place: new (its terms taken now and saved) or, with
    // _restore, continued from the saved seconds and terms.
    void setup(sContractEvent* _event, Bool _restore);
    void drawRequirements();
    // The warehouse stock changed: the rows follow, and a contract just made complete offers
    // its hand-over (never on the _first refresh).
    void updateRequirementProgress(Bool _first);
    void updateProgress(Bool _first) { updateRequirementProgress(_first); }
    // The contract succeeds: the bonus is paid and the goods taken. Nothing on a free panel, or
    // while the warehouse lacks the goods (an offer that waited while another contract took
    // them): false then.
    Bool pass();
    Bool getPassCancel() const;
    void setPassCancel(Bool _cancel);
    void addPosition(const Vector2& _pos);
    // The board's centre; everything on the card moves with it.
    void setPosition(const Vector2& _pos);

    Bool isActive() const { return m_active; }
    Bool allRequirementsMet() const;
    UInt getPlace() const { return m_place; }
    sContractEvent* getEvent() const { return m_event; }
    const sContractEvent& getTerms() const { return m_terms; }
    const cContractClock& getClock() const { return m_clock; }
    Bool isExpired() const { return m_expired; }
    Bool needsRecheck() const { return m_recheck; }
    const Vector2& getPosition() const;
    cGoalButton* getGoalButton() const { return m_goalButton; }
    cText* getTimeText() const { return m_timeText; }
    cProgressFloat* getProgress() const { return m_progress; }
    cText* getRowNumber(UInt _row) const { return m_numbers[_row]; }
    cCheckButton* getRowTick(UInt _row) const { return m_ticks[_row]; }

    static void onGoal(cView* _view);

private:
    struct sReleaseSound {
        void operator()(iResource* _sound) const;
    };
    using tSound = std::unique_ptr<iResource, sReleaseSound>;

    void fail();
    // Frees the place and clears its saved contract.
    void finish();
    void showTime();
    Bool clockStands() const;
    static UInt warehouseCount(UInt _type);
    static void playSound(iResource* _sound);

    UInt m_place;
    sContractEvent* m_event = nullptr;
    sContractEvent m_terms;
    Bool m_active = false;
    Bool m_recheck = false;
    Bool m_expired = false;
    cContractClock m_clock;
    UInt m_lastCount[sContractEvent::REQ_COUNT] = {};

    // Children: the substrate, and the controls on it.
    cPicture* m_substrate = nullptr;
    cGoalButton* m_goalButton = nullptr;
    cPicture* m_icons[2] = {};
    cText* m_numbers[2] = {};
    cText* m_timeText = nullptr;
    cProgressFloat* m_progress = nullptr;
    cCheckButton* m_ticks[2] = {};
    tSound m_losSound;
    tSound m_winSound;
};
