#pragma once
#include "engine/Types.h"
#include "platform/images/Image.h"

// Where an image sits in a power-of-two texture: at the top left, the rest transparent.
struct sTextureFit {
    UInt textureWidth = 1, textureHeight = 1;
    Float uScale = 1, vScale = 1;         // image size / texture size
    Float halfTexelU = 0, halfTexelV = 0; // 0.5 / texture size
};

// The smallest power of two not below _value, counting from 1.
UInt nextPowerOfTwo(UInt _value);

sTextureFit fitTexture(UInt _imageWidth, UInt _imageHeight);

// The image copied into the top left of a fresh texture-sized picture.
sImage padImage(const sImage& _image, const sTextureFit& _fit);
