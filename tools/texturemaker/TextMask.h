#pragma once
#include "Description.h"

// A coverage grid (0 to 1) over a rectangle of a frame: pixel (x, y) of the frame is
// cover[(y - top) * width + (x - left)].
struct sMask {
    Int left = 0, top = 0;
    UInt width = 0, height = 0;
    std::vector<Float> cover;
};

// The layer's text in DejaVu, centred on its point, with the size as the letters' em
// height; throws a String when the font is missing.
sMask renderText(const sLayer& _layer);

// The TrueType file a font name of the description stands for, or "" for none.
String fontFile(const String& _font);
// Every font name a description may use, for a message.
String faceNames();
