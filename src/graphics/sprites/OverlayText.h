#pragma once
#include "engine/Types.h"
#include "platform/devices/DrawState.h"

#include <memory>
#include <vector>

class cFont;
class iRasterDevice;

// The frame's overlay text (statistics and whatever the frame added), drawn at the top left
// of the back buffer in the bold 16-pixel font baked into the program, through the same font
// lookup as every text of the game, so any letter the game shows shows here too.
class cOverlayText {
public:
    cOverlayText();
    ~cOverlayText();

    // Appends _string and a line break.
    void textOut(const WString& _string);
    const WString& getText() const { return m_text; }
    Bool isEmpty() const { return m_text.empty(); }

    // Draws the whole text and empties it. The font's picture becomes a texture of _device
    // on the first draw.
    void draw(iRasterDevice& _device, UInt _colour);
    // Gives the picture back to the device (before the device goes).
    void release(iRasterDevice& _device);

private:
    void addLetter(char16_t _character, Float& _penX, Float _top, UInt _colour);

    WString m_text;
    std::unique_ptr<cFont> m_font;
    UInt m_texture = 0;
    std::vector<sVertex> m_vertices;
    std::vector<UInt> m_indices;
};
