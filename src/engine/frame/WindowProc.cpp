#include "engine/frame/WindowProc.h"

#include "engine/frame/Logic.h"
#include "engine/settings/Settings.h"
#include "engine/resources/SoundManager.h"
#include "input/Input.h"
#include "platform/Platform.h"

namespace {

void pauseSound(Bool _pause)
{
    if (cSoundManager* sound = cSoundManager::getInstance())
        sound->setPause(_pause);
}

void deactivate()
{
    if (cInput* input = cInput::getInstance())
        input->unacquireDevices();
    if (cLogic* logic = cLogic::getInstance())
        logic->setInactive(true);
    pauseSound(true);
}

void activate()
{
    if (cInput* input = cInput::getInstance())
        input->acquireDevices();
    if (cLogic* logic = cLogic::getInstance())
        logic->setInactive(false);
    pauseSound(false);
}

void onClose(const sWindowEvent&)
{
    if (iPlatform* platform = iPlatform::getInstance())
        platform->getWindow().postQuit(0);
}

void onActivate(const sWindowEvent& _event)
{
    // Focus that comes back to a window still shown as an icon changes nothing.
    if (!_event.m_minimised)
        activate();
}

void setMinimized(Bool _minimized)
{
    if (cLogic* logic = cLogic::getInstance())
        logic->setMinimized(_minimized);
}

void onChar(const sWindowEvent& _event)
{
    if (cInput* input = cInput::getInstance())
        input->pushChar(char16_t(_event.m_char));
}

void onMouseMove(const sWindowEvent&)
{
    Bool showCursor = false;
    if (cSettings* settings = cSettings::getInstance())
        settings->getPropertyT("graphics", "ShowSysCursor", showCursor);
    if (iPlatform* platform = iPlatform::getInstance())
        platform->getWindow().showCursor(showCursor);
}

void ignore(const sWindowEvent&) {}

using fEventHandler = void (*)(const sWindowEvent& _event);

// Indexed by eWindowEvent.
const fEventHandler s_handlers[] = {
    /* WE_CLOSE          */ onClose,
    /* WE_QUIT           */ ignore,
    /* WE_ACTIVATE       */ onActivate,
    /* WE_DEACTIVATE     */ [](const sWindowEvent&) { deactivate(); },
    /* WE_APP_ACTIVATE   */ [](const sWindowEvent&) { activate(); },
    /* WE_APP_DEACTIVATE */ [](const sWindowEvent&) { deactivate(); },
    /* WE_MINIMISE       */ [](const sWindowEvent&) { setMinimized(true); },
    /* WE_RESTORE        */ [](const sWindowEvent&) { setMinimized(false); },
    /* WE_MAXIMISE       */ [](const sWindowEvent&) { setMinimized(false); },
    /* WE_CHAR           */ onChar,
    /* WE_MOUSE_MOVE     */ onMouseMove,
};

} // namespace

void windowProc(const sWindowEvent& _event)
{
    if (_event.m_type < sizeof(s_handlers) / sizeof(s_handlers[0]))
        s_handlers[_event.m_type](_event);
}
