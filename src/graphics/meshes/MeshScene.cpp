#include "graphics/meshes/MeshScene.h"

#include "engine/text/ValueConvert.h"
#include "graphics/meshes/Animation.h"
#include "graphics/meshes/Mesh.h"
#include "graphics/sprites/Texture.h"
#include "graphics/meshes/Unit.h"

namespace {

// The orthographic projection's depth range; what lies outside it is clipped.
const Float kNear = -3000, kFar = 3000;

} // namespace

sDrawState unitState(UInt _texture, const sFrameStyle& _style)
{
    sDrawState state = spriteState(0, _texture, 0, _style);
    // Only sprites lose their texture in wireframe; a mesh keeps its own.
    state.stages[0].texture = _texture;
    state.depthTest = true;
    state.depthWrite = true;
    state.cull = CULL_CCW;
    return state;
}

Matrix screenMatrix(const sScreenGeometry& _geometry)
{
    if (!_geometry.fullscreen)
        return Matrix::identity();
    return Matrix::scaling(_geometry.scaleX, _geometry.scaleY, 1) *
           Matrix::translation(_geometry.offsetX, _geometry.offsetY, 0);
}

UInt cMeshScene::draw(const iGraphics::sUnit& _unit, const sMeshFrame& _frame, iRasterDevice& _device)
{
    const iMesh* mesh = _unit.mesh;
    if (!mesh)
        return 0;
    sUnitTransform transform;
    transform.worldScreen = _unit.world * screenMatrix(_frame.geometry);
    transform.lighting = _unit.lighting;
    transform.material = _unit.material;
    transform.lights = _frame.lights;
    if (_unit.animation) {
        // Until its first pose the animation holds identity matrices: the mesh as modelled.
        _unit.animation->setTime(_unit.time, mesh->getBones());
        transform.pose = &_unit.animation->getMatrices();
    }
    transformMesh(*mesh, transform, m_transformed);

    m_vertices.resize(m_transformed.size());
    for (std::size_t i = 0; i < m_transformed.size(); ++i) {
        const sTransformedVertex& from = m_transformed[i];
        sVertex& to = m_vertices[i];
        // The projection maps x and y onto device pixels unchanged; only depth is scaled.
        to.x = from.position.x;
        to.y = from.position.y;
        to.z = (from.position.z - kNear) / (kFar - kNear);
        to.rhw = 1;
        to.colour = UInt(colorToARGB(from.color));
        to.u0 = from.u;
        to.v0 = from.v;
        to.u1 = to.v1 = 0;
    }
    const UInt triangles = mesh->getTrianglesCount();
    const UInt16* indices = mesh->getIndexBuffer();
    m_indices.assign(indices, indices + std::size_t(triangles) * 3);

    const UInt texture = _unit.texture ? _unit.texture->getTexture() : 0;
    if (!m_indices.empty())
        _device.draw(m_vertices.data(), UInt(m_vertices.size()), m_indices.data(), UInt(m_indices.size()),
                     unitState(texture, _frame.style));
    return triangles;
}
