#include "graphics/GraphicsFactory.h"

#include "graphics/GraphicsImpl.h"
#include "platform/Platform.h"

namespace graphics {

namespace {

fGraphicsMaker& maker()
{
    static fGraphicsMaker s_maker = nullptr;
    return s_maker;
}

} // namespace

void setGraphicsMaker(fGraphicsMaker _maker)
{
    maker() = _maker;
}

iGraphics* createGraphics(iWindow* _window)
{
    if (maker())
        return maker()(_window);
    iPlatform* platform = iPlatform::getInstance();
    if (!platform || !_window)
        throw "Can't create Direct3D.";
    return new cGraphics(platform->createRasterDevice(), *_window, platform->getSystem());
}

} // namespace graphics
