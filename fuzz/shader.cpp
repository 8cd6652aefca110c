#include "graphics/shaders/VertexShader.h"

#include <cstdint>
#include <vector>

// Any bytes either make a vertex program or fail with a text; a program made runs over a
// vertex without reading or writing outside its registers, whatever its addressing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    try {
        const cVertexShader shader(_data, _size);
        std::vector<cVertexShader::tVector> constants(cVertexShader::CONSTANT_COUNT, {1.5f, -2, 0.25f, 1e30f});
        cVertexShader::sVertexIO io;
        for (cVertexShader::tVector& input : io.inputs)
            input = {0.5f, -40, 3, 1};
        shader.run(constants.data(), io);
    } catch (const String&) {
    }
    return 0;
}
