#include "RecordingView.h"

namespace {

using Journal = std::vector<std::string>;
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
}

TEST_F(Fades, FadeInFromFullAlphaEndsAtFirstStep)
{
    cView view(nullptr);
    view.show();
    view.showTransparently();
    cUI::advanceFades(0.01f);
    EXPECT_FALSE(isFading(&view));
    EXPECT_GE(view.getAlpha(), 1.0f);
}

TEST_F(Fades, NothingIsProcessedWhileAViewFades)
{
    auto* worker = new cRecordingView(m_journal, "worker");
    worker->show();
    worker->enable();
    worker->absoluteEnable();
    cView screen(nullptr);
    screen.hide();
    screen.showTransparently();
    frame(0.1f);
    EXPECT_TRUE(m_journal.empty());
    for (int i = 0; i < 20 && isFading(&screen); ++i)
        frame(0.1f);
    ASSERT_FALSE(isFading(&screen));
    frame(0.1f);
    EXPECT_EQ(m_journal, (Journal{"worker absolute", "worker process"}));
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
    auto* view = new cRecordingView(m_journal, "view");
    view->show();
    view->enable();
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

TEST_F(Fades, SubtreeHearsEveryStep)
{
    struct cListener : cView {
        using cView::cView;
        void parentTransparenty() override { ++m_calls; }
        int m_calls = 0;
    };
    cView root(nullptr);
    auto* listener = new cListener(&root);
    root.hide();
    root.showTransparently();
    cUI::advanceFades(0.1f);
    cUI::advanceFades(0.1f);
    EXPECT_EQ(listener->m_calls, 2);
    EXPECT_FLOAT_EQ(listener->getRootAlpha(), root.getAlpha());
}

// A view with a parent is never faded on its own; asking for a fade gives its end at once,
// so the fade set never waits for it and the game never stands still.
TEST_F(Fades, FadeInOnChildShowsItAtOnce)
{
    cView root(nullptr);
    root.show();
    root.enable();
    cView* child = new cView(&root);
    child->enable();
    child->showTransparently();
    EXPECT_FALSE(isFading(child));
    EXPECT_TRUE(child->isVisible());
    EXPECT_EQ(child->getAlpha(), 1.0f);
    EXPECT_TRUE(isProcessed(child));
}

TEST_F(Fades, FadeOutOnChildHidesItAtOnce)
{
    cView root(nullptr);
    root.show();
    cView* child = new cView(&root);
    child->show();
    child->enable();
    child->hideTransparently();
    EXPECT_FALSE(isFading(child));
    EXPECT_FALSE(child->isVisible());
    EXPECT_TRUE(child->isEnabled());
    EXPECT_FALSE(isProcessed(child));
}

TEST_F(Fades, DiscardingFadeOnChildDiscardsItAtOnce)
{
    cView root(nullptr);
    root.show();
    auto* child = new cRecordingView(m_journal, "child", &root);
    child->show();
    child->discardTransparently();
    EXPECT_FALSE(isFading(child));
    EXPECT_TRUE(cUI::getScavenger().isWaiting(child));
    cScavenger::free();
    EXPECT_EQ(m_journal, (Journal{"child deleted"}));
    EXPECT_TRUE(root.getChildren().empty());
}

TEST_F(Fades, ViewPlacedUnderParentWhileFadingEndsItsFade)
{
    auto* worker = new cRecordingView(m_journal, "worker");
    worker->show();
    worker->enable();
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

TEST_F(Fades, FadeWithoutSpeedEndsAtOnce)
{
    cView view(nullptr);
    view.show();
    view.setFadeSpeed(0);
    view.hideTransparently();
    cUI::advanceFades(0.1f);
    EXPECT_FALSE(isFading(&view));
    EXPECT_FALSE(view.isVisible());
}

TEST_F(Fades, ShowingDuringFadeOutEndsTheFade)
{
    cView view(nullptr);
    view.show();
    view.hideTransparently();
    view.show();
    EXPECT_EQ(view.getFadeState(), cView::FADE_NONE);
    cUI::advanceFades(0.1f);
    EXPECT_FALSE(isFading(&view));
    EXPECT_TRUE(view.isVisible());
}

} // namespace
