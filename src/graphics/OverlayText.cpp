#include "graphics/OverlayText.h"

#include "platform/RasterDevice.h"

#include <stb_easy_font.h>

#include <algorithm>
#include <cstring>

namespace {

// The built-in font's glyphs are tiny; doubled they read like a 16-pixel system font.
const Float SCALE = 2;
const int BYTES_PER_VERTEX = 16; // x, y, z as floats, then four colour bytes
// The font's own worst case per character is below this.
const std::size_t BYTES_PER_CHARACTER = 300;

// The font knows printable ASCII only; anything else shows as a question mark.
String toAscii(const WString& _text)
{
    String ascii;
    ascii.reserve(_text.size());
    for (char16_t c : _text)
        ascii += (c == u'\n' || (c >= 0x20 && c < 0x7F)) ? char(c) : '?';
    return ascii;
}

} // namespace

void cOverlayText::textOut(const WString& _string)
{
    m_text += _string;
    m_text += u'\n';
}

void cOverlayText::draw(iRasterDevice& _device, UInt _colour)
{
    String ascii = toAscii(m_text);
    m_text.clear();
    if (ascii.empty())
        return;
    m_quads.resize(ascii.size() * BYTES_PER_CHARACTER);
    unsigned char colour[4] = {(unsigned char)(_colour >> 16), (unsigned char)(_colour >> 8),
                               (unsigned char)_colour, (unsigned char)(_colour >> 24)};
    const int quads = stb_easy_font_print(0, 0, ascii.data(), colour, m_quads.data(), int(m_quads.size()));

    m_vertices.resize(std::size_t(quads) * 4);
    m_indices.resize(std::size_t(quads) * 6);
    for (int i = 0; i < quads * 4; ++i) {
        float position[2];
        std::memcpy(position, &m_quads[std::size_t(i) * BYTES_PER_VERTEX], sizeof position);
        sVertex& vertex = m_vertices[std::size_t(i)];
        vertex.x = position[0] * SCALE;
        vertex.y = position[1] * SCALE;
        vertex.colour = _colour;
    }
    for (int q = 0; q < quads; ++q) {
        const UInt base = UInt(q) * 4;
        const UInt quad[6] = {base, base + 1, base + 2, base, base + 2, base + 3};
        std::copy(quad, quad + 6, &m_indices[std::size_t(q) * 6]);
    }
    sDrawState state;
    state.stages[0].colourOp = state.stages[0].alphaOp = STAGE_SELECT_CURRENT;
    state.stages[1].colourOp = state.stages[1].alphaOp = STAGE_DISABLE;
    if (quads > 0)
        _device.draw(m_vertices.data(), UInt(m_vertices.size()), m_indices.data(), UInt(m_indices.size()), state);
}
