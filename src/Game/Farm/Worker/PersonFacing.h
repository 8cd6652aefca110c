#pragma once
#include "engine/Types.h"

// Which way the worker faces. Left and right share a direction; facing right mirrors the
// picture.
struct sPersonFacing {
    UInt direction = 2;
    Bool mirror = false;

    Bool operator==(const sPersonFacing& _other) const
    {
        return direction == _other.direction && mirror == _other.mirror;
    }
};

// Walking: one of five directions by the angle from straight up, in steps of a quarter of a
// right angle. A zero move keeps _current.
sPersonFacing walkFacing(const Vector2& _dir, const sPersonFacing& _current);
// Vehicles move along the axes only: up, down or sideways. A zero move keeps _current.
sPersonFacing driveFacing(const Vector2& _dir, const sPersonFacing& _current);
// The frame of the hose strip of _frames frames that sprays along _dir: the last frame for
// anything but below-left, where it turns from straight left (last) to straight down (0).
UInt hoseFrame(const Vector2& _dir, UInt _frames);
