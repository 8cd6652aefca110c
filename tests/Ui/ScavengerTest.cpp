#include "RecordingView.h"

#include "engine/ErrorStack.h"

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

} // namespace
