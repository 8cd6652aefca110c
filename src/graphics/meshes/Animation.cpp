#include "graphics/meshes/Animation.h"
#include "engine/logs/ErrorStack.h"
#include "graphics/meshes/SourceReader.h"

#include <cmath>

namespace {

// A node record without keys: key count, parent, tag.
const ULong kNodeBytes = 12;
const ULong kKeyBytes = 68;

} // namespace

cAnimation::cAnimation(const String& _name, const char* _source, ULong _sourceSize) : cResource(_name)
{
    GUARD_BEGIN
    readNodes(_name, _source, _sourceSize);
    if (!isHierarchySound())
        throw String("Invalid animation format. File:" + _name);
    GUARD_END("cAnimation::cAnimation(const String& name )")
}

void cAnimation::readNodes(const String& _name, const char* _source, ULong _sourceSize)
{
    cSourceReader reader(_source, _sourceSize);
    reader.readTag();
    const ULong count = reader.readU32();
    m_length = reader.readF32();
    // Every node takes at least kNodeBytes, so a damaged count fails here rather than
    // asking for a huge allocation.
    if (!reader.holds(count, kNodeBytes))
        throw "Unexpected end of source";
    m_nodes.resize(count);
    m_matrices.assign(count, Matrix::identity());
    m_applied.assign(count, false);
    for (sNode& node : m_nodes) {
        const ULong keys = reader.readU32();
        node.parent = reader.readU32();
        if (!reader.holds(keys, kKeyBytes))
            throw "Unexpected end of source";
        node.keys.resize(keys);
        for (std::size_t k = 0; k < node.keys.size(); ++k) {
            sKey& key = node.keys[k];
            key.matrix = reader.readMatrix();
            key.time = reader.readF32();
            // Blending divides by the gap between neighbouring keys: times must ascend.
            if (!std::isfinite(key.time) || (k > 0 && key.time < node.keys[k - 1].time))
                throw String("Invalid animation format. File:" + _name);
        }
        reader.readTag();
    }
}

Bool cAnimation::isHierarchySound() const
{
    // 0 not seen, 1 on the chain being followed, 2 known to reach a root.
    std::vector<unsigned char> state(m_nodes.size(), 0);
    for (std::size_t start = 0; start < m_nodes.size(); ++start) {
        std::size_t node = start;
        while (state[node] == 0) {
            state[node] = 1;
            const ULong parent = m_nodes[node].parent;
            if (parent == kNoParent)
                break;
            if (parent >= m_nodes.size() || state[parent] == 1)
                return false;
            node = parent;
        }
        for (node = start; state[node] == 1; node = m_nodes[node].parent) {
            state[node] = 2;
            if (m_nodes[node].parent == kNoParent)
                break;
        }
    }
    return true;
}

Float cAnimation::wrapTime(Float _time) const
{
    // Without a period (a length of zero, negative or not a number) there is nothing to
    // divide by: the pose holds its first moment.
    if (!(m_length > 0) || !std::isfinite(m_length) || !std::isfinite(_time))
        return 0;
    return std::fmod(_time, m_length);
}

Matrix cAnimation::blendKeys(const sNode& _node) const
{
    const auto& keys = _node.keys;
    std::size_t after = 0;
    while (after < keys.size() && !(keys[after].time > m_time))
        ++after;
    if (after == keys.size())
        return keys.back().matrix;
    // Before the first key (a negative time, or a first key after 0) there is nothing to
    // blend from: the first key holds.
    if (after == 0)
        return keys.front().matrix;
    const sKey& a = keys[after - 1];
    const sKey& b = keys[after];
    const Float d = b.time - a.time;
    const Float wa = 1 - (m_time - a.time) / d;
    const Float wb = 1 - (b.time - m_time) / d;
    const Vector3 sa = getMatrixScale(a.matrix), sb = getMatrixScale(b.matrix);
    const Vector3 scale{sa.x * wa + sb.x * wb, sa.y * wa + sb.y * wb, sa.z * wa + sb.z * wb};
    // The plain blend shortens rotated axes (two rows 90 degrees apart blend to 0.707 of
    // their length); the blended scale restores them.
    Matrix blend = a.matrix * wa + b.matrix * wb;
    setMatrixScale(blend, scale);
    return blend;
}

void cAnimation::setTime(Float _time, const std::vector<Matrix>* _bones)
{
    GUARD_BEGIN
    // Any time is a real one, -1 included, so the first pose is always computed.
    if (!_bones || (m_posed && _time == m_time))
        return;
    m_posed = true;
    m_time = wrapTime(_time);
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        m_applied[i] = false;
        m_matrices[i] = m_nodes[i].keys.empty() ? Matrix::identity() : blendKeys(m_nodes[i]);
    }
    for (std::size_t i = 0; i < m_nodes.size(); ++i)
        applyHierarchy(static_cast<UInt>(i));
    applyBindPose(*_bones);
    GUARD_END("void cAnimation::setTime(Float t)")
}

void cAnimation::applyHierarchy(UInt _node)
{
    GUARD_BEGIN
    // Walks up to the first ancestor already in place, then down again, so that a long
    // chain of parents needs no deep recursion. The links were checked when reading.
    m_chain.clear();
    for (ULong node = _node; node != kNoParent && !m_applied[node]; node = m_nodes[node].parent)
        m_chain.push_back(node);
    for (auto it = m_chain.rbegin(); it != m_chain.rend(); ++it) {
        const ULong parent = m_nodes[*it].parent;
        if (parent != kNoParent)
            m_matrices[*it] = m_matrices[*it] * m_matrices[parent];
        m_applied[*it] = true;
    }
    GUARD_END("void cAnimation::applyHierarchy()")
}

void cAnimation::applyBindPose(const std::vector<Matrix>& _bones)
{
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        // A node whose bone the mesh lacks, or whose bind matrix cannot be inverted, keeps
        // its world transform rather than reading past the bones or dividing by zero.
        if (m_nodes[i].keys.empty() || i >= _bones.size())
            continue;
        Matrix inverse = _bones[i];
        if (invertAffineMatrix(inverse))
            m_matrices[i] = inverse * m_matrices[i];
    }
}
