#pragma once
#include "Ui/views/DrawSet.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/ViewSet.h"
#include "engine/Singleton.h"

#include <vector>

// The registries of views that the frame driver walks each frame: the process set of enabled
// views, the absolute-process set, the fade set and the draw set, with deferred deletion.
// One instance lives as long as the frame driver; views are made only while it exists.
// The static operations are what views call; removals are harmless when no manager exists,
// so a view outliving it can still be deleted.
//
// The lock is not a thread lock: while a process set is walked, additions and removals
// wait in its pending sets, and the flush after the walk applies them.
class cUI : public cSingleton<cUI> {
public:
    using VIEW_SET = cViewSet;
    using VIEW_LIST = std::vector<cView*>;
    // Called for each visible drawn view, in depth order.
    using fDraw = void (*)(cView* _control);

    cUI() = default;
    ~cUI() override = default;

    // The next creation number; views cannot be made while no manager exists.
    static cViewSet::tNumber takeViewNumber();

    static void lock();
    static Bool isLocked();
    static void addEnabled(cView* _view);
    static void removeEnabled(cView* _view);
    static void addAbsoluteEnabled(cView* _view);
    static void removeAbsoluteEnabled(cView* _view);
    static void flushEnabled();
    static void flushAbsoluteEnabled();

    static void addFading(cView* _view);
    static void removeFading(cView* _view);

    // A deleted view leaves every set, pending ones included; a walk in progress skips it.
    static void forget(cView* _view);

    static void addDrawn(cView* _control, Float _deep);
    static void removeDrawn(cView* _control);
    static Bool isDrawn(const cView* _control);
    // Draws the visible entries; the hidden ones are dropped from the set without drawing.
    static void drawControls(fDraw _draw);

    // One frame's processing: when no view fades, absoluteProcess on the absolute-process set
    // and then process on the process set, each under the lock. Views leaving a set during
    // its walk are skipped from then on; views entering it are walked from the next frame.
    static void processViews();
    // One fade step for every fading view; views whose fade ended leave the fade set.
    static void advanceFades(Float _frameTime);

    // Discards and deletes every view still in any set. Views in no set survive unless a
    // deleted parent takes them along.
    static void shutAfterAll();

    static cScavenger& getScavenger();
    static cUI& get();

    const VIEW_SET& getEnabled() const { return m_enabled.m_views; }
    const VIEW_SET& getAbsoluteEnabled() const { return m_absolute.m_views; }
    const VIEW_SET& getPendingEnabled() const { return m_enabled.m_pendingAdd; }
    const VIEW_SET& getPendingDisabled() const { return m_enabled.m_pendingRemove; }
    const VIEW_SET& getTransparenty() const { return m_fading; }
    const cDrawSet& getDrawn() const { return m_drawn; }

private:
    // A process set with the changes that wait for the end of its walk.
    struct sProcessSet {
        VIEW_SET m_views;
        VIEW_SET m_pendingAdd;
        VIEW_SET m_pendingRemove;
        // The walk's copy of the set, its room kept from frame to frame.
        std::vector<std::pair<cViewSet::tNumber, cView*>> m_walked;

        void add(cView* _view, Bool _locked);
        void remove(cView* _view, Bool _locked);
        void flush();
        void forget(const cView* _view);
        void walk(void (cView::*_operation)());
    };

    static cUI* find() { return getInstance(); }
    void discardAll(const VIEW_SET& _views, const char* _where);

    sProcessSet m_enabled;
    sProcessSet m_absolute;
    VIEW_SET m_fading;
    cDrawSet m_drawn;
    // The draw pass's copy of the drawn set, its room kept from frame to frame.
    std::vector<std::pair<cDrawSet::sKey, cView*>> m_drawnCopy;
    cScavenger m_scavenger;
    Bool m_locked = false;
    cViewSet::tNumber m_nextNumber = 1;
};

namespace UI {
// The fade set, as the frame driver reads it.
const cUI::VIEW_SET& getTransparenty();
} // namespace UI
