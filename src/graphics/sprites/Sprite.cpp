#include "graphics/sprites/Sprite.h"

iGraphics::sSprite::sSprite(const sSprite& _other)
    : subdivision(_other.subdivision), left(_other.left), top(_other.top), right(_other.right),
      bottom(_other.bottom), constants(_other.constants)
{
    for (int i = 0; i < 4; ++i)
        corners[i] = _other.corners[i];
    setShader(_other.shader);
}

iGraphics::sSprite& iGraphics::sSprite::operator=(const sSprite& _other)
{
    if (this == &_other)
        return *this;
    for (int i = 0; i < 4; ++i)
        corners[i] = _other.corners[i];
    subdivision = _other.subdivision;
    left = _other.left;
    top = _other.top;
    right = _other.right;
    bottom = _other.bottom;
    constants = _other.constants;
    setShader(_other.shader);
    return *this;
}

iGraphics::sSprite::~sSprite()
{
    if (shader)
        shader->release();
}

void iGraphics::sSprite::setShader(iResource* _shader)
{
    if (_shader)
        _shader->addRef();
    if (shader)
        shader->release();
    shader = _shader;
}
