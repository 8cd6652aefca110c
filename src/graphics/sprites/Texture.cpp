#include "graphics/sprites/Texture.h"

#include "engine/logs/ErrorStack.h"
#include "graphics/WholeFile.h"
#include "graphics/GraphicsResources.h"
#include "platform/images/ImageLoader.h"
#include "platform/images/TextureFit.h"

namespace {

iGraphicsResources& resources()
{
    iGraphicsResources* graphics = iGraphicsResources::getInstance();
    if (!graphics)
        throw "Graphics not created.";
    return *graphics;
}

} // namespace

iResource* cTexture::make(const String& _path)
{
    return new cTexture(_path);
}

cTexture::cTexture(const String& _name) : cResource(_name)
{
    GUARD_BEGIN
    load(_name);
    GUARD_END("cTexture::cTexture(const String& name )")
}

cTexture::~cTexture()
{
    releaseTexture();
}

void cTexture::releaseTexture()
{
    if (m_texture && iGraphicsResources::exists())
        iGraphicsResources::getInstance()->releaseTexture(m_texture);
    m_texture = 0;
}

void cTexture::preUpdate()
{
    releaseTexture();
}

void cTexture::update()
{
    load(getName());
}

void cTexture::load(const String& _name)
{
    GUARD_BEGIN
    const std::vector<char> bytes = readWholeFile(_name);
    const sImage image = loadImage(bytes.data(), bytes.size(), _name);
    const sTextureFit fit = fitTexture(image.width, image.height);
    const sImage padded = padImage(image, fit);
    const UInt texture = resources().createTexture(padded.width, padded.height, padded.pixels.data());
    releaseTexture();
    m_texture = texture;
    m_imageWidth = image.width;
    m_imageHeight = image.height;
    m_textureWidth = fit.textureWidth;
    m_textureHeight = fit.textureHeight;
    m_uScale = fit.uScale;
    m_vScale = fit.vScale;
    m_halfTexelU = fit.halfTexelU;
    m_halfTexelV = fit.halfTexelV;
    GUARD_END("void cTexture::load(const String& name )")
}
