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

} // namespace
