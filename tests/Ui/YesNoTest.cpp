#include "ScreenHarness.h"

#include "Ui/MultilineText.h"
#include "Ui/Scavenger.h"
#include "Ui/ViewWatch.h"
#include "Ui/YesNo.h"
#include "input/Control.h"

namespace {

using Journal = std::vector<std::string>;

// A dialog up on the screen, guarding _guarded, its answers noted in the journal unless
// _defaults keeps the closing handlers.
class YesNoDialog : public cScreenTest {
protected:
    cYesNo* open(cView* _guarded = nullptr, bool _defaults = false)
    {
        auto* dialog = new cYesNo(_guarded);
        m_dialog.set(dialog);
        if (!_defaults) {
            dialog->setYesHandler([](cView* _dialog) {
                record("yes");
                cYesNo::closeDialog(_dialog);
            });
            dialog->setNoHandler([](cView* _dialog) {
                record("no");
                cYesNo::closeDialog(_dialog);
            });
        }
        dialog->show();
        dialog->enable();
        return dialog;
    }
    // A shown, enabled screen for the dialog to guard.
    cView* screen()
    {
        cView* view = keep<cView>(nullptr);
        view->show();
        view->enable();
        return view;
    }
    bool dialogAlive() const { return m_dialog.get() != nullptr; }

    cViewWatch m_dialog;
};

TEST_F(YesNoDialog, TheDialogIsTopLevelAndLoadsItsPartsFromItsFile)
{
    cView* guarded = screen();
    cYesNo* dialog = open(guarded);
    EXPECT_EQ(dialog->getParent(), nullptr) << "the guarded view is not the parent";
    EXPECT_EQ(dialog->getPosition(), Vector2(400, 300));
    EXPECT_EQ(dialog->getDeep(), 100.0f);
    EXPECT_EQ(dialog->getYesButton()->getPosition(), Vector2(300, 350));
    EXPECT_EQ(dialog->getNoButton()->getPosition(), Vector2(500, 350));
    EXPECT_EQ(dialog->getText()->getText(), u"Sure?");
    discard(dialog, "test");
    frames(1);
}

TEST_F(YesNoDialog, WithoutHandlersEitherAnswerOnlyClosesTheDialog)
{
    for (std::uint32_t key : {KEY_RETURN, KEY_ESCAPE}) {
        open(nullptr, true);
        keys({key});
        EXPECT_FALSE(dialogAlive()) << "key " << key;
    }
    EXPECT_EQ(takeJournal(), Journal());
}

TEST_F(YesNoDialog, EnterAndSpaceAnswerYesAndEscapeNo)
{
    const std::pair<std::uint32_t, const char*> cases[] = {{KEY_RETURN, "yes"}, {KEY_SPACE, "yes"}, {KEY_ESCAPE, "no"}};
    for (const auto& [key, answer] : cases) {
        open();
        keys({key});
        EXPECT_EQ(takeJournal(), Journal({answer})) << "key " << key;
        EXPECT_FALSE(dialogAlive());
    }
}

TEST_F(YesNoDialog, TheButtonsAnswerWithAClick)
{
    const std::pair<Int, const char*> cases[] = {{300, "yes"}, {500, "no"}};
    for (const auto& [x, answer] : cases) {
        open();
        moveTo(x, 350);
        click();
        EXPECT_EQ(takeJournal(), Journal({answer}));
        EXPECT_FALSE(dialogAlive());
        moveTo(799, 599);
    }
}

TEST_F(YesNoDialog, SeveralAnswersInOneFrameRunOnlyTheFirst)
{
    open();
    keys({KEY_RETURN, KEY_ESCAPE});
    EXPECT_EQ(takeJournal(), Journal({"yes"}));
    EXPECT_FALSE(dialogAlive());

    // A dialog that stays up after an answer can be answered again in a later frame.
    cYesNo* dialog = open();
    dialog->setYesHandler([](cView*) { record("kept"); });
    keys({KEY_SPACE, KEY_RETURN});
    keys({KEY_RETURN});
    EXPECT_EQ(takeJournal(), Journal({"kept", "kept"}));
    discard(dialog, "test");
    frames(1);
}

TEST_F(YesNoDialog, TheGuardedViewStaysDisabledWhileTheDialogIsUp)
{
    cView* guarded = screen();
    open(guarded);
    EXPECT_FALSE(guarded->isEnabled());
    guarded->enable();
    frames(1);
    EXPECT_FALSE(guarded->isEnabled()) << "enabled from elsewhere, disabled again";
    keys({KEY_ESCAPE});
    EXPECT_FALSE(dialogAlive());
    EXPECT_TRUE(guarded->isEnabled());

    cYesNo* dialog = open(guarded);
    dialog->disable();
    EXPECT_TRUE(guarded->isEnabled()) << "a disabled dialog holds nothing";
    guarded->disable();
    discard(dialog, "test");
    frames(1);
    EXPECT_FALSE(guarded->isEnabled()) << "a dialog gives back only what it held";
}

TEST_F(YesNoDialog, AGuardedViewDeletedFirstIsNoLongerGuarded)
{
    auto* guarded = new cView(nullptr);
    guarded->show();
    guarded->enable();
    cYesNo* dialog = open(guarded);
    delete guarded;
    EXPECT_EQ(dialog->getGuardedView(), nullptr);
    frames(1);
    keys({KEY_RETURN});
    EXPECT_EQ(takeJournal(), Journal({"yes"}));
    EXPECT_FALSE(dialogAlive());
}

TEST_F(YesNoDialog, ADialogDiscardedWhileEnabledLeavesNoKeyBound)
{
    cView* guarded = screen();
    cYesNo* dialog = open(guarded);
    discard(dialog, "test");
    frames(1);
    ASSERT_FALSE(dialogAlive());
    EXPECT_TRUE(guarded->isEnabled());
    keys({KEY_RETURN, KEY_SPACE, KEY_ESCAPE});
    EXPECT_EQ(takeJournal(), Journal());
}

} // namespace
