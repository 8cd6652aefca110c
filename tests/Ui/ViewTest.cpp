#include "RecordingView.h"

namespace {

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

TEST_F(ViewSwitches, CopyJoinsProcessSetsWithoutNotificationsOrChildren)
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

    cRecordingView copy(source); // copies the counters too
    EXPECT_EQ(copy.m_enabled, source.m_enabled);
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
    EXPECT_EQ(m_journal, (std::vector<std::string>{"parent deleted", "child deleted"}));
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
        {"words", u"true", u"true", nullptr, false, false, true}, {"visible only", u"1", nullptr, u"0", true, false, true}};
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

} // namespace
