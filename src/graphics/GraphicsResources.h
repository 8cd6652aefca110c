#pragma once
#include "engine/Singleton.h"
#include "engine/Types.h"

// A vertex shader's handle; 0 for none.
using SHADER = UInt;

// What resources ask of the renderer to make and free their device objects.
class iGraphicsResources : public cSingleton<iGraphicsResources> {
public:
    // A texture of _width x _height ARGB pixels; returns the device's id.
    virtual UInt createTexture(UInt _width, UInt _height, const UInt* _argb) = 0;
    virtual void releaseTexture(UInt _texture) = 0;
    // The shader is kept for its owner; nothing draws through it.
    virtual void getResource(const void* _bytes, const ULong& _size, SHADER& _handle) = 0;
    virtual void releaseResource(const SHADER& _res) = 0;
};
