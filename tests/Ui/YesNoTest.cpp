#include "ScreenHarness.h"

#include "Ui/MultilineText.h"
#include "Ui/Scavenger.h"
#include "Ui/YesNo.h"
#include "input/Control.h"

namespace {

using Journal = std::vector<std::string>;

// A dialog up on the screen, its answers noted in the journal unless _closeOnly.
class YesNoDialog : public cScreenTest {
protected:
    cYesNo* open(cView* _guarded = nullptr, bool _closeOnly = false)
    {
        auto* dialog = new cYesNo(_guarded);
        m_dialog.set(dialog);
        if (!_closeOnly) {
            dialog->setYesHandler([](cView* _dialog) { record("yes"); cYesNo::closeDialog(_dialog); });
            dialog->setNoHandler([](cView* _dialog) { record("no"); cYesNo::closeDialog(_dialog); });
        }
        dialog->show();
        dialog->enable();
        return dialog;
    }
    cView* screen()
    {
        cView* view = keep<cView>();
        view->show();
        view->enable();
        return view;
    }

    cViewWatch m_dialog;
};

TEST_F(YesNoDialog, ATopLevelDialogFromItsFile)
{
    cYesNo* dialog = open(screen());
    EXPECT_EQ(dialog->getParent(), nullptr);
    EXPECT_EQ(dialog->getPosition(), Vector2(400, 300));
    EXPECT_EQ(dialog->getNoButton()->getPosition(), Vector2(500, 350));
    EXPECT_EQ(dialog->getText()->getText(), u"Sure?");
    keys({KEY_RETURN});
}

TEST_F(YesNoDialog, KeysAndButtonsAnswerAndTheDialogCloses)
{
    const std::pair<std::uint32_t, const char*> keyed[] = {{KEY_RETURN, "yes"}, {KEY_SPACE, "yes"}, {KEY_ESCAPE, "no"}};
    for (const auto& [key, answer] : keyed) {
        open();
        keys({key});
        EXPECT_EQ(takeJournal(), Journal({answer})) << key;
        EXPECT_FALSE(m_dialog) << key;
    }
    const std::pair<Int, const char*> clicked[] = {{300, "yes"}, {500, "no"}};
    for (const auto& [x, answer] : clicked) {
        open();
        moveTo(x, 350);
        press();
        press(false);
        moveTo(799, 599);
        EXPECT_EQ(takeJournal(), Journal({answer})) << x;
        EXPECT_FALSE(m_dialog) << x;
    }
    for (std::uint32_t key : {KEY_RETURN, KEY_ESCAPE}) {
        open(nullptr, true);
        keys({key});
        EXPECT_FALSE(m_dialog) << "closed without handlers, key " << key;
    }
}

TEST_F(YesNoDialog, SeveralAnswersInOneFrameRunOnlyTheFirst)
{
    open();
    keys({KEY_RETURN, KEY_ESCAPE});
    EXPECT_EQ(takeJournal(), Journal({"yes"}));
    cYesNo* kept = open();
    kept->setYesHandler([](cView*) { record("kept"); });
    keys({KEY_SPACE, KEY_RETURN});
    keys({KEY_RETURN});
    EXPECT_EQ(takeJournal(), Journal({"kept", "kept"})) << "a dialog left up answers again in a later frame";
    discard(kept, "test");
    wait(0.02f);
}

TEST_F(YesNoDialog, TheGuardedViewStaysDisabledUntilTheDialogGoes)
{
    cView* guarded = screen();
    open(guarded);
    guarded->enable();
    wait(0.02f);
    EXPECT_FALSE(guarded->isEnabled()) << "enabled from elsewhere, disabled again";
    keys({KEY_ESCAPE});
    EXPECT_TRUE(guarded->isEnabled());

    cYesNo* dialog = open(guarded);
    dialog->disable();
    guarded->disable();
    discard(dialog, "test");
    wait(0.02f);
    EXPECT_FALSE(guarded->isEnabled()) << "a dialog gives back only what it holds";
}

TEST_F(YesNoDialog, AGuardedViewDeletedFirstIsNoLongerGuarded)
{
    auto* guarded = new cView(nullptr);
    cYesNo* dialog = open(guarded);
    delete guarded;
    EXPECT_EQ(dialog->getGuardedView(), nullptr);
    keys({KEY_RETURN});
    EXPECT_FALSE(m_dialog);
}

TEST_F(YesNoDialog, ADialogDiscardedWhileEnabledLeavesNoKeyBound)
{
    discard(open(), "test");
    wait(0.02f);
    keys({KEY_RETURN, KEY_SPACE, KEY_ESCAPE});
    EXPECT_EQ(takeJournal(), Journal());
}

} // namespace
