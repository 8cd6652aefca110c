#pragma once
#include "engine/Types.h"
#include "graphics/meshes/Lighting.h"

#include <vector>

class cSettings;

// The renderer's configurable values, as the "graphics" and "lights" sections of the settings
// hold them. Reading leaves a field alone when its key is missing or unreadable, so the
// defaults stand at start and the values in use stand at a reset.
struct sGraphicsParams {
    Int width = 800;
    Int height = 600;
    Bool fullscreen = false;
    UInt reserveSpriteCount = 1024;
    Bool showTriangles = false;
    Bool showFps = false;
    UInt backColor = 0xFF000000; // ARGB
    std::vector<sLight> lights;

    void read(cSettings& _settings);
    // Every key, read or not, so the file written at exit lists them all.
    void save(cSettings& _settings) const;
};
