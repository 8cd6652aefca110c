#pragma once
#include "engine/Types.h"
#include "platform/DrawState.h"

#include <vector>

class iRasterDevice;

// The frame's overlay text (statistics and whatever the frame added), drawn at the top left
// of the back buffer in a small built-in vector font.
class cOverlayText {
public:
    // Appends _string and a line break.
    void textOut(const WString& _string);
    const WString& getText() const { return m_text; }
    Bool isEmpty() const { return m_text.empty(); }

    // Draws the whole text and empties it.
    void draw(iRasterDevice& _device, UInt _colour);

private:
    WString m_text;
    std::vector<char> m_quads;
    std::vector<sVertex> m_vertices;
    std::vector<UInt> m_indices;
};
