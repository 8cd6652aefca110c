#include "platform/headless/RecordingRasterDevice.h"

#include <algorithm>

namespace {

const UInt DESKTOP_WIDTH = 1280, DESKTOP_HEIGHT = 1024;

} // namespace

cRecordingRasterDevice::cRecordingRasterDevice(eHistory _history, UInt _width, UInt _height)
    : m_history(_history), m_width(_width), m_height(_height)
{
}

UInt cRecordingRasterDevice::createTexture(UInt _width, UInt _height, const UInt* _argb)
{
    sTexture texture;
    texture.width = _width;
    texture.height = _height;
    texture.pixels.assign(_argb, _argb + std::size_t(_width) * _height);
    m_textures[m_nextTexture] = std::move(texture);
    return m_nextTexture++;
}

void cRecordingRasterDevice::releaseTexture(UInt _texture)
{
    auto found = m_textures.find(_texture);
    if (found == m_textures.end())
        return;
    if (m_history == HISTORY_ALL)
        found->second.released = true;
    else
        m_textures.erase(found); // a draw with it still fails: the texture no longer exists

}

void cRecordingRasterDevice::clear(const sClear& _clear)
{
    if (m_state != DEVICE_OK)
        return;
    m_clears.push_back(_clear);
    m_calls.push_back(CALL_CLEAR);
    if (_clear.flags & CLEAR_COLOUR)
        m_lastClearColour = _clear.colour;
}

void cRecordingRasterDevice::draw(const sVertex* _vertices, UInt _count, const UInt* _indices, UInt _indexCount,
                                  const sDrawState& _state)
{
    // The highest index in one branchless pass: the check then costs little beside the copy.
    UInt highest = 0;
    for (UInt i = 0; i < _indexCount; ++i)
        highest = std::max(highest, _indices[i]);
    if (_indexCount > 0 && highest >= _count)
        throw String("Vertex index out of range.");
    // A draw with a released texture is a renderer fault the real device would fail on.
    for (const sTextureStage& stage : _state.stages) {
        auto found = m_textures.find(stage.texture);
        if (stage.texture != 0 && (found == m_textures.end() || found->second.released))
            throw String("Drawing with a texture that does not exist.");
    }
    if (m_state != DEVICE_OK)
        return;
    // The buffers of forgotten draws are refilled: a steady frame then allocates nothing.
    sDraw draw;
    if (!m_spareDraws.empty()) {
        draw = std::move(m_spareDraws.back());
        m_spareDraws.pop_back();
    }
    draw.vertices.assign(_vertices, _vertices + _count);
    draw.indices.assign(_indices, _indices + _indexCount);
    draw.state = _state;
    draw.frame = m_presents;
    m_draws.push_back(std::move(draw));
    m_calls.push_back(CALL_DRAW);
}

Bool cRecordingRasterDevice::present()
{
    if (m_state != DEVICE_OK)
        return false;
    ++m_presents;
    if (m_history == HISTORY_ALL)
        m_calls.push_back(CALL_PRESENT);
    else
        forgetCalls();
    return true;
}

void cRecordingRasterDevice::setMode(eDisplayMode _mode, UInt _width, UInt _height)
{
    m_mode = _mode;
    m_width = _mode == DISPLAY_WINDOWED ? _width : DESKTOP_WIDTH;
    m_height = _mode == DISPLAY_WINDOWED ? _height : DESKTOP_HEIGHT;
}

std::vector<UInt> cRecordingRasterDevice::readPixels(const sDeviceRect& _rect)
{
    return std::vector<UInt>(std::size_t(_rect.width) * _rect.height, m_lastClearColour);
}

eDeviceState cRecordingRasterDevice::getDeviceState()
{
    if (m_state == DEVICE_LOST) {
        if (m_lostPolls > 0)
            --m_lostPolls;
        else
            m_state = DEVICE_NOT_RESET;
        return m_state == DEVICE_NOT_RESET ? DEVICE_NOT_RESET : DEVICE_LOST;
    }
    return m_state;
}

void cRecordingRasterDevice::reset()
{
    if (m_state == DEVICE_LOST)
        throw String("The device can't be reset yet.");
    m_state = DEVICE_OK;
    m_calls.push_back(CALL_RESET);
}

void cRecordingRasterDevice::simulateLoss(UInt _polls)
{
    m_state = DEVICE_LOST;
    m_lostPolls = _polls;
}

void cRecordingRasterDevice::forgetCalls()
{
    m_clears.clear();
    for (sDraw& draw : m_draws)
        m_spareDraws.push_back(std::move(draw));
    m_draws.clear();
    m_calls.clear();
}
