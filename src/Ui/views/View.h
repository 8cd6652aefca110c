#pragma once
#include "Ui/views/ViewSet.h"
#include "engine/Types.h"

#include <vector>

class cControl;
class iXML;
class cViewWatch;

// The root of every screen, dialog, control and grouping node. A view lives in a tree and has
// three switches (visible, enabled, absolute-enabled), each an own flag plus a flag inherited
// from its ancestors; changes travel down the tree as the notifications below, whose default
// forms enter and leave the UI manager's process sets. The notifications may come more than
// once for one change, so every override must tolerate repetition.
class cView {
public:
    enum eFadeState : UInt {
        FADE_NONE = 0,
        FADE_IN = 1,
        FADE_OUT = 2,           // then hide
        FADE_OUT_DISCARD = 3,   // then hide and delete after the frame
    };

    // A new view is hidden, disabled and in no set; it joins _parent's children.
    explicit cView(cView* _parent);
    // Copies the switches and the parent, never the children; a copy that is enabled joins the
    // process sets at once, without any notification.
    cView(const cView& _source);
    cView& operator=(const cView&) = delete;
    // Deletes the children first; leaves every registry, so no set keeps a pointer to it.
    // A failure of a view's destructor reaches whoever deletes it (the scavenger adds who
    // discarded it) instead of ending the program; while another failure is already on its
    // way out it is only logged.
    virtual ~cView() noexcept(false);

    virtual Int getType() const { return 0; }
    // The view as a control, or null: the draw pass asks this of every drawn view each frame,
    // where a dynamic_cast would cost more than the drawing.
    virtual cControl* asControl() { return nullptr; }
    virtual void process() {}
    // Runs each frame while absolutely enabled, even when hidden or disabled.
    virtual void absoluteProcess() {}
    virtual void addChild(cView* _child);
    virtual void removeChild(cView* _child);
    // Reads "Visible", "Enable", "TranparencySpeed" and "AbsoluteEnable" as loadAttributes does.
    virtual void loadXML(iXML* _xml_doc);
    virtual void showed();
    virtual void hid();
    // The top-level ancestor's alpha changed.
    virtual void parentTransparenty();
    virtual void enabled();
    virtual void disabled();
    virtual void absoluteEnabled();
    virtual void absoluteDisabled();

    void show();
    void hide();
    void enable();
    void disable();
    void absoluteEnable();
    void absoluteDisable();

    // Fades run on top-level views. A view with a parent is never faded by itself: the request
    // takes its end at once (shown, hidden, or hidden and discarded), so no fade can stall
    // the game while the fade set waits for a view that does not move.
    void showTransparently();
    void hideTransparently();
    void discardTransparently();
    // One fade step over _frameTime seconds; the frame driver calls it for the fade set.
    void changeTransparency(Float _frameTime);

    // Throws when _parent is the view itself or one of its descendants.
    void setParent(cView* _parent);
    // Leaves the parent without being shown or hidden on the way: for a view deleted next.
    void leaveParent();
    void forEachChild(void (cView::*_operation)());

    // Reads the view's element: a missing "Visible"/"Enable" hides and disables, one that is
    // neither 0 nor 1 throws; a missing "TranparencySpeed" keeps the speed; "AbsoluteEnable"
    // only ever switches on.
    // Each argument is the attribute's text, or null when the element lacks it.
    void loadAttributes(const WString* _visible, const WString* _enable, const WString* _speed,
                        const WString* _absoluteEnable);

    Bool isVisible() const { return m_visible && m_chainVisible; }
    Bool isOwnVisible() const { return m_visible; }
    Bool isChainVisible() const { return m_chainVisible; }
    Bool isEnabled() const { return m_enabled; }
    Bool isChainEnabled() const { return m_chainEnabled; }
    // Own and inherited enabled flags both set: a key or click reaching it now is meant for it.
    Bool isEffectivelyEnabled() const { return m_enabled && m_chainEnabled; }
    Bool isAbsoluteEnabled() const { return m_absoluteEnabled; }
    Bool isChainAbsoluteEnabled() const { return m_chainAbsoluteEnabled; }

    Float getAlpha() const { return m_alpha; }
    void setAlpha(Float _alpha) { m_alpha = _alpha; }
    Float getRootAlpha() const;
    Float getFadeSpeed() const { return m_fadeSpeed; }
    void setFadeSpeed(Float _speed) { m_fadeSpeed = _speed; }
    eFadeState getFadeState() const { return m_fadeState; }

    cView* getParent() const { return m_parent; }
    const cViewSet& getChildren() const { return m_children; }
    // The creation number that orders views wherever the order is visible.
    cViewSet::tNumber getNumber() const { return m_number; }

private:
    friend class cViewWatch;

    void attachToParent();
    void finishFade();
    void forChildren(void (cView::*_walk)());
    void showWalk();
    void enableWalk();
    void absoluteEnableWalk();
    void hideWalk();
    void disableWalk();
    void absoluteDisableWalk();
    void hideChildren();

    cViewSet::tNumber m_number;
    Float m_alpha = 0;
    Float m_fadeSpeed = 3.3f;
    eFadeState m_fadeState = FADE_NONE;
    cViewSet m_children;
    cView* m_parent = nullptr;
    Bool m_visible = false;
    Bool m_chainVisible = true;
    Bool m_enabled = false;
    Bool m_chainEnabled = true;
    Bool m_absoluteEnabled = false;
    Bool m_chainAbsoluteEnabled = true;
    // Pointers that others hold to this view without owning it; cleared when it goes.
    std::vector<cViewWatch*> m_watches;
};
