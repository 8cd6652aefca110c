#include "Ui/RecordingView.h"
#include "Ui/views/UI.h"
#include "engine/logs/ErrorStack.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Every test gets a fresh UI manager and leaves none behind; views it still registers are
// deleted the way the frame driver's end deletes them.
class cUiTest : public ::testing::Test {
protected:
    ~cUiTest() override
    {
        if (m_ui)
            cUI::shutAfterAll();
    }

    // A shown, enabled view that records into the journal.
    cRecordingView* active(const std::string& _name, cView* _parent = nullptr)
    {
        auto* view = new cRecordingView(m_journal, _name, _parent);
        view->show();
        view->enable();
        return view;
    }
    bool isProcessed(const cView* _view) const { return m_ui->getEnabled().contains(_view); }
    bool isAbsolute(const cView* _view) const { return m_ui->getAbsoluteEnabled().contains(_view); }
    bool isFading(const cView* _view) const { return m_ui->getTransparenty().contains(_view); }
    // One processing walk; what it wrote in the journal, taken out.
    Journal walk()
    {
        cUI::processViews();
        return std::exchange(m_journal, {});
    }
    // The frame driver's order: processing, then fades, then deferred deletion.
    void frame(Float _frameTime = 0.1f)
    {
        cUI::processViews();
        cUI::advanceFades(_frameTime);
        cScavenger::free();
    }

    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
    Journal m_journal;
};

using ViewSwitches = cUiTest;

TEST_F(ViewSwitches, ViewsCannotBeMadeWithoutUiManager)
{
    m_ui.reset();
    EXPECT_THROW(cView(nullptr), const char*);
}

TEST_F(ViewSwitches, EnablingHiddenViewWaitsForShowAndDisablingItStillTells)
{
    cRecordingView view(m_journal, "view");
    view.enable();
    EXPECT_TRUE(view.isEnabled());
    EXPECT_FALSE(isProcessed(&view));
    view.show();
    EXPECT_TRUE(isProcessed(&view));
    EXPECT_EQ(view.getAlpha(), 1.0f);
    cRecordingView hidden(m_journal, "hidden");
    hidden.enable();
    hidden.disable();
    EXPECT_EQ(hidden.m_disabled, 1);
    EXPECT_FALSE(hidden.isEnabled());
}

TEST_F(ViewSwitches, ChildUnderHiddenParentIsToldWhenParentShows)
{
    cView parent(nullptr);
    auto* child = new cRecordingView(m_journal, "child", &parent);
    EXPECT_FALSE(child->isChainVisible());
    child->enable();
    child->show();
    EXPECT_EQ(child->getAlpha(), 1.0f);
    EXPECT_EQ(child->m_showed, 0);
    EXPECT_FALSE(child->isVisible());

    parent.enable();
    parent.show();
    EXPECT_GT(child->m_showed, 0);
    EXPECT_TRUE(child->isVisible());
    EXPECT_TRUE(isProcessed(child));
}

TEST_F(ViewSwitches, HidingParentTakesSubtreeOutOfProcessSet)
{
    cView parent(nullptr);
    cView* child = new cView(&parent);
    cView* grandchild = new cView(child);
    for (cView* view : {grandchild, child, &parent}) {
        view->enable();
        view->show();
    }
    ASSERT_TRUE(isProcessed(grandchild));
    parent.hide();
    EXPECT_FALSE(isProcessed(&parent));
    EXPECT_FALSE(isProcessed(child));
    EXPECT_FALSE(isProcessed(grandchild));
    EXPECT_TRUE(child->isEnabled());
    parent.show();
    EXPECT_TRUE(isProcessed(grandchild));
}

TEST_F(ViewSwitches, AbsoluteEnablingIgnoresVisibility)
{
    cView parent(nullptr);
    cView* child = new cView(&parent);
    child->absoluteEnable();
    EXPECT_FALSE(isAbsolute(child)); // the parent's chain blocks it
    parent.absoluteEnable();
    EXPECT_TRUE(isAbsolute(&parent));
    EXPECT_TRUE(isAbsolute(child));
    parent.absoluteDisable();
    EXPECT_FALSE(isAbsolute(child));
    EXPECT_TRUE(child->isAbsoluteEnabled());
}

TEST_F(ViewSwitches, DetachingFromHiddenParentShowsTheViewAndNoViewGoesUnderItself)
{
    cView parent(nullptr);
    parent.enable();
    cRecordingView* child = active("child", &parent);
    ASSERT_FALSE(child->isVisible());
    child->setParent(nullptr);
    EXPECT_TRUE(child->isVisible());
    EXPECT_GT(child->m_showed, 0);
    EXPECT_TRUE(isProcessed(child));
    EXPECT_TRUE(parent.getChildren().empty());
    child->setParent(&parent);
    EXPECT_THROW(parent.setParent(child), const char*) << "never under its own descendant";
    EXPECT_THROW(parent.setParent(&parent), const char*);
    EXPECT_EQ(child->getParent(), &parent);
}

TEST_F(ViewSwitches, CopyJoinsItsParentAndTheProcessSetsWithoutChildren)
{
    cView parent(nullptr);
    parent.show();
    parent.enable();
    parent.absoluteEnable();
    cRecordingView source(m_journal, "source", &parent);
    new cView(&source);
    source.show();
    source.enable();
    source.absoluteEnable();

    cRecordingView copy(source);
    EXPECT_TRUE(isProcessed(&copy) && isAbsolute(&copy));
    EXPECT_TRUE(copy.getChildren().empty());
    EXPECT_TRUE(parent.getChildren().contains(&copy));
}

TEST_F(ViewSwitches, DeletingParentLeavesNoPointerInAnySet)
{
    cRecordingView* parent = active("parent");
    cRecordingView* child = active("child", parent);
    parent->absoluteEnable();
    child->absoluteEnable();
    cUI::addDrawn(child, 1.0f);
    discard(child, "test");
    child->showTransparently(); // ends at once: the child has a parent
    delete parent;
    EXPECT_EQ(m_journal, (Journal{"parent deleted", "child deleted"}));
    EXPECT_TRUE(m_ui->getEnabled().empty());
    EXPECT_TRUE(m_ui->getAbsoluteEnabled().empty());
    EXPECT_TRUE(m_ui->getDrawn().empty());
    EXPECT_EQ(cUI::getScavenger().getWaitingCount(), 0u);
}

TEST_F(ViewSwitches, SwitchesFollowTheElementsAttributes)
{
    const struct {
        const char* name;
        const char16_t *visible, *enable, *absolute;
        bool visibleAfter, enabledAfter, absoluteAfter;
    } cases[] = {{"nothing", nullptr, nullptr, nullptr, false, false, true}, {"all on", u"1", u"1", u"1", true, true, true},
        {"all off", u"0", u"0", u"0", false, false, true}, {"visible only", u"1", nullptr, u"0", true, false, true}};
    for (const auto& c : cases) {
        cView view(nullptr);
        view.show();
        view.enable();
        view.absoluteEnable();
        const WString visible = c.visible ? c.visible : u"", enable = c.enable ? c.enable : u"",
                      absolute = c.absolute ? c.absolute : u"";
        view.loadAttributes(c.visible ? &visible : nullptr, c.enable ? &enable : nullptr, nullptr,
            c.absolute ? &absolute : nullptr);
        EXPECT_EQ(view.isVisible(), c.visibleAfter) << c.name;
        EXPECT_EQ(view.isEnabled(), c.enabledAfter) << c.name;
        EXPECT_EQ(view.isAbsoluteEnabled(), c.absoluteAfter) << c.name;
        EXPECT_EQ(isProcessed(&view), c.visibleAfter && c.enabledAfter) << c.name;
    }
}

// A damaged switch would leave a screen that never runs: it is an error naming the attribute,
// and the view keeps what it had.
TEST_F(ViewSwitches, ASwitchThatIsNeither0Nor1IsAnErrorNamingTheAttribute)
{
    const WString one = u"1";
    const struct {
        const char16_t* text;
        int damaged; // 0 Visible, 1 Enable, 2 AbsoluteEnable
    } cases[] = {{u"-1", 0}, {u"NaN", 1}, {u"99999999999999999999", 0}, {u"true", 2}, {u"", 1}, {u"2", 0}};
    const char* names[] = {"\"Visible\"", "\"Enable\"", "\"AbsoluteEnable\""};
    for (const auto& c : cases) {
        const WString damaged = c.text;
        const WString* values[3] = {&one, &one, &one};
        values[c.damaged] = &damaged;
        cView view(nullptr);
        view.hide();
        String error;
        try {
            view.loadAttributes(values[0], values[1], nullptr, values[2]);
        } catch (const String& _error) {
            error = _error;
        }
        EXPECT_NE(error.find(names[c.damaged]), std::string::npos) << error;
        EXPECT_FALSE(view.isVisible()) << error;
    }
}

using Fades = cUiTest;

TEST_F(Fades, FadeInRisesBySpeedTimesFrameTime)
{
    cView view(nullptr);
    view.hide();
    view.setFadeSpeed(2.0f);
    view.showTransparently();
    EXPECT_TRUE(view.isVisible());
    EXPECT_TRUE(isFading(&view));
    cUI::advanceFades(0.25f);
    EXPECT_FLOAT_EQ(view.getAlpha(), 0.5f);
    EXPECT_EQ(view.getFadeState(), cView::FADE_IN);
    cUI::advanceFades(0.25f);
    EXPECT_EQ(view.getFadeState(), cView::FADE_NONE);
    EXPECT_FALSE(isFading(&view));
    view.showTransparently(); // from full alpha: ends at the first step
    cUI::advanceFades(0.01f);
    EXPECT_FALSE(isFading(&view));
    view.setFadeSpeed(0);
    view.hideTransparently();
    cUI::advanceFades(0.1f);
    EXPECT_FALSE(isFading(&view)) << "a fade without speed ends at once";
    EXPECT_FALSE(view.isVisible());
}

TEST_F(Fades, FadeOutStopsProcessingAtOnceAndKeepsEnabledFlag)
{
    cView view(nullptr);
    view.show();
    view.enable();
    view.hideTransparently();
    EXPECT_FALSE(isProcessed(&view));
    for (int i = 0; i < 20 && isFading(&view); ++i)
        frame(0.1f);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(view.getAlpha(), 0.0f);
    EXPECT_TRUE(view.isEnabled());
    view.show();
    EXPECT_TRUE(isProcessed(&view));
}

TEST_F(Fades, DiscardingFadeDeletesTheViewAfterItsLastStep)
{
    cRecordingView* view = active("view");
    view->absoluteEnable();
    view->discardTransparently();
    EXPECT_FALSE(view->isEnabled());
    EXPECT_FALSE(isProcessed(view));
    EXPECT_FALSE(isAbsolute(view));
    cUI::advanceFades(0.1f);
    EXPECT_TRUE(m_journal.empty());
    for (int i = 0; i < 20 && m_journal.empty(); ++i)
        frame(0.1f);
    EXPECT_EQ(m_journal, (Journal{"view deleted"}));
    EXPECT_TRUE(m_ui->getTransparenty().empty());
}

// A view with a parent is never faded on its own; asking for a fade gives its end at once,
// so the fade set never waits for it and the game never stands still.
TEST_F(Fades, FadeOnChildTakesItsEndAtOnce)
{
    cView root(nullptr);
    root.show();
    root.enable();
    cView* shown = new cView(&root);
    cView* hidden = active("hidden", &root);
    cRecordingView* discarded = active("discarded", &root);
    shown->enable();
    shown->showTransparently();
    hidden->hideTransparently();
    discarded->discardTransparently();
    EXPECT_TRUE(m_ui->getTransparenty().empty());
    EXPECT_TRUE(shown->isVisible() && isProcessed(shown));
    EXPECT_EQ(shown->getAlpha(), 1.0f);
    EXPECT_FALSE(hidden->isVisible() || isProcessed(hidden));
    EXPECT_TRUE(hidden->isEnabled());
    cScavenger::free();
    EXPECT_EQ(m_journal, (Journal{"discarded deleted"}));
}

TEST_F(Fades, ViewPlacedUnderParentWhileFadingEndsItsFade)
{
    active("worker");
    cView root(nullptr);
    root.show();
    cView* view = new cView(nullptr);
    view->hide();
    view->showTransparently();
    view->setParent(&root);
    frame(0.01f);
    EXPECT_FALSE(isFading(view));
    EXPECT_EQ(view->getAlpha(), 1.0f);
    frame(0.01f);
    EXPECT_EQ(m_journal, (Journal{"worker process"}));
}

using UiLock = cUiTest;

TEST_F(UiLock, LastRequestDuringWalkDecides)
{
    cView added(nullptr), removed(nullptr);
    cUI::addEnabled(&removed);
    cUI::lock();
    cUI::addEnabled(&added);
    cUI::removeEnabled(&added);
    cUI::removeEnabled(&removed);
    cUI::addEnabled(&removed);
    EXPECT_FALSE(isProcessed(&added));
    cUI::flushEnabled();
    EXPECT_FALSE(isProcessed(&added));
    EXPECT_TRUE(isProcessed(&removed));
    EXPECT_FALSE(cUI::isLocked());
}

TEST_F(UiLock, ViewsAreProcessedInCreationOrder)
{
    active("first");
    active("second");
    active("third");
    EXPECT_EQ(walk(), (Journal{"first process", "second process", "third process"}));
}

TEST_F(UiLock, ViewDisablingItselfDuringAbsoluteProcessGetsNoProcess)
{
    cRecordingView* view = active("view");
    view->absoluteEnable();
    view->m_onAbsolute = [view] { view->disable(); };
    EXPECT_EQ(walk(), (Journal{"view absolute"}));
    EXPECT_FALSE(isProcessed(view));
}

TEST_F(UiLock, ViewRemovedDuringWalkIsSkipped)
{
    cRecordingView* first = active("first");
    cRecordingView* second = active("second");
    first->m_onProcess = [second] { second->disable(); };
    EXPECT_EQ(walk(), (Journal{"first process"}));
    delete second; // in no set now, so shutdown would leave it
}

TEST_F(UiLock, ViewEnabledDuringWalkIsProcessedFromNextFrame)
{
    cRecordingView* opener = active("opener");
    auto* late = new cRecordingView(m_journal, "late");
    late->show();
    opener->m_onProcess = [late] { late->enable(); };
    EXPECT_EQ(walk(), (Journal{"opener process"}));
    EXPECT_TRUE(isProcessed(late));
    EXPECT_EQ(walk(), (Journal{"opener process", "late process"}));
}

TEST_F(UiLock, AbsoluteEnablingDuringProcessWalkTakesTwoFramesAndDeletionCancelsIt)
{
    cRecordingView* opener = active("opener");
    auto* late = new cRecordingView(m_journal, "late");
    auto* dropped = new cRecordingView(m_journal, "dropped");
    opener->m_onProcess = [late, dropped] {
        late->absoluteEnable();
        dropped->absoluteEnable();
    };
    walk(); // the additions wait for the next absolute walk
    delete dropped;
    EXPECT_EQ(walk(), (Journal{"dropped deleted", "opener process"})) << "not yet";
    EXPECT_EQ(walk(), (Journal{"late absolute", "opener process"}));
    EXPECT_EQ(m_ui->getAbsoluteEnabled().size(), 1u) << "the deleted view never comes back";
}

TEST_F(UiLock, RequestAfterTheWalkOverridesOneStillPending)
{
    cRecordingView* opener = active("opener");
    auto* watcher = new cRecordingView(m_journal, "watcher");
    watcher->absoluteEnable();
    opener->m_onProcess = [watcher] { watcher->absoluteDisable(); };
    walk(); // the removal waits for the next absolute walk
    watcher->absoluteEnable();
    EXPECT_EQ(walk(), (Journal{"watcher absolute", "opener process"}));
}

TEST_F(UiLock, ViewDeletedDuringWalkIsNeverTouched)
{
    cRecordingView* killer = active("killer");
    cRecordingView* victim = active("victim");
    killer->m_onProcess = [&victim] {
        delete victim;
        victim = nullptr;
    };
    EXPECT_EQ(walk(), (Journal{"killer process", "victim deleted"}));
    EXPECT_EQ(m_ui->getEnabled().size(), 1u);
    EXPECT_FALSE(cUI::isLocked());
}

TEST_F(UiLock, FailedWalkStillAppliesDeferredChanges)
{
    cRecordingView* view = active("view");
    view->m_onProcess = [view] {
        view->disable();
        throw "broken";
    };
    EXPECT_THROW(cUI::processViews(), const char*);
    EXPECT_FALSE(cUI::isLocked());
    EXPECT_FALSE(isProcessed(view));
    delete view;
}

// The draw pass's record: each view drawn writes its name.
void drawn(cView* _view)
{
    auto* view = static_cast<cRecordingView*>(_view);
    view->m_journal.push_back(view->m_name + " drawn");
}

using DrawOrder = cUiTest;

TEST_F(DrawOrder, GreaterDepthIsDrawnLaterEqualDepthsInCreationOrderAndHiddenOnesAreDropped)
{
    cRecordingView* top = active("top");
    cRecordingView* bottom = active("bottom");
    cRecordingView* middleFirst = active("middle first");
    cRecordingView* middleSecond = active("middle second");
    cRecordingView* hidden = active("hidden");
    cUI::addDrawn(top, 5.0f);
    cUI::addDrawn(middleSecond, 2.0f);
    cUI::addDrawn(bottom, 7.0f);
    cUI::addDrawn(middleFirst, 2.0f);
    cUI::addDrawn(hidden, 0);
    cUI::addDrawn(bottom, -1.0f); // a new depth moves the control at once
    hidden->hide();
    cUI::drawControls(drawn);
    EXPECT_EQ(m_journal, (Journal{"bottom drawn", "middle first drawn", "middle second drawn", "top drawn"}));
    EXPECT_EQ(m_ui->getDrawn().size(), 4u);
    EXPECT_FALSE(m_ui->getDrawn().contains(hidden));
    delete hidden; // in no set now, so shutdown would leave it
}

cRecordingView* s_victim = nullptr;

TEST_F(DrawOrder, ViewDeletedWhileDrawingIsNeverDrawn)
{
    cUI::addDrawn(active("killer"), 0);
    s_victim = active("victim");
    cUI::addDrawn(s_victim, 1.0f);
    cUI::drawControls([](cView* _view) {
        drawn(_view);
        delete s_victim;
        s_victim = nullptr;
    });
    EXPECT_EQ(m_journal, (Journal{"killer drawn", "victim deleted"}));
}

using DeferredDeletion = cUiTest;

TEST_F(DeferredDeletion, DiscardedViewLivesUntilTheEndOfTheFrameAndGoesOnce)
{
    cRecordingView* view = active("view");
    discard(view, "here");
    discard(view, "again");
    EXPECT_EQ(walk(), (Journal{"view process"}));
    cScavenger::free();
    EXPECT_EQ(m_journal, (Journal{"view deleted"}));
    EXPECT_TRUE(m_ui->getEnabled().empty());
}

// A child goes with its parent, a view may own another: whatever was queued is deleted once.
TEST_F(DeferredDeletion, QueuedViewsDeletedByAnotherAreNotDeletedAgain)
{
    auto* parent = new cRecordingView(m_journal, "parent");
    auto* child = new cRecordingView(m_journal, "child", parent);
    auto* owner = new cRecordingView(m_journal, "owner");
    auto* owned = new cRecordingView(m_journal, "owned");
    owner->m_onDelete = [owned] { delete owned; };
    for (cView* view : {static_cast<cView*>(child), static_cast<cView*>(parent), static_cast<cView*>(owner),
             static_cast<cView*>(owned)})
        discard(view, "test");
    cScavenger::free();
    EXPECT_EQ(m_journal, (Journal{"parent deleted", "child deleted", "owner deleted", "owned deleted"}));
}

TEST_F(DeferredDeletion, DiscardingNothingFails)
{
    getErrorCallStack().clear();
    EXPECT_THROW(discard(nullptr, "here"), String);
    EXPECT_EQ(getErrorCallStack(), "discard\nvoid discard(_Inherited *instance)");
}

TEST_F(DeferredDeletion, ViewsDiscardedByDeletionWaitForNextFree)
{
    auto* first = new cRecordingView(m_journal, "first");
    auto* second = new cRecordingView(m_journal, "second");
    first->m_onDelete = [second] { discard(second, "by first"); };
    discard(first, "here");
    cScavenger::free();
    EXPECT_EQ(m_journal, (Journal{"first deleted"}));
    cScavenger::free();
    EXPECT_EQ(m_journal, (Journal{"first deleted", "second deleted"}));
}

// Hidden views still absolutely enabled go too; a view in no set stays unless its parent goes.
TEST_F(DeferredDeletion, ShutdownDeletesTheViewsOfEverySetWithTheirChildren)
{
    cRecordingView idle(m_journal, "idle");
    auto* watcher = new cRecordingView(m_journal, "watcher");
    watcher->absoluteEnable();
    new cRecordingView(m_journal, "child", watcher);
    active("active");
    cUI::shutAfterAll();
    EXPECT_EQ(m_journal, (Journal{"watcher deleted", "child deleted", "active deleted"}));
    EXPECT_TRUE(m_ui->getAbsoluteEnabled().empty());
    EXPECT_TRUE(m_ui->getEnabled().empty());
}

void boom()
{
    throw String("boom");
}

TEST_F(DeferredDeletion, AFailingDestructorIsNamedByWhoDiscardedItAndTheRestStayQueued)
{
    auto* failing = new cRecordingView(m_journal, "failing");
    failing->m_onDelete = boom;
    auto* waiting = new cRecordingView(m_journal, "waiting");
    discard(failing, "the shop screen");
    discard(waiting, "the dialog");
    EXPECT_EQ(thrownText([] { cScavenger::free(); }), "boom\nthe shop screen\ncScavenger::free()");
    EXPECT_EQ(m_journal, (Journal{"failing deleted"}));
    cScavenger::free();
    EXPECT_EQ(m_journal, (Journal{"failing deleted", "waiting deleted"}));
}

// Deletes its view as a failure passes by, as a scope guard would.
struct sDeleteOnTheWayOut {
    cView* view;
    ~sDeleteOnTheWayOut() { delete view; }
};

// While another failure is on its way, the child's is only logged.
TEST_F(DeferredDeletion, AParentStillDeletesEveryChildWhenOneFailsThenReports)
{
    for (bool unwinding : {false, true}) {
        SCOPED_TRACE(unwinding ? "while another failure passes" : "on its own");
        cTempFolder logs(true);
        m_journal.clear();
        auto* parent = new cRecordingView(m_journal, "parent");
        new cRecordingView(m_journal, "first", parent);
        (new cRecordingView(m_journal, "failing", parent))->m_onDelete = boom;
        new cRecordingView(m_journal, "last", parent);
        parent->absoluteEnable();
        if (unwinding) {
            try {
                sDeleteOnTheWayOut guard{parent};
                throw 1;
            } catch (int) {
            }
            EXPECT_NE(readFileBytes("error.log").find("boom"), std::string::npos);
        } else {
            EXPECT_THROW(delete parent, String);
        }
        EXPECT_EQ(m_journal.size(), 4u) << "every child went";
        EXPECT_TRUE(m_ui->getAbsoluteEnabled().empty()) << "no set keeps the deleted parent";
    }
}

} // namespace
