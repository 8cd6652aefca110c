#pragma once
#include "engine/Types.h"

#include <array>
#include <vector>

// A colour with straight alpha, each channel 0 to 1.
using tColour = std::array<Float, 4>;

struct sPoint {
    Float x = 0, y = 0;
};

enum class eShape { Rect, Ellipse, Polygon, Path, Text };

// One layer of a picture: a shape and how it is painted, in the frame's pixels (y down).
struct sLayer {
    UInt line = 0; // of the description, for messages
    eShape shape = eShape::Rect;
    // Rect: x, y, w, h; Ellipse: cx, cy, rx, ry; Text: cx, cy, size.
    std::array<Float, 4> box{};
    std::vector<sPoint> points; // Polygon corners, Path points
    Float radius = 0; // Rect corners, Path half thickness
    String text, font = "sans";

    Bool filled = false;
    tColour fillTop{}, fillBottom{}; // a vertical gradient over the shape
    Bool outlined = false;
    tColour outline{};
    Float outlineWidth = 2;
    Float shadow = 0; // softness of the shadow, pixels
    Float drop = -1; // how far the shadow falls; below 0, in proportion to its softness
    tColour shadowColour{0, 0, 0, 0.3f};
    Float bevel = 0; // width of the lit rim
    Bool gloss = false;
    Float alpha = 1;

    Float rotation = 0, spin = 0; // degrees; spin is added once per frame
    Bool pivotSet = false;
    sPoint pivot;
    sPoint step; // moved by this much per frame
    Int onlyFrame = -1;
    UInt repeat = 1;
    sPoint repeatStep;
};

// A picture file: frames of one size in a grid, each drawn from the same layers.
struct sPicture {
    UInt line = 0;
    String path;
    UInt frameWidth = 0, frameHeight = 0;
    UInt columns = 1, rows = 1, frames = 1;
    // Four frames of a button: normal, hover (lighter), pressed (darker, one pixel down and
    // right) and disabled (grey).
    Bool states = false;
    Bool background = false;
    tColour backgroundColour{};
    std::vector<sLayer> layers;
    UInt width() const { return frameWidth * columns; }
    UInt height() const { return frameHeight * rows; }
};

// A mesh file made by the maker, with the picture it is textured with.
struct sMeshOrder {
    UInt line = 0;
    String path, kind;
};

struct sDescription {
    std::vector<sPicture> pictures;
    std::vector<sMeshOrder> meshes;
};

// Reads a description; throws a String "<_name>:<line>: <what is wrong>" at the first fault.
sDescription parseDescription(const String& _text, const String& _name);
