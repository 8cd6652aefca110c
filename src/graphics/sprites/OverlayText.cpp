#include "graphics/sprites/OverlayText.h"

#include "graphics/sprites/Font.h"
#include "graphics/sprites/OverlayFontData.h"
#include "platform/devices/RasterDevice.h"

namespace {

// Letters the font lacks show as this one.
const char16_t MISSING = u'?';

} // namespace

cOverlayText::cOverlayText()
    : m_font(std::make_unique<cFont>("overlay", overlayFont::FONT_FILE, ULong(overlayFont::FONT_FILE_SIZE)))
{
}

cOverlayText::~cOverlayText() = default;

void cOverlayText::textOut(const WString& _string)
{
    m_text += _string;
    m_text += u'\n';
}

void cOverlayText::release(iRasterDevice& _device)
{
    if (m_texture)
        _device.releaseTexture(m_texture);
    m_texture = 0;
}

void cOverlayText::addLetter(char16_t _character, Float& _penX, Float _top, UInt _colour)
{
    sGlyph glyph;
    if (!m_font->getLetter(_character, glyph) && !m_font->getLetter(MISSING, glyph))
        return;
    const Float width = Float(overlayFont::PICTURE_WIDTH), height = Float(overlayFont::PICTURE_HEIGHT);
    const Float cellWidth = (glyph.right - glyph.left) * width;
    const Float advance = glyph.advance * width;
    // The cell is centred on the pen's step; Direct3D pixel centres sit on whole numbers.
    const Float left = _penX + (advance - cellWidth) / 2 - 0.5f, right = left + cellWidth;
    const Float top = _top - 0.5f, bottom = top + (glyph.top - glyph.bottom) * height;
    const Float xs[4] = {left, right, left, right}, ys[4] = {top, top, bottom, bottom};
    const Float us[2] = {glyph.left, glyph.right}, vs[2] = {1 - glyph.top, 1 - glyph.bottom};
    const UInt base = UInt(m_vertices.size());
    for (int corner = 0; corner < 4; ++corner) {
        sVertex vertex;
        vertex.x = xs[corner];
        vertex.y = ys[corner];
        vertex.colour = _colour;
        vertex.u0 = us[corner % 2];
        vertex.v0 = vs[corner / 2];
        m_vertices.push_back(vertex);
    }
    for (UInt index : {0u, 2u, 1u, 1u, 2u, 3u})
        m_indices.push_back(base + index);
    _penX += advance;
}

void cOverlayText::draw(iRasterDevice& _device, UInt _colour)
{
    if (m_text.empty())
        return;
    if (!m_texture) {
        std::vector<UInt> pixels(std::size_t(overlayFont::PICTURE_WIDTH) * overlayFont::PICTURE_HEIGHT);
        for (std::size_t pixel = 0; pixel < pixels.size(); ++pixel)
            pixels[pixel] = UInt(overlayFont::PICTURE_ALPHA[pixel]) << 24 | 0xFFFFFF;
        m_texture = _device.createTexture(overlayFont::PICTURE_WIDTH, overlayFont::PICTURE_HEIGHT, pixels.data());
    }
    sGlyph line;
    m_font->getLetter(MISSING, line);
    const Float lineHeight = (line.top - line.bottom) * Float(overlayFont::PICTURE_HEIGHT);
    m_vertices.clear();
    m_indices.clear();
    Float penX = 0, top = 0;
    for (char16_t c : m_text) {
        if (c == u'\n') {
            penX = 0;
            top += lineHeight;
        } else {
            addLetter(c, penX, top, _colour);
        }
    }
    m_text.clear();
    if (m_indices.empty())
        return;
    sDrawState state;
    state.stages[0].texture = m_texture;
    state.stages[1].colourOp = state.stages[1].alphaOp = STAGE_DISABLE;
    _device.draw(m_vertices.data(), UInt(m_vertices.size()), m_indices.data(), UInt(m_indices.size()), state);
}
