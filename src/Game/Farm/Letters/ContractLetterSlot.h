#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/controls/State.h"
#include "Ui/buttons/Tips.h"

#include <memory>

class cProgressFloat;
class iResource;
struct sContractEvent;

// One of the three places of the farm's post box where a contract offer waits as a letter.
// A new letter flies in from AppearPosition, disabled until it lands; a bar shows the time it
// has left, its picture blinks in the last FlashTimeRemaind seconds, and when the time is up it
// vanishes with a puff and the offer is lost. Its clock stands while a tutorial tip is on
// screen and while its own offer is open. A click opens the offer. The letter keeps its event,
// state and time left in "letter", "letState" and "letTime" of its place, so it outlives the
// game.
class cContractLetterSlot : public cTips<cAnimButton> {
public:
    enum eLetterState : Int { UNREAD = 0, READ = 1, EMPTY = 2 };
    static constexpr UInt SLOT_COUNT = 3;

    // Reads "UI/gameUI/Farm/ContractLetterSlot.xml"; the slot starts empty.
    cContractLetterSlot(cView* _parent, UInt _index);
    ~cContractLetterSlot() override;

    // The tooltip button's keys, the children "FloatProgress" and "Pic", "FlashTimeRemaind",
    // "FlashPeriod", "AppearPosition", "MoveSpeed", the looks "ReadState" and "UnreadState",
    // and the sounds "NearPuffSound" and "PuffSound".
    void loadXML(iXML* _xml_doc) override;
    // A new letter (_restore false) takes _state and flies in; a restored one takes its state
    // and time left from the game variables and stands at its place at once.
    void setup(sContractEvent* _event, UInt _state, Bool _restore);
    // Puts back the letter the place's variables name, found in the time-line as the same
    // contract (cSavedContract); a letter that cannot come back empties the place and the
    // player is told. True when a letter came back.
    Bool restore();
    void absoluteProcess() override;
    // Marks the letter read and opens its offer.
    void clicked() override;

    // The farm says where on the post box this place lies, from the farm's content.
    void setPlace(const Vector2& _place) { m_place = _place; }
    // The farm empties the place; nothing of the letter is left.
    void setEmpty();

    UInt getIndex() const { return m_index; }
    Int getLetterState() const { return m_state; }
    sContractEvent* getEvent() const { return m_event; }
    Float getTotalTime() const { return m_totalTime; }
    Float getRemainingTime() const { return m_remaining; }
    Float getDistance() const { return m_distance; }
    Bool isFlashing() const { return m_flashing; }
    Bool isOfferOpen() const;
    const Vector2& getPlace() const { return m_place; }
    const Vector2& getAppearPosition() const { return m_appearPosition; }
    Float getFlashTimeRemaind() const { return m_flashTimeRemaind; }
    Float getFlashPeriod() const { return m_flashPeriod; }
    cAnimButton* getPic() const { return m_pic; }
    cProgressFloat* getFloatProgress() const { return m_progress; }

private:
    struct sReleaseSound {
        void operator()(iResource* _sound) const;
    };
    using tSound = std::unique_ptr<iResource, sReleaseSound>;

    // The letter's clock stands while a tutorial tip is on screen and while its offer is open.
    Float frameTime() const;
    void fly(Float _dt);
    void wait(Float _dt);
    void blink(Float _dt);
    void timeOut();
    void showProgress();
    void setLook(Int _state);
    // The farm's content moves when the farm slides; places are kept against it.
    static Vector2 farmOrigin();
    static void playSound(iResource* _sound);

    UInt m_index;
    Int m_state = EMPTY;
    sContractEvent* m_event = nullptr;
    Float m_totalTime = 0;
    Float m_remaining = 0;
    Bool m_flashing = false;
    Float m_flashTimer = 0;
    Float m_distance = 0;
    Vector2 m_appearPosition{0, 0};
    Vector2 m_place{0, 0};
    Float m_moveSpeed = 400.0f;
    Float m_flashTimeRemaind = 10.0f;
    Float m_flashPeriod = 0.3f;
    cState m_readState;
    cState m_unreadState;
    tSound m_nearPuffSound;
    tSound m_puffSound;
    // Set by a click; the offer screen showing since then is this letter's.
    Bool m_offerAsked = false;
    // Children of the slot.
    cProgressFloat* m_progress;
    cAnimButton* m_pic;
};
