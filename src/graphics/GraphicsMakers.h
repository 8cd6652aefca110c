#pragma once

// Lets the resource cache make the graphics resources from their paths: textures, shaders,
// fonts, meshes and animations. The renderer registers them when it is created; the engine
// library itself cannot, as it does not link graphics.
void registerGraphicsMakers();
