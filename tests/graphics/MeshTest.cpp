#include "graphics/AniMesh.h"
#include "graphics/Mesh.h"
#include "support/MeshWriter.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<iMesh> load(const std::string& _bytes, const String& _name = "Meshes/test.mesh")
{
    return std::unique_ptr<iMesh>(iMesh::create(_name, _bytes.data(), static_cast<ULong>(_bytes.size())));
}

// The error call stack of a failed load (its first line unless _whole).
String failure(const std::string& _bytes, bool _whole = false)
{
    return thrownText([&] { load(_bytes, "Meshes/bad.mesh"); }, !_whole);
}

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
        const auto mesh = load(writeMeshFile(f.fvf, kTriangle, kIndices));
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
    EXPECT_EQ(load(smallest)->getTrianglesCount(), 1u);
    EXPECT_EQ(load(writeMeshFile(0x12, kTriangle, {0, 1, 2, 2, 1, 0, 1}))->getTrianglesCount(), 2u);
    EXPECT_EQ(load(writeMeshFile(0x12, kTriangle, kIndices) + "trailing")->getVerticesCount(), 3u);
}

TEST(SkinnedMeshFiles, BindMatricesRoundTripAndNoneGiveAnEmptyList)
{
    const std::vector<Matrix> bones = {Matrix::translation(1, 2, 3), Matrix::rotationY(0.5f), Matrix::scaling(2, 2, 2)};
    for (const auto& stored : {bones, std::vector<Matrix>{}}) {
        const auto mesh = load(writeMeshFile(0x111C, kTriangle, kIndices, stored));
        ASSERT_NE(mesh->getBones(), nullptr);
        EXPECT_EQ(*mesh->getBones(), stored);
    }
}

TEST(MeshErrors, FirstLineNamesTheFault)
{
    const std::string good = writeMeshFile(0x112, kTriangle, kIndices);
    const std::string skinned = writeMeshFile(0x111C, kTriangle, kIndices, {Matrix::identity()});
    const std::size_t thirdTag = 20 + 3 * 32;
    std::string untagged = good;
    untagged.replace(thirdTag, 4, "ALEM");
    std::string outOfRange = good;
    outOfRange[thirdTag + 4] = 3; // the first index names a fourth vertex
    std::string badBoneTag = skinned;
    badBoneTag.replace(skinned.size() - 4, 4, "xxxx");
    std::string manyVertices = good;
    manyVertices.replace(8, 4, u32Bytes(0xFFFFFFFF));
    std::string manyIndices = good;
    manyIndices.replace(12, 4, u32Bytes(0xFFFFFFFF));
    std::string manyBones = skinned;
    manyBones.replace(skinned.size() - 4 - 64 - 4, 4, u32Bytes(0x7FFFFFFF));
    std::string otherFormat = good;
    otherFormat.replace(4, 4, u32Bytes(0x142));

    const struct {
        const char* what;
        std::string bytes;
        String text;
    } cases[] = {
        {"no tag", "mela" + good.substr(4), "Invalid mesh format. File:Meshes/bad.mesh"},
        {"empty", "", "Invalid mesh format. File:Meshes/bad.mesh"},
        {"tag without a format", "alem\x12", "Invalid mesh format. File:Meshes/bad.mesh"},
        {"unknown format", otherFormat, "Undefined vertex format. Resource:Meshes/bad.mesh"},
        {"third tag wrong", untagged, "Invalid resource format"},
        {"cut in the vertices", good.substr(0, 40), "Unexpected end of source"},
        {"cut before the last tag", good.substr(0, good.size() - 2), "Unexpected end of source"},
        {"vertex count past the end", manyVertices, "Unexpected end of source"},
        {"index count past the end", manyIndices, "Unexpected end of source"},
        {"index past the vertices", outOfRange, "Invalid mesh format. File:Meshes/bad.mesh"},
        {"bone count past the end", manyBones, "Unexpected end of source"},
        {"bones without their tag", skinned.substr(0, skinned.size() - 4), "Unexpected end of source"},
        {"bones with a wrong tag", badBoneTag, "Invalid resource format"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(failure(c.bytes), c.text) << c.what;
}

TEST(MeshErrors, StackShowsEveryLayerPassed)
{
    std::string skinned = writeMeshFile(0x111C, kTriangle, kIndices);
    skinned.resize(skinned.size() - 1);
    EXPECT_EQ(failure(skinned, true),
        "Unexpected end of source\n"
        "cAniMesh<_fvf>::cAniMesh(const String& name, const char* source, ULong source_size)\n"
        "iMesh * iMesh::create(const String& name)");
    EXPECT_EQ(failure(skinned.substr(0, 30), true),
        "Unexpected end of source\n"
        "cMesh<_fvf>::cMesh(const String& name, const char* source, ULong source_size)\n"
        "iMesh * iMesh::create(const String& name)");
}

} // namespace
