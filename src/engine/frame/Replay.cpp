#include "engine/frame/Replay.h"

#include "engine/logs/LogManager.h"
#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "platform/images/PngFile.h"

cReplay::cReplay(std::vector<sReplayEvent> _events, iPlatform& _platform)
    : m_events(std::move(_events)), m_platform(_platform)
{
    m_nextInput = next(0, false);
    m_nextShot = next(0, true);
    if (m_nextInput < m_events.size() && !m_platform.getReplayInput())
        throw String("The platform \"") + m_platform.getName() + "\" takes no replayed input.";
}

std::size_t cReplay::next(std::size_t _index, Bool _shot) const
{
    while (_index < m_events.size() && (m_events[_index].action == REPLAY_SHOT) != _shot)
        ++_index;
    return _index;
}

Bool cReplay::feed(UInt _frame)
{
    Bool fed = false;
    for (; m_nextInput < m_events.size() && m_events[m_nextInput].frame <= _frame;
         m_nextInput = next(m_nextInput + 1, false)) {
        const sReplayEvent& event = m_events[m_nextInput];
        iReplayInput& input = *m_platform.getReplayInput();
        switch (event.action) {
        case REPLAY_MOVE:
            input.moveMouse(event.x, event.y);
            break;
        case REPLAY_PRESS:
        case REPLAY_RELEASE:
            input.setButton(event.code, event.action == REPLAY_PRESS);
            break;
        case REPLAY_KEY_DOWN:
        case REPLAY_KEY_UP:
            input.setKey(event.code, event.action == REPLAY_KEY_DOWN);
            break;
        case REPLAY_TEXT:
            input.typeText(event.text);
            break;
        case REPLAY_SHOT:
            break;
        }
        fed = true;
    }
    return fed;
}

void cReplay::shoot(UInt _frame)
{
    for (; m_nextShot < m_events.size() && m_events[m_nextShot].frame <= _frame;
         m_nextShot = next(m_nextShot + 1, true)) {
        const String& file = m_events[m_nextShot].text;
        if (!m_platform.hasPicture()) {
            getLog("replay")->print("Frame " + std::to_string(_frame) + ": shot \"" + file + "\" skipped, the " +
                                    m_platform.getName() + " platform keeps no picture.");
            continue;
        }
        iGraphics* gr = iGraphics::getInstance();
        const sImage picture = gr ? gr->readBackBuffer() : sImage();
        if (picture.pixels.empty())
            throw "Frame " + std::to_string(_frame) + ": no picture for the shot \"" + file + "\".";
        savePng(file, picture);
    }
}
