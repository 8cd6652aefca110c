#include "graphics/GraphicsHarness.h"
#include "graphics/meshes/Lighting.h"
#include "graphics/meshes/MeshTransform.h"
#include "graphics/meshes/Skinning.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>

namespace {

const Float kPi = 3.14159265358979f;
const std::vector<Matrix> kNoBinds(32, Matrix::identity());

sTestVertex vertex(float _seed)
{
    sTestVertex v;
    for (int i = 0; i < 3; ++i) {
        v.position[i] = _seed + i;
        v.normal[i] = -_seed - i * 0.5f;
        v.weights[i] = 0.1f * (i + 1) + _seed * 0.01f;
    }
    v.uv[0] = _seed * 0.25f;
    v.uv[1] = 1 - _seed * 0.25f;
    for (int i = 0; i < 4; ++i)
        v.bones[i] = static_cast<std::uint8_t>(_seed + 4 * i);
    return v;
}

const std::vector<sTestVertex> kTriangle = {vertex(0), vertex(1), vertex(2)};
const std::vector<std::uint16_t> kIndices = {0, 1, 2, 2, 1, 0};

// One node with two keys at the given times.
std::string timed(Float _first, Float _second)
{
    return writeAnimationFile(1, {keyed({{Matrix::identity(), _first}, {Matrix::identity(), _second}})});
}

// The matrices of an animation from nodes over a period of _length, posed at _time.
std::vector<Matrix> pose(const std::vector<sTestNode>& _nodes, Float _time, const std::vector<Matrix>& _binds = kNoBinds,
    Float _length = 1)
{
    const auto animation = loadAnimation(writeAnimationFile(_length, _nodes));
    animation->setTime(_time, &_binds);
    return animation->getMatrices();
}

// One node moving from the origin at time 0 to (4, 0, 0) at time 1.
const sTestNode kSlide = keyed({{Matrix::identity(), 0}, {Matrix::translation(4, 0, 0), 1}});

Vector3 translationOf(const Matrix& _m)
{
    return {_m.m[3][0], _m.m[3][1], _m.m[3][2]};
}

Float rowLength(const Matrix& _m, int _row)
{
    return std::sqrt(_m.m[_row][0] * _m.m[_row][0] + _m.m[_row][1] * _m.m[_row][1] + _m.m[_row][2] * _m.m[_row][2]);
}

// _bytes with _piece written over them at _offset.
std::string patched(std::string _bytes, std::size_t _offset, const std::string& _piece)
{
    _bytes.replace(_offset, _piece.size(), _piece);
    return _bytes;
}

struct sBrokenFile {
    const char* what;
    std::string bytes;
    String text;
};

// Loads each file under the name _name and compares the error text (its first line unless _whole).
template <class tLoad>
void expectFailures(const std::vector<sBrokenFile>& _cases, tLoad _load, const String& _name, bool _whole = false)
{
    for (const sBrokenFile& c : _cases)
        EXPECT_EQ(thrownText([&] { _load(c.bytes, _name); }, !_whole), c.text) << c.what;
}

TEST(MeshFiles, EachVertexFormatRoundTrips)
{
    const struct {
        ULong fvf;
        UInt size;
        bool normal, texture, skin;
    } formats[] = {{0x112, 32, true, true, false}, {0x102, 20, false, true, false}, {0x12, 24, true, false, false},
        {0x111C, 48, true, true, true}};
    for (const auto& f : formats) {
        SCOPED_TRACE(f.fvf);
        const auto mesh = loadMesh(writeMeshFile(f.fvf, kTriangle, kIndices));
        EXPECT_EQ(mesh->getType(), RT_MESH);
        EXPECT_EQ(mesh->getFVF(), f.fvf);
        EXPECT_EQ(mesh->getVertexSize(), f.size);
        EXPECT_EQ(mesh->getVerticesCount(), 3u);
        ASSERT_EQ(mesh->getTrianglesCount(), 2u);
        EXPECT_EQ(std::vector<UInt16>(mesh->getIndexBuffer(), mesh->getIndexBuffer() + 6),
            std::vector<UInt16>(kIndices.begin(), kIndices.end()));
        EXPECT_EQ(mesh->getBones() != nullptr, f.skin);
        for (UInt i = 0; i < 3; ++i) {
            const sMeshVertex got = mesh->getVertex(i);
            const sTestVertex& want = kTriangle[i];
            EXPECT_EQ(got.position, (Vector3{want.position[0], want.position[1], want.position[2]}));
            EXPECT_EQ(got.normal, (f.normal ? Vector3{want.normal[0], want.normal[1], want.normal[2]} : Vector3{}));
            EXPECT_EQ(got.u, f.texture ? want.uv[0] : 0);
            EXPECT_EQ(got.v, f.texture ? want.uv[1] : 0);
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(got.weights[k], f.skin ? want.weights[k] : 0);
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(got.bones[k], f.skin ? want.bones[k] : 0);
        }
    }
}

TEST(MeshFiles, OnlyWholeTrianglesAreStoredAndTrailingBytesIgnored)
{
    const std::string smallest = writeMeshFile(0x102, kTriangle, {0, 1, 2});
    ASSERT_EQ(smallest.size(), 94u);
    EXPECT_EQ(loadMesh(smallest)->getTrianglesCount(), 1u);
    EXPECT_EQ(loadMesh(writeMeshFile(0x12, kTriangle, {0, 1, 2, 2, 1, 0, 1}))->getTrianglesCount(), 2u);
    EXPECT_EQ(loadMesh(writeMeshFile(0x12, kTriangle, kIndices) + "trailing")->getVerticesCount(), 3u);
}

TEST(MeshFiles, BindMatricesRoundTripAndNoneGiveAnEmptyList)
{
    const std::vector<Matrix> bones = {Matrix::translation(1, 2, 3), Matrix::rotationY(0.5f), Matrix::scaling(2, 2, 2)};
    for (const auto& stored : {bones, std::vector<Matrix>{}}) {
        const auto mesh = loadMesh(writeMeshFile(0x111C, kTriangle, kIndices, stored));
        ASSERT_NE(mesh->getBones(), nullptr);
        EXPECT_EQ(*mesh->getBones(), stored);
    }
}

TEST(AnimationFiles, ReadsNodesKeysAndLength)
{
    const auto animation = loadAnimation(writeAnimationFile(
        3.5f, {keyed({{Matrix::translation(1, 2, 3), 0}, {Matrix::rotationX(1), 0.5f}}), keyed({}, 0)}));
    EXPECT_EQ(animation->getType(), RT_ANIMATION);
    EXPECT_EQ(animation->getLength(), 3.5f);
    ASSERT_EQ(animation->getNodes().size(), 2u);
    EXPECT_EQ(animation->getNodes()[0].keys[1].matrix, Matrix::rotationX(1));
    EXPECT_EQ(animation->getNodes()[0].keys[1].time, 0.5f);
    EXPECT_EQ(std::make_pair(cAnimation::kNoParent, 0u),
        std::make_pair(animation->getNodes()[0].parent, animation->getNodes()[1].parent));

    const auto empty = loadAnimation(writeAnimationFile(1, {}));
    empty->setTime(0.5f, &kNoBinds);
    EXPECT_TRUE(empty->getMatrices().empty());
}

TEST(BrokenFiles, MeshErrorsNameTheFaultFirst)
{
    const std::string good = writeMeshFile(0x112, kTriangle, kIndices);
    const std::string skinned = writeMeshFile(0x111C, kTriangle, kIndices, {Matrix::identity()});
    const std::size_t thirdTag = 20 + 3 * 32, boneCount = skinned.size() - 4 - 64 - 4;
    const String invalid = "Invalid mesh format. File:Meshes/bad.mesh";
    expectFailures({
        {"no tag", "mela" + good.substr(4), invalid},
        {"empty", "", invalid},
        {"tag without a format", "alem\x12", invalid},
        {"unknown format", patched(good, 4, u32Bytes(0x142)), "Undefined vertex format. Resource:Meshes/bad.mesh"},
        {"third tag wrong", patched(good, thirdTag, "ALEM"), "Invalid resource format"},
        {"cut in the vertices", good.substr(0, 40), "Unexpected end of source"},
        {"cut before the last tag", good.substr(0, good.size() - 2), "Unexpected end of source"},
        {"vertex count past the end", patched(good, 8, u32Bytes(0xFFFFFFFF)), "Unexpected end of source"},
        {"index count past the end", patched(good, 12, u32Bytes(0xFFFFFFFF)), "Unexpected end of source"},
        // The first index names a fourth vertex.
        {"index past the vertices", patched(good, thirdTag + 4, "\x03"), invalid},
        {"bone count past the end", patched(skinned, boneCount, u32Bytes(0x7FFFFFFF)), "Unexpected end of source"},
        {"bones without their tag", skinned.substr(0, skinned.size() - 4), "Unexpected end of source"},
        {"bones with a wrong tag", patched(skinned, skinned.size() - 4, "xxxx"), "Invalid resource format"},
    }, loadMesh, "Meshes/bad.mesh");
}

TEST(BrokenFiles, AnimationErrorsNameTheFaultFirst)
{
    const std::string good = writeAnimationFile(1, {keyed({{Matrix::identity(), 0}})});
    const String invalid = "Invalid animation format. File:Animations/bad.anim";
    expectFailures({
        {"no tag", "xxxx" + good.substr(4), "Invalid resource format"},
        {"wrong node tag", patched(good, good.size() - 4, "mela"), "Invalid resource format"},
        {"empty", "", "Unexpected end of source"},
        {"cut in a key", good.substr(0, 40), "Unexpected end of source"},
        {"cut before a node tag", good.substr(0, good.size() - 1), "Unexpected end of source"},
        {"node count past the end", patched(good, 4, u32Bytes(0x10000000)), "Unexpected end of source"},
        {"key count past the end", patched(good, 12, u32Bytes(0x7FFFFFFF)), "Unexpected end of source"},
        {"parent outside the nodes", writeAnimationFile(1, {keyed({}, 1)}), invalid},
        {"own parent", writeAnimationFile(1, {keyed({}), keyed({}, 1)}), invalid},
        {"parents in a loop", writeAnimationFile(1, {keyed({}, 2), keyed({}, 0), keyed({}, 1), keyed({})}), invalid},
        {"key times descending", timed(0.5f, 0.25f), invalid},
        {"key time not a number", timed(0, std::nanf("")), invalid},
        {"key time infinite", timed(0, INFINITY), invalid},
    }, loadAnimation, "Animations/bad.anim");
}

TEST(BrokenFiles, TheStackShowsEveryLayerPassed)
{
    std::string skinned = writeMeshFile(0x111C, kTriangle, kIndices);
    skinned.resize(skinned.size() - 1);
    const std::string meshCreate = "\niMesh * iMesh::create(const String& name)";
    expectFailures({
        {"skinned", skinned, "Unexpected end of source\n"
            "cAniMesh<_fvf>::cAniMesh(const String& name, const char* source, ULong source_size)" + meshCreate},
        {"plain", skinned.substr(0, 30), "Unexpected end of source\n"
            "cMesh<_fvf>::cMesh(const String& name, const char* source, ULong source_size)" + meshCreate},
    }, loadMesh, "Meshes/bad.mesh", true);
    expectFailures({{"animation", "alem", "Unexpected end of source\ncAnimation::cAnimation(const String& name )"}},
        loadAnimation, "Animations/bad.anim", true);
}

TEST(AnimationPose, BeforeAnyPoseOrWithoutBonesEveryNodeHoldsTheBindPose)
{
    const auto animation = loadAnimation(writeAnimationFile(2, {kSlide}));
    EXPECT_EQ(animation->getMatrices(), std::vector<Matrix>(1, Matrix::identity()));
    animation->setTime(0.5f, nullptr);
    EXPECT_EQ(animation->getMatrices(), std::vector<Matrix>(1, Matrix::identity()));
}

TEST(AnimationPose, BlendsBetweenNeighbouringKeysAndWraps)
{
    const struct {
        Float time;
        Float x;
    } cases[] = {{0, 0}, {0.25f, 1}, {0.5f, 2}, {1, 4}, {1.5f, 4}, {2.25f, 1}, {4.5f, 2}};
    for (const auto& c : cases)
        EXPECT_NEAR(pose({kSlide}, c.time, kNoBinds, 2)[0].m[3][0], c.x, 1e-5) << "t = " << c.time;
}

TEST(AnimationPose, BlendKeepsTheScaleOfBothKeysAndTurnsAtFullLength)
{
    const Matrix scaled = Matrix::scaling(2, 2, 2);
    Matrix m = pose({keyed({{scaled, 0}, {scaled * Matrix::translation(10, 0, 0), 1}})}, 0.5f)[0];
    for (int row = 0; row < 3; ++row)
        EXPECT_NEAR(rowLength(m, row), 2, 5e-3);
    EXPECT_NEAR(m.m[3][0], 5, 1e-5);

    m = pose({keyed({{Matrix::identity(), 0}, {Matrix::rotationZ(kPi / 2), 1}})}, 0.5f)[0];
    EXPECT_NEAR(m.m[0][0], std::sqrt(0.5f), 3e-3);
    EXPECT_NEAR(m.m[0][1], std::sqrt(0.5f), 3e-3);
    EXPECT_NEAR(m.m[1][0], -std::sqrt(0.5f), 3e-3);
    EXPECT_NEAR(rowLength(m, 0), 1, 3e-3) << "not the 0.707 of the plain blend";
    EXPECT_NEAR(rowLength(m, 2), 1, 3e-3);

    // Exactly half a turn about z, as an exporter writes it (the float sine of pi is not 0).
    m = pose({keyed({{Matrix::identity(), 0}, {Matrix::scaling(-1, -1, 1), 1}})}, 0.5f)[0];
    EXPECT_NEAR(rowLength(m, 0), 0, 1e-6);
    EXPECT_NEAR(rowLength(m, 1), 0, 1e-6);
    EXPECT_NEAR(rowLength(m, 2), 1, 3e-3);
    for (int row = 0; row < 3; ++row)
        for (Float element : m.m[row])
            EXPECT_FALSE(std::isnan(element));
}

TEST(AnimationPose, ChildrenFollowTheirParentsStoredInAnyOrder)
{
    const Matrix parent = Matrix::rotationZ(kPi / 2) * Matrix::translation(0, 10, 0);
    const Vector3 child = translationOf(pose({keyed({{Matrix::translation(1, 0, 0), 0}}, 1), keyed({{parent, 0}})}, 0.5f)[0]);
    EXPECT_NEAR(child.x, 0, 1e-4);
    EXPECT_NEAR(child.y, 11, 1e-4);
}

TEST(AnimationPose, KeyedNodesStartFromTheInverseBindPoseUnlessItIsMissingOrSingular)
{
    const auto bound = pose({keyed({{Matrix::translation(0, 3, 0), 0}}), keyed({}, 0)}, 0.5f,
        {Matrix::translation(5, 0, 0), Matrix::translation(50, 0, 0)});
    EXPECT_EQ(translationOf(bound[0]), (Vector3{-5, 3, 0}));
    EXPECT_EQ(translationOf(bound[1]), (Vector3{0, 3, 0})) << "unkeyed: parent's world only";

    const auto unbound = pose({keyed({{Matrix::translation(1, 0, 0), 0}}), keyed({{Matrix::translation(2, 0, 0), 0}})},
        0.5f, {Matrix::scaling(0, 1, 1)});
    EXPECT_EQ(unbound[0], Matrix::translation(1, 0, 0));
    EXPECT_EQ(unbound[1], Matrix::translation(2, 0, 0));
}

TEST(AnimationPose, TimesBeforeTheFirstKeyOrWithNoPeriodHoldTheFirstMoment)
{
    const sTestNode late = keyed({{Matrix::translation(3, 0, 0), 0.5f}, {Matrix::translation(9, 0, 0), 1}});
    for (Float time : {0.25f, -0.25f, -3.0f})
        EXPECT_EQ(pose({late}, time, kNoBinds, 2)[0], Matrix::translation(3, 0, 0)) << "t = " << time;
    for (Float length : {0.0f, -1.0f, std::nanf(""), INFINITY})
        EXPECT_EQ(pose({kSlide}, 0.5f, kNoBinds, length)[0], Matrix::identity()) << "length " << length;
}

TEST(AnimationPose, LongParentChainsNeedNoDeepRecursion)
{
    std::vector<sTestNode> nodes(20000);
    nodes[0] = keyed({{Matrix::translation(1, 0, 0), 0}});
    for (std::uint32_t i = 1; i < nodes.size(); ++i)
        nodes[i].parent = i - 1;
    EXPECT_EQ(pose(nodes, 0.5f).back(), Matrix::translation(1, 0, 0));
}

sMeshVertex at(Vector3 _position, std::initializer_list<Float> _weights, std::initializer_list<int> _bones)
{
    sMeshVertex vertex;
    vertex.position = _position;
    int k = 0;
    for (Float weight : _weights)
        vertex.weights[k++] = weight;
    k = 0;
    for (int bone : _bones)
        vertex.bones[k++] = static_cast<std::uint8_t>(bone);
    return vertex;
}

void expectNear(const Vector3& _actual, const Vector3& _expected, Float _tolerance = 1e-4f)
{
    EXPECT_NEAR(_actual.x, _expected.x, _tolerance);
    EXPECT_NEAR(_actual.y, _expected.y, _tolerance);
    EXPECT_NEAR(_actual.z, _expected.z, _tolerance);
}

const std::vector<Matrix> kPose = {Matrix::translation(10, 0, 0), Matrix::translation(0, 20, 0),
    Matrix::scaling(2, 2, 2), Matrix::translation(0, 0, 40)};

// The implied fourth weight is the mesh scene's and the pixel tests' to check.
TEST(Skinning, BoneBeyondThePoseKeepsItsShareInTheBindPose)
{
    const Matrix world = Matrix::translation(0, 0, 5);
    const cSkinning skinning(kPose, world);
    expectNear(skinning.skin(at({1, 1, 1}, {0.5f, 0, 0}, {0, 0, 0, 200})).position, {6, 1, 6});
}

TEST(Skinning, NormalsBlendThroughTheInverseTranspose)
{
    // Stretched four times along x, a 45 degree surface's normal leans towards x far less.
    const cSkinning skinning({Matrix::scaling(4, 1, 1)}, Matrix::identity());
    sMeshVertex vertex = at({0, 0, 0}, {1, 0, 0}, {0, 0, 0, 0});
    vertex.normal = {1, 1, 0};
    const Vector3 n = skinning.skin(vertex).normal;
    expectNear(n, {0.25f, 1, 0});
}

TEST(MeshTransform, StaticUnitIsPlacedByWorldTimesScreenAndUnlitWhite)
{
    std::vector<sTestVertex> vertices(3);
    for (int i = 0; i < 3; ++i) {
        vertices[i].position[i] = 1;
        vertices[i].uv[0] = 0.5f * i;
    }
    sUnitTransform unit;
    unit.worldScreen = Matrix::scaling(100, 100, 100) * Matrix::translation(400, 300, 0);
    std::vector<sTransformedVertex> out;
    transformMesh(*makeMesh(vertices, {0, 1, 2}, 0x112), unit, out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].position, (Vector3{500, 300, 0}));
    EXPECT_EQ(out[1].position, (Vector3{400, 400, 0}));
    EXPECT_EQ(out[2].u, 1.0f);
    EXPECT_EQ(out[2].color, kUnlitColor);
}

TEST(MatrixMath, AffineInverseUndoesRotationScaleAndTranslationAndASingularMatrixHasNone)
{
    const Matrix m = Matrix::scaling(2, 3, 0.5f) * Matrix::rotationY(0.7f) * Matrix::translation(4, -5, 6);
    Matrix inverse = m;
    ASSERT_TRUE(invertAffineMatrix(inverse));
    const Matrix product = m * inverse;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(product.m[row][column], row == column, 1e-5) << row << ", " << column;

    Matrix flat = Matrix::scaling(1, 0, 1) * Matrix::translation(1, 2, 3);
    const Matrix before = flat;
    EXPECT_FALSE(invertAffineMatrix(flat));
    EXPECT_EQ(flat, before);
    EXPECT_EQ(normalMatrix(flat), Matrix{});
}

TEST(MatrixMath, SetScaleKeepsDirectionsTranslationAndZeroRows)
{
    Matrix m = Matrix::rotationZ(0.5f) * Matrix::translation(7, 8, 9);
    for (Float& element : m.m[2])
        element = 0;
    m.m[0][3] = 0.25f;
    setMatrixScale(m, {2, 3, 4});
    const Vector3 scale = getMatrixScale(m);
    EXPECT_NEAR(scale.x, 2, 3e-3);
    EXPECT_NEAR(scale.y, 3, 3e-3);
    EXPECT_EQ(scale.z, 0);
    EXPECT_NEAR(m.m[0][0], 2 * std::cos(0.5f), 3e-3);
    EXPECT_EQ(m.m[3][0], 7);
    EXPECT_EQ(m.m[0][3], 0.25f);
}

const Float kAmbient = 8.0f / 255;

sMaterial material()
{
    sMaterial m;
    m.diffuse = {1, 1, 1, 0.75f};
    m.ambient = {1, 1, 1, 1};
    return m;
}

sLight light(ULong _type, Vector3 _position, Vector3 _direction)
{
    sLight l;
    l.type = _type;
    l.diffuse = {0.5f, 0.25f, 0.125f, 1};
    l.position = _position;
    l.direction = _direction;
    l.range = 10;
    l.attenuation0 = 1;
    l.attenuation1 = 1;
    return l;
}

// The red channel above the scene ambient: the light's red diffuse is 0.5.
Float redShare(const Vector3& _position, const Vector3& _normal, const sLight& _light)
{
    return (lightVertex(_position, _normal, material(), {_light}).r - kAmbient) / 0.5f;
}

TEST(Lighting, NoLightsGiveAmbientAndEmissiveOnly)
{
    sMaterial m = material();
    m.ambient = {0.5f, 1, 0, 1};
    m.emissive = {0.25f, 0.995f, 0.5f, 1};
    const DXColor color = lightVertex({}, {0, 0, -1}, m, {});
    EXPECT_FLOAT_EQ(color.r, 0.25f + 0.5f * kAmbient);
    EXPECT_FLOAT_EQ(color.g, 1) << "clamped";
    EXPECT_FLOAT_EQ(color.b, 0.5f);
    EXPECT_FLOAT_EQ(color.a, 0.75f) << "the diffuse material's alpha";
}

TEST(Lighting, DirectionalDiffuseFollowsTheAngleOfIncidence)
{
    const struct {
        Vector3 normal;
        Float share;
    } cases[] = {{{0, 0, -1}, 1}, {{0, std::sin(1.0471976f), -0.5f}, 0.5f}, {{0, 0, 1}, 0}, {{1, 0, 0}, 0},
        {{}, 0}, {{0, 0, -0.01f}, 0.01f}};
    for (const auto& c : cases)
        EXPECT_NEAR(redShare({}, c.normal, light(LIGHT_DIRECTIONAL, {}, {0, 0, 5})), c.share, 1e-5);
}

TEST(Lighting, PointLightsFadeWithDistanceAndEndAtTheirRange)
{
    sLight point = light(LIGHT_POINT, {0, 0, -3}, {});
    EXPECT_NEAR(redShare({}, {0, 0, -1}, point), 0.25f, 1e-5) << "1 / (1 + 1 x 3)";
    EXPECT_NEAR(redShare({0, 0, 8}, {0, 0, -1}, point), 0, 1e-5);
    point.diffuse = {};
    point.ambient = {0.5f, 0, 0, 1};
    EXPECT_NEAR(redShare({}, {0, 0, 1}, point), 0.25f, 1e-5) << "ambient attenuates too, facing or not";
}

TEST(Lighting, SpotConesCutAndFadeTheLight)
{
    sLight spot = light(LIGHT_SPOT, {0, 0, -1}, {0, 0, 1});
    spot.attenuation1 = 0;
    spot.theta = 1;
    spot.phi = 2;
    spot.falloff = 1;
    const Float inner = std::cos(0.5f), outer = std::cos(1.0f);
    const struct {
        Float angle, share;
    } cases[] = {{0, 1}, {0.4f, 1}, {0.75f, (std::cos(0.75f) - outer) / (inner - outer)}, {1.2f, 0}};
    for (const auto& c : cases) {
        // Off the axis by the angle, facing the light.
        const Vector3 position{std::tan(c.angle), 0, 0};
        const Float distance = std::sqrt(1 + position.x * position.x);
        EXPECT_NEAR(redShare(position, {-position.x / distance, 0, -1 / distance}, spot), c.share, 1e-4)
            << "angle " << c.angle;
    }
}

TEST(Lighting, LightsTheDeviceWouldRefuseAddNothing)
{
    sLight noAttenuation = light(LIGHT_POINT, {0, 0, -1}, {});
    noAttenuation.attenuation0 = noAttenuation.attenuation1 = 0;
    sLight wideInnerCone = light(LIGHT_SPOT, {0, 0, -1}, {0, 0, 1});
    wideInnerCone.theta = 2;
    wideInnerCone.phi = 1;
    const sLight unknownType = light(0, {}, {0, 0, 1}), noDirection = light(LIGHT_DIRECTIONAL, {}, {});
    for (const sLight& refused : {unknownType, noDirection, noAttenuation, wideInnerCone})
        EXPECT_EQ(redShare({}, {0, 0, -1}, refused), 0) << "type " << refused.type;
}

} // namespace
