#pragma once
#include "engine/Types.h"

#include <array>
#include <cstddef>
#include <vector>

// A compiled vertex program of the 1.0/1.1 instruction set, run on the CPU one vertex at a
// time. Sprites hand it their vertices in registers v0 (position), v5 (colour) and v7
// (texture coordinates); it leaves the clip-space position, the colour and the texture
// coordinates in the output registers.
class cVertexShader {
public:
    using tVector = std::array<Float, 4>;

    static const UInt TEMPORARY_COUNT = 12;
    static const UInt INPUT_COUNT = 16;
    static const UInt CONSTANT_COUNT = 96;
    static const UInt COLOUR_OUTPUT_COUNT = 2;
    static const UInt TEXTURE_OUTPUT_COUNT = 8;

    // What a vertex brings in and takes out. Inputs a shader does not receive read as
    // (0, 0, 0, 1); outputs it does not write keep what run() starts them with.
    struct sVertexIO {
        tVector inputs[INPUT_COUNT];
        tVector position;
        tVector colours[COLOUR_OUTPUT_COUNT];
        tVector textures[TEXTURE_OUTPUT_COUNT];
        Float fog = 0, pointSize = 0;
    };

    // Reads the token stream; throws a String when it is not a whole, valid program (wrong
    // version, unknown instruction, register out of range, no end token).
    cVertexShader(const void* _bytes, std::size_t _size);

    // Runs the program over _io with _constants (CONSTANT_COUNT registers). Outputs start
    // as position (0, 0, 0, 1), colours white and texture coordinates (0, 0, 0, 1).
    void run(const tVector* _constants, sVertexIO& _io) const;

private:
    struct sSource {
        UInt type = 0, index = 0;
        unsigned char swizzle[4] = {0, 1, 2, 3};
        Bool negate = false;
        Bool relative = false;
    };
    struct sDestination {
        UInt type = 0, index = 0;
        UInt mask = 0xF;
        Bool saturate = false;
    };
    struct sInstruction {
        UInt opcode = 0;
        sDestination destination;
        sSource sources[3];
    };
    struct sMachine;

    static sSource readSource(UInt _token);
    static sDestination readDestination(UInt _token);
    tVector fetch(const sMachine& _machine, const sSource& _source, UInt _offset = 0) const;
    void store(sMachine& _machine, const sDestination& _destination, const tVector& _value) const;
    tVector execute(const sMachine& _machine, const sInstruction& _instruction) const;

    std::vector<sInstruction> m_program;
};
