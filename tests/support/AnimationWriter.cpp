#include "support/AnimationWriter.h"
#include "support/MeshWriter.h"

std::string writeAnimationFile(float _length, const std::vector<sTestNode>& _nodes)
{
    std::string file = kAlemTag + u32Bytes(static_cast<std::uint32_t>(_nodes.size())) + f32Bytes(_length);
    for (const sTestNode& node : _nodes) {
        file += u32Bytes(static_cast<std::uint32_t>(node.keys.size())) + u32Bytes(node.parent);
        for (const sTestKey& key : node.keys)
            file += matrixBytes(key.matrix) + f32Bytes(key.time);
        file += kAlemTag;
    }
    return file;
}
