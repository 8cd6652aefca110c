#include "graphics/meshes/MeshTransform.h"
#include "graphics/meshes/Mesh.h"
#include "graphics/meshes/Skinning.h"

void transformMesh(const iMesh& _mesh, const sUnitTransform& _unit, std::vector<sTransformedVertex>& _vertices)
{
    const std::vector<sLight> noLights;
    const std::vector<sLight>& lights = _unit.lights ? *_unit.lights : noLights;
    const Matrix normals = normalMatrix(_unit.worldScreen);
    // Built only for animated units; its matrices are per unit, not per vertex.
    const cSkinning skinning(_unit.pose ? *_unit.pose : std::vector<Matrix>(), _unit.worldScreen);

    _vertices.resize(_mesh.getVerticesCount());
    for (UInt i = 0; i < _mesh.getVerticesCount(); ++i) {
        const sMeshVertex vertex = _mesh.getVertex(i);
        Vector3 position, normal;
        if (_unit.pose) {
            const cSkinning::sResult skinned = skinning.skin(vertex);
            position = skinned.position;
            normal = skinned.normal;
        } else {
            position = transformPoint(vertex.position, _unit.worldScreen);
            normal = transformVector(vertex.normal, normals);
        }
        sTransformedVertex& out = _vertices[i];
        out.position = position;
        out.color = _unit.lighting ? lightVertex(position, normal, _unit.material, lights) : kUnlitColor;
        out.u = vertex.u;
        out.v = vertex.v;
    }
}
