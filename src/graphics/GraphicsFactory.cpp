#include "graphics/Graphics.h"
#include "graphics/NullGraphics.h"

namespace graphics {

iGraphics* createGraphics(iWindow* _window)
{
    return new cNullGraphics(_window);
}

} // namespace graphics
