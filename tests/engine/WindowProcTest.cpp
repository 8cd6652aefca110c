#include "engine/Settings.h"
#include "engine/SoundManager.h"
#include "engine/WindowProc.h"
#include "input/Input.h"
#include "support/EngineHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(WindowProc, ActivationReachesInputFrameDriverAndSound)
{
    const struct {
        const char* name;
        eWindowEvent event;
        bool startInactive, inactiveAfter;
    } cases[] = {{"focus lost", WE_DEACTIVATE, false, true}, {"app to background", WE_APP_DEACTIVATE, false, true},
        {"focus gained", WE_ACTIVATE, true, false}, {"app to foreground", WE_APP_ACTIVATE, true, false},
        {"minimise keeps inactive", WE_MINIMISE, true, true}, {"mouse move keeps inactive", WE_MOUSE_MOVE, true, true}};
    for (const auto& c : cases) {
        cEngineHarness harness;
        if (c.startInactive)
            harness.send(WE_DEACTIVATE);
        harness.send(c.event);
        EXPECT_EQ(harness.logic().isInactive(), c.inactiveAfter) << c.name;
        EXPECT_EQ(harness.platform().getHeadlessKeyboard().isAcquired(), !c.inactiveAfter) << c.name;
        EXPECT_EQ(harness.platform().getHeadlessMouse().isAcquired(), !c.inactiveAfter) << c.name;
        EXPECT_EQ(cSoundManager::getInstance()->isPaused(), c.inactiveAfter) << c.name << ": sound pauses with the game";
    }
}

TEST(WindowProc, MinimiseAndRestoreSetTheMinimisedFlagAndFocusOnAMinimisedWindowChangesNothing)
{
    cEngineHarness harness;
    harness.send(WE_DEACTIVATE);
    sWindowEvent event;
    event.m_type = WE_ACTIVATE;
    event.m_minimised = true;
    harness.send(event);
    EXPECT_TRUE(harness.logic().isInactive());
    EXPECT_FALSE(harness.platform().getHeadlessKeyboard().isAcquired());
    harness.send(WE_MINIMISE);
    EXPECT_TRUE(harness.logic().isMinimized());
    harness.send(WE_RESTORE);
    EXPECT_FALSE(harness.logic().isMinimized());
    harness.send(WE_MINIMISE);
    harness.send(WE_MAXIMISE);
    EXPECT_FALSE(harness.logic().isMinimized());
}

TEST(WindowProc, CloseEndsTheMessageLoop)
{
    cEngineHarness harness;
    // Should the close be lost, the limit still ends the loop and the count tells.
    harness.engine().setFrameLimit(50);
    harness.window().pushEvent(sWindowEvent{}); // WE_CLOSE
    harness.engine().process();
    EXPECT_EQ(harness.engine().getFrameCount(), 0u);
}

std::vector<char16_t> s_typed;

void recordChar(char16_t _char, cView*)
{
    s_typed.push_back(_char);
}

TEST(WindowProc, TypedControlCharactersReachTheCharacterHandlers)
{
    cEngineHarness harness;
    s_typed.clear();
    cInput::getInstance()->bindKeyboard(&recordChar, nullptr);
    harness.window().pushCharacter(8);
    harness.window().pushCharacter(u'a');
    harness.window().postQuit(0);
    harness.engine().process();
    harness.frame();
    EXPECT_EQ(s_typed, (std::vector<char16_t>{8, u'a'}));
}

TEST(WindowProc, MouseMoveShowsTheSystemCursorOnlyWhenTheSettingsAskForIt)
{
    cEngineHarness harness;
    harness.send(WE_MOUSE_MOVE);
    EXPECT_FALSE(harness.window().isCursorShown());
    cSettings::getInstance()->setPropertyT("graphics", "ShowSysCursor", true);
    harness.send(WE_MOUSE_MOVE);
    EXPECT_TRUE(harness.window().isCursorShown());
}

} // namespace
