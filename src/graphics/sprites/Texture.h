#pragma once
#include "engine/resources/Resource.h"

// An image file as a device texture, resource type 0. Images of any size sit at the top
// left of a power-of-two texture; the scales map the image's own 0..1 onto that part.
class cTexture : public cResource {
public:
    explicit cTexture(const String& _name);
    ~cTexture() override;

    UInt getType() const override { return RT_TEXTURE; }
    void preUpdate() override;
    void update() override;

    // A bad or damaged image throws a text naming the file; the texture is then not made.
    void load(const String& _name);

    UInt getTexture() const { return m_texture; }
    Float getUScale() const { return m_uScale; }
    Float getVScale() const { return m_vScale; }
    Float getHalfTexelU() const { return m_halfTexelU; }
    Float getHalfTexelV() const { return m_halfTexelV; }
    UInt getTextureWidth() const { return m_textureWidth; }
    UInt getTextureHeight() const { return m_textureHeight; }
    UInt getImageWidth() const { return m_imageWidth; }
    UInt getImageHeight() const { return m_imageHeight; }

    static iResource* make(const String& _path);

private:
    void releaseTexture();

    UInt m_texture = 0;
    Float m_uScale = 1, m_vScale = 1;
    Float m_halfTexelU = 0, m_halfTexelV = 0;
    UInt m_textureWidth = 0, m_textureHeight = 0;
    UInt m_imageWidth = 0, m_imageHeight = 0;
};
