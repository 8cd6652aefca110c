#pragma once
#include "graphics/Graphics.h"
#include "graphics/meshes/Lighting.h"
#include "graphics/meshes/Matrix.h"

class iMesh;
class cAnimation;

// The mesh record a control hands to the renderer; the renderer keeps a pointer to it until
// the end of the frame.
struct iGraphics::sUnit {
    iMesh* mesh = nullptr;
    cAnimation* animation = nullptr; // null for a static mesh
    cTexture* texture = nullptr;
    UInt reserved = 0; // set to 0 by its makers, read by nobody
    Float time = 0;    // the animation clock
    Matrix world = Matrix::identity();
    sMaterial material;
    Bool lighting = false;
};
