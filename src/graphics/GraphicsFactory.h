#pragma once
#include "graphics/Graphics.h"

namespace graphics {

// Makes the renderer in place of the real one: tests of the engine that count frames give a
// renderer of their own. Null restores the real one.
using fGraphicsMaker = iGraphics* (*)(iWindow* _window);
void setGraphicsMaker(fGraphicsMaker _maker);

} // namespace graphics
