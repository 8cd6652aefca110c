#pragma once
#include "Ui/controls/Picture.h"
#include "graphics/Graphics.h"
#include "input/Control.h"

#include <vector>

class iResource;

// The four looks of a button; a new button has none yet (BS_NONE), so its first state
// always shows a picture.
enum eButtonState : Int {
    BS_NONE = -1,
    BS_DISABLED = 0,
    BS_NORMAL = 1,
    BS_HOVERED = 2,
    BS_PRESSED = 3,
};

// What every button event (click, hover, unhover) calls: the button itself.
using fButtonEvent = void (*)(cView* _button);

// The base of every clickable control. While it is effectively enabled it hears the left
// button and mouse motion, tests the cursor against its rectangle and, optionally, a pixel
// mask, and turns them into states and events. A click is a release inside after a press
// inside; it plays the click sound and calls onClick after onHover.
//
// Buttons with deep processing settle overlaps: motion only makes the deepest one under the
// cursor the candidate, and the candidate carries out its hover or press in its own process,
// one step after the input. The look of each state is left to derived classes.
class cButtonPrototype : public cPicture {
public:
    using fButtonEvent = ::fButtonEvent;

    // Binds no input until it is enabled.
    explicit cButtonPrototype(cView* _parent);
    // Shares the sounds and copies state, handlers, mask and flags; the copy's sounds are on.
    cButtonPrototype(const cButtonPrototype& _source);
    // Unbinds and gives the sounds back; a derived look is no longer shown by then.
    ~cButtonPrototype() override;

    // Carries out the candidate's pending hover or press.
    void process() override;
    // The picture, then "IsDeepProcessing", "SoundOnUnclick", "texture_mask" and the
    // "Click" and "Hover" paths of a "Sounds" child.
    void loadXML(iXML* _xml_doc) override;
    // Binds the mouse and starts hovered or normal by the cursor, without events or sound.
    void enabled() override;
    // Unbinds the mouse and shows the disabled look.
    void disabled() override;

    // A state equal to the current one changes nothing.
    virtual void setState(eButtonState _state);
    // Shows the look of _state; the stored state is still the old one while it runs.
    virtual void setStatePicture(eButtonState _state) { (void)_state; }
    virtual const fButtonEvent& getOnClick() { return m_onClick; }
    virtual void setOnClick(const fButtonEvent& _handler) { m_onClick = _handler; }
    virtual const fButtonEvent& getOnHover() { return m_onHover; }
    virtual void setOnHover(const fButtonEvent& _handler) { m_onHover = _handler; }
    virtual const fButtonEvent& getOnUnhover() { return m_onUnhover; }
    virtual void setOnUnhover(const fButtonEvent& _handler) { m_onUnhover = _handler; }
    // The click sound plays on the release instead of the press.
    virtual const Bool& getSoundOnUnclick() { return m_soundOnUnclick; }
    virtual void setSoundOnUnclick(const Bool& _value) { m_soundOnUnclick = _value; }
    virtual const Bool& getSoundEnable() { return m_soundEnable; }
    virtual void setSoundEnable(const Bool& _value) { m_soundEnable = _value; }
    virtual const Bool& getDeepProcessing() { return m_deepProcessing; }
    virtual void setDeepProcessing(const Bool& _value) { m_deepProcessing = _value; }
    // The pixel mask for hit tests from the picture at _path; an empty path takes it away.
    // The path already set changes nothing.
    void setMaskTexture(const String& _path);
    // The rectangle, and inside it the mask bit under _point when the button has a mask.
    virtual Bool pointInRect(const Vector2& _point);
    // The press reaction: click sound, then pressed and onUnhover (disabled when the button
    // is not effectively enabled).
    virtual void clicked();
    // The release reaction: inside, hovered, onHover and onClick; outside, unhovered. A release
    // the player made outside the game (owed when the focus went) counts as outside.
    virtual void unclicked();
    // The cursor entered: hovered, onHover, hover sound.
    virtual void hovered();
    // The cursor left: normal and onUnhover.
    virtual void unhovered();

    eButtonState getState() const { return m_state; }
    // A mask is used only when it holds pixels: an empty one means none.
    Bool hasMask() const { return m_mask && !m_mask->empty() && !m_mask->front().empty(); }
    const VECTOR_VECTOR_BOOL& getMask() const;
    iResource* getClickSound() const { return m_clickSound; }
    iResource* getHoverSound() const { return m_hoverSound; }

    // The deep-processing button that owns the cursor, or null.
    static cButtonPrototype* getDeepCandidate() { return s_deepCandidate; }

    // Bound per button, with the button as the view: left press (0x208), left release
    // (0x200) and mouse motion.
    static void onLeftMouseDown(cView* _view);
    static void onLeftMouseUp(cView* _view);
    static void onMouseMove(eControl _axis, Long _delta, cView* _view);

protected:
    // The cursor on the logical screen, as the frame driver read it this frame.
    static const Vector2& getCursor();
    // Shows the current state's look again, for looks that arrive after the state was set.
    void refreshStatePicture();
    // The release being heard was made by the player in the game, not owed for a button held
    // when the focus went: only such a release acts.
    static Bool isPlayersRelease();

private:
    // What the candidate does at its next process.
    enum ePendingAction : Int {
        PA_NONE = 0,
        PA_HOVER = 1,
        PA_CLICK = 2,
    };

    void bindInput();
    void unbindInput();
    void releaseCandidacy();
    void playSound(iResource* _sound);
    void call(fButtonEvent _handler);

    static cButtonPrototype* s_deepCandidate;
    static ePendingAction s_pendingAction;

    eButtonState m_state = BS_NONE;
    fButtonEvent m_onClick = nullptr;
    fButtonEvent m_onHover = nullptr;
    fButtonEvent m_onUnhover = nullptr;
    iResource* m_clickSound = nullptr;
    iResource* m_hoverSound = nullptr;
    String m_maskPath;
    tSharedMask m_mask;
    Bool m_soundEnable = true;
    Bool m_deepProcessing = false;
    Bool m_soundOnUnclick = false;
};
