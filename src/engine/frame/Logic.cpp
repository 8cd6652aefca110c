#include "engine/frame/Logic.h"

#include "Ui/controls/Control.h"
#include "Ui/views/UI.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/settings/Settings.h"
#include "engine/frame/Timer.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "platform/Platform.h"

#include <vector>

namespace {

constexpr eControl KEY_LEFT_ALT = 0x38;
constexpr eControl KEY_RIGHT_ALT = 0xB8;
constexpr eControl KEY_PRINT_SCREEN = 0xB7;
// An inactive game gives the machine back; the window is still redrawn each frame.
constexpr UInt INACTIVE_SLEEP = 50;

struct sGlobalBinding {
    eControl control;
    fHandler handler;
};

const sGlobalBinding s_bindings[] = {
    {CONTROL_KEY_PRESSED + KEY_LEFT_ALT, &cLogic::onAltDown},
    {CONTROL_KEY_PRESSED + KEY_RIGHT_ALT, &cLogic::onAltDown},
    {KEY_LEFT_ALT, &cLogic::onAltUp},
    {KEY_RIGHT_ALT, &cLogic::onAltUp},
    {KEY_PRINT_SCREEN, &cLogic::onPrinScreen},
};

} // namespace

cLogic::cLogic()
{
    GUARD_BEGIN
    m_ui = std::make_unique<cUI>();
    if (cInput* input = cInput::getInstance())
        for (const sGlobalBinding& binding : s_bindings)
            input->bind(binding.control, binding.handler, nullptr);
    GUARD_END("cLogic::cLogic()")
}

cLogic::~cLogic()
{
    if (cInput* input = cInput::getInstance()) {
        for (const sGlobalBinding& binding : s_bindings)
            input->unbind(binding.control, binding.handler, nullptr);
        input->unbind(KEY_RETURN, &cLogic::onEnter, nullptr);
    }
    try {
        cUI::shutAfterAll();
    } catch (...) {
        // A destructor never throws; what could not be deleted is gone with the process.
    }
    m_tasks.clear();
    m_ui.reset();
}

void cLogic::process()
{
    GUARD_BEGIN
    if (!m_minimized) {
        updateSysCursor();
        if (cTimer* timer = cTimer::getInstance())
            timer->process();
        if (cInput* input = cInput::getInstance())
            input->process();
        if (!m_inactive) {
            cUI::processViews();
            cUI::advanceFades(cTimer::exists() ? cTimer::getInstance()->getFrameTime() : 0.0f);
            processSleepingTasks();
            if (m_callback)
                m_callback();
        } else if (iPlatform* platform = iPlatform::getInstance()) {
            platform->getSystem().sleep(INACTIVE_SLEEP);
        }
        GUARD_BEGIN
        if (iGraphics* gr = iGraphics::getInstance()) {
            gr->beginRender();
            cUI::drawControls(&cLogic::draw);
            gr->endRender();
        }
        GUARD_END("gr->beginRender();gr->endRender()")
    }
    cScavenger::free();
    GUARD_END("void cLogic::process()")
}

void cLogic::processSleepingTasks()
{
    // A task added by another task during this walk waits for the next frame.
    const std::uint64_t end = m_nextTask;
    std::vector<std::uint64_t> done;
    for (auto entry = m_tasks.begin(); entry != m_tasks.end() && entry->first < end; ++entry)
        if (entry->second->process())
            done.push_back(entry->first);
    for (std::uint64_t number : done)
        m_tasks.erase(number);
}

void cLogic::addSleepingTask(cSleepingTask* _task)
{
    std::unique_ptr<cSleepingTask> task(_task);
    if (task)
        m_tasks.emplace(m_nextTask++, std::move(task));
}

void cLogic::updateSysCursor()
{
    iPlatform* platform = iPlatform::getInstance();
    iGraphics* gr = iGraphics::getInstance();
    if (!platform || !gr)
        return;
    Int x = 0;
    Int y = 0;
    if (!platform->getWindow().getCursorPosition(x, y))
        return;
    const sPixelRect window = gr->getWindowRect();
    m_cursor = gr->screenToLogical(Vector2(Float(x - window.left), Float(y - window.top)));
}

void cLogic::draw(cView* _view)
{
    // Only controls enter the draw set; anything else there has nothing to show.
    cControl* control = _view ? _view->asControl() : nullptr;
    iGraphics* gr = iGraphics::getInstance();
    if (!control || !gr)
        return;
    if (control->getMesh()) {
        gr->render(control->getUnit());
        return;
    }
    const iGraphics::sSprite& sprite = control->getSprite();
    gr->render(sprite, control->getTexture(), control->getRenderType());
    if (control->getDoubleAnimRender())
        gr->render(control->getSecondSprite(), control->getTexture(), control->getRenderType());
}

void cLogic::quit()
{
    if (iPlatform* platform = iPlatform::getInstance())
        platform->getWindow().postQuit(0);
}

void cLogic::onAltDown(cView*)
{
    if (cInput* input = cInput::getInstance())
        input->bind(KEY_RETURN, &cLogic::onEnter, nullptr);
}

void cLogic::onAltUp(cView*)
{
    if (cInput* input = cInput::getInstance())
        input->unbind(KEY_RETURN, &cLogic::onEnter, nullptr);
}

void cLogic::onEnter(cView*)
{
    GUARD_BEGIN
    if (cSettings* settings = cSettings::getInstance()) {
        Bool fullscreen = false;
        settings->getPropertyT("graphics", "fullscreen", fullscreen);
        settings->setPropertyT("graphics", "fullscreen", !fullscreen);
    }
    if (iGraphics* gr = iGraphics::getInstance())
        gr->setNeedReset(true);
    GUARD_END("void cLogic::onEnter(cView *)")
}

void cLogic::onPrinScreen(cView*)
{
    GUARD_BEGIN
    // A picture that cannot be written (a full disk, a read-only folder) is no reason to end
    // the game.
    if (iGraphics* gr = iGraphics::getInstance()) {
        try {
            gr->screenshot();
        } catch (const String& _error) {
            logError("The screenshot was not taken:\n" + _error);
        }
    }
    GUARD_END("void cLogic::onPrinScreen(cView *)")
}
