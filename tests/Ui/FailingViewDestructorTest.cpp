#include "RecordingView.h"

#include "engine/ErrorStack.h"
#include "support/TempFolder.h"

namespace {

using Journal = std::vector<std::string>;
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
    try {
        cScavenger::free();
        FAIL() << "the failure must reach the frame";
    } catch (const String& _stack) {
        EXPECT_EQ(_stack, "boom\nthe shop screen\ncScavenger::free()");
    }
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
