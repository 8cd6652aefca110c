#pragma once
#include "engine/resources/Resource.h"
#include "graphics/meshes/Matrix.h"

#include <vector>

// A keyed skeletal animation, resource type 6: a tree of nodes, each with timed keys that
// hold its full transform relative to its parent. setTime poses the skeleton of a skinned
// mesh; node i drives bone i of the mesh and vertex blend index i.
class cAnimation : public cResource {
public:
    struct sKey {
        Matrix matrix;
        Float time = 0;
    };
    struct sNode {
        // Ascending times; checked when the file is read.
        std::vector<sKey> keys;
        ULong parent = kNoParent;
    };
    static constexpr ULong kNoParent = 0xFFFFFFFF;

    // Parses an animation file's bytes, which stay the caller's; _name names the file in
    // error texts. Loading by path (open through the file manager, read whole, call this)
    // sits with the file manager.
    cAnimation(const String& _name, const char* _source, ULong _sourceSize);

    UInt getType() const override { return RT_ANIMATION; }

    // Computes the pose at _time (wrapped into the period) for a mesh with the bind
    // matrices _bones; does nothing without bones or when _time is the time last computed.
    void setTime(Float _time, const std::vector<Matrix>* _bones);
    // One matrix per node: the bind pose to the animated pose for a keyed node, the world
    // transform for a node without keys. Identity matrices until the first pose is computed,
    // so a unit drawn before that shows its mesh as it was modelled.
    const std::vector<Matrix>& getMatrices() const { return m_matrices; }
    const std::vector<sNode>& getNodes() const { return m_nodes; }
    Float getLength() const { return m_length; }

private:
    void readNodes(const String& _name, const char* _source, ULong _sourceSize);
    // A parent link outside the nodes, or a chain of parents that loops, has no root.
    Bool isHierarchySound() const;
    Float wrapTime(Float _time) const;
    Matrix blendKeys(const sNode& _node) const;
    void applyHierarchy(UInt _node);
    void applyBindPose(const std::vector<Matrix>& _bones);

    Float m_time = 0;
    Bool m_posed = false; // whether m_time holds a computed pose
    std::vector<Bool> m_applied;
    std::vector<Matrix> m_matrices;
    std::vector<sNode> m_nodes;
    Float m_length = 1.0f;
    // Ancestors waiting for their parents during applyHierarchy, kept to spare allocations.
    std::vector<UInt> m_chain;
};
