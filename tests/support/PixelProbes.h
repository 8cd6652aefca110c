#pragma once
#include "support/ImageFixtures.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>

// A few probe pixels read back, each {colour, x, y}, like a display test under Xvfb: every
// colour channel within _tolerance of the expected one.
inline void expectPixels(const std::function<UInt(UInt, UInt)>& _read,
    std::initializer_list<std::array<UInt, 3>> _probes, int _tolerance)
{
    for (const auto& probe : _probes) {
        const UInt actual = _read(probe[1], probe[2]);
        EXPECT_LE(channelDistance(probe[0], actual, false), _tolerance)
            << "pixel " << probe[1] << "," << probe[2] << std::hex << " is " << actual << ", not " << probe[0];
    }
}
