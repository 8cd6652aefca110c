#include "graphics/meshes/Animation.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

// Any bytes either load as an animation that can be posed at any time, with as many or as
// few bind matrices as the mesh happens to have, or fail with an error text; never a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    std::unique_ptr<cAnimation> animation;
    try {
        animation = std::make_unique<cAnimation>("fuzz.anim", reinterpret_cast<const char*>(_data),
            static_cast<ULong>(_size));
    } catch (const String&) {
        return 0;
    }
    const std::size_t nodes = animation->getNodes().size();
    const std::vector<Matrix> binds(_size % 7 + nodes / 2, Matrix::scaling(2, 0.5f, 1));
    for (Float time : {0.0f, 0.3f, -1.5f, 7.25f, animation->getLength()}) {
        animation->setTime(time, &binds);
        if (animation->getMatrices().size() != nodes)
            std::abort();
    }
    return 0;
}
