#include "RecordingView.h"

#include "engine/ErrorStack.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"

namespace {

using Journal = std::vector<std::string>;
using DeferredDeletion = cUiTest;

TEST_F(DeferredDeletion, DiscardedViewLivesUntilTheEndOfTheFrameAndGoesOnce)
{
    cRecordingView* view = active("view");
    discard(view, "here");
    discard(view, "again");
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"view process"}));
    cScavenger::free();
    EXPECT_EQ(m_journal, (Journal{"view process", "view deleted"}));
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

TEST_F(DeferredDeletion, ShutdownDeletesHiddenViewsStillAbsolutelyEnabled)
{
    auto* watcher = new cRecordingView(m_journal, "watcher");
    watcher->absoluteEnable();
    active("active");
    cUI::shutAfterAll();
    EXPECT_EQ(m_journal, (Journal{"watcher deleted", "active deleted"}));
    EXPECT_TRUE(m_ui->getAbsoluteEnabled().empty());
    EXPECT_TRUE(m_ui->getEnabled().empty());
}

TEST_F(DeferredDeletion, ShutdownLeavesViewsInNoSetUnlessTheirParentGoes)
{
    cRecordingView idle(m_journal, "idle");
    auto* parent = new cRecordingView(m_journal, "parent");
    parent->absoluteEnable();
    new cRecordingView(m_journal, "child", parent);
    cUI::shutAfterAll();
    EXPECT_EQ(m_journal, (Journal{"parent deleted", "child deleted"}));
}

using FailingViewDestructor = cUiTest;

void boom()
{
    throw String("boom");
}

TEST_F(FailingViewDestructor, ScavengerNamesWhoDiscardedItAndKeepsTheRestQueued)
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

TEST_F(FailingViewDestructor, ParentStillDeletesEveryChildThenReports)
{
    auto* parent = new cRecordingView(m_journal, "parent");
    new cRecordingView(m_journal, "first", parent);
    new cRecordingView(m_journal, "second", parent);
    (new cRecordingView(m_journal, "third", parent))->m_onDelete = boom;
    parent->absoluteEnable();
    EXPECT_THROW(delete parent, String);
    EXPECT_EQ(m_journal.size(), 4u) << "every child went";
    EXPECT_TRUE(m_ui->getAbsoluteEnabled().empty()) << "no set keeps the deleted parent";
}

// Deletes its view as a failure passes by, as a scope guard would.
struct sDeleteOnTheWayOut {
    cView* view;
    ~sDeleteOnTheWayOut() { delete view; }
};

TEST_F(FailingViewDestructor, WhileAnotherFailureIsOnItsWayItIsOnlyLogged)
{
    cTempFolder logs(true);
    auto* parent = new cRecordingView(m_journal, "parent");
    new cRecordingView(m_journal, "child", parent);
    auto* child = new cRecordingView(m_journal, "failing", parent);
    child->m_onDelete = boom;
    try {
        sDeleteOnTheWayOut guard{parent};
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(m_journal.size(), 3u);
    EXPECT_NE(readFileBytes("error.log").find("boom"), std::string::npos);
}

} // namespace
