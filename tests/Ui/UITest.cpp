#include "RecordingView.h"

#include <algorithm>

namespace {

using Journal = std::vector<std::string>;

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
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"first process", "second process", "third process"}));
}

TEST_F(UiLock, ViewDisablingItselfDuringAbsoluteProcessGetsNoProcess)
{
    cRecordingView* view = active("view");
    view->absoluteEnable();
    view->m_onAbsolute = [view] { view->disable(); };
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"view absolute"}));
    EXPECT_FALSE(isProcessed(view));
}

TEST_F(UiLock, ViewRemovedDuringWalkIsSkipped)
{
    cRecordingView* first = active("first");
    cRecordingView* second = active("second");
    first->m_onProcess = [second] { second->disable(); };
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"first process"}));
    delete second; // in no set now, so shutdown would leave it
}

TEST_F(UiLock, ViewEnabledDuringWalkIsProcessedFromNextFrame)
{
    cRecordingView* opener = active("opener");
    auto* late = new cRecordingView(m_journal, "late");
    late->show();
    opener->m_onProcess = [late] { late->enable(); };
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"opener process"}));
    EXPECT_TRUE(isProcessed(late));
    m_journal.clear();
    opener->m_onProcess = nullptr;
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"opener process", "late process"}));
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
    cUI::processViews(); // the additions wait for the next absolute walk
    opener->m_onProcess = nullptr;
    delete dropped;
    m_journal.clear();
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"opener process"})) << "not yet";
    m_journal.clear();
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"late absolute", "opener process"}));
    EXPECT_EQ(m_ui->getAbsoluteEnabled().size(), 1u) << "the deleted view never comes back";
}

TEST_F(UiLock, RequestAfterTheWalkOverridesOneStillPending)
{
    cRecordingView* opener = active("opener");
    auto* watcher = new cRecordingView(m_journal, "watcher");
    watcher->absoluteEnable();
    opener->m_onProcess = [watcher] { watcher->absoluteDisable(); };
    cUI::processViews(); // the removal waits for the next absolute walk
    opener->m_onProcess = nullptr;
    watcher->absoluteEnable();
    m_journal.clear();
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"watcher absolute", "opener process"}));
}

TEST_F(UiLock, ViewDeletedDuringWalkIsNeverTouched)
{
    cRecordingView* killer = active("killer");
    cRecordingView* victim = active("victim");
    killer->m_onProcess = [&victim] {
        delete victim;
        victim = nullptr;
    };
    cUI::processViews();
    EXPECT_EQ(m_journal, (Journal{"killer process", "victim deleted"}));
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

std::vector<cView*>* s_drawn = nullptr;
void record(cView* _control)
{
    s_drawn->push_back(_control);
}

class DrawOrderTest : public cUiTest {
protected:
    DrawOrderTest() { s_drawn = &m_drawn; }
    ~DrawOrderTest() override { s_drawn = nullptr; }
    cView* makeShown()
    {
        cView* view = new cView(nullptr);
        view->show();
        return view;
    }
    std::vector<cView*> m_drawn;
};

TEST_F(DrawOrderTest, GreaterDepthIsDrawnLaterEqualDepthsInCreationOrderAndHiddenOnesAreDropped)
{
    cView* top = makeShown();
    cView* bottom = makeShown();
    cView* middleFirst = makeShown();
    cView* middleSecond = makeShown();
    cView* hidden = makeShown();
    cUI::addDrawn(top, 5.0f);
    cUI::addDrawn(middleSecond, 2.0f);
    cUI::addDrawn(bottom, 7.0f);
    cUI::addDrawn(middleFirst, 2.0f);
    cUI::addDrawn(hidden, 0);
    cUI::addDrawn(bottom, -1.0f); // a new depth moves the control at once
    hidden->hide();
    cUI::drawControls(record);
    EXPECT_EQ(m_drawn, (std::vector<cView*>{bottom, middleFirst, middleSecond, top}));
    EXPECT_EQ(m_ui->getDrawn().size(), 4u);
    EXPECT_FALSE(m_ui->getDrawn().contains(hidden));
    for (cView* view : {top, bottom, middleFirst, middleSecond, hidden})
        delete view;
}

cView* s_victim = nullptr;

TEST_F(DrawOrderTest, ViewDeletedWhileDrawingIsNeverDrawn)
{
    cView* killer = makeShown();
    s_victim = makeShown();
    cUI::addDrawn(killer, 0);
    cUI::addDrawn(s_victim, 1.0f);
    cUI::drawControls([](cView* _control) {
        record(_control);
        delete s_victim;
        s_victim = nullptr;
    });
    EXPECT_EQ(m_drawn, (std::vector<cView*>{killer}));
    delete killer;
}

} // namespace
