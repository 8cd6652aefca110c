#include "graphics/Mesh.h"
#include "graphics/MeshTransform.h"
#include "support/MeshWriter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<iMesh> triangle(unsigned _fvf)
{
    std::vector<sTestVertex> vertices(3);
    for (int i = 0; i < 3; ++i) {
        vertices[i].position[i] = 1;
        vertices[i].uv[0] = 0.5f * i;
        vertices[i].weights[0] = 1;
        vertices[i].bones[0] = static_cast<std::uint8_t>(i);
    }
    const std::string bytes = writeMeshFile(_fvf, vertices, {0, 1, 2}, std::vector<Matrix>(3, Matrix::identity()));
    return std::unique_ptr<iMesh>(iMesh::create("t", bytes.data(), static_cast<ULong>(bytes.size())));
}

TEST(MeshTransform, StaticUnitIsPlacedByWorldTimesScreenAndUnlitWhite)
{
    sUnitTransform unit;
    unit.worldScreen = Matrix::scaling(100, 100, 100) * Matrix::translation(400, 300, 0);
    std::vector<sTransformedVertex> out;
    transformMesh(*triangle(0x112), unit, out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].position, (Vector3{500, 300, 0}));
    EXPECT_EQ(out[1].position, (Vector3{400, 400, 0}));
    EXPECT_EQ(out[2].u, 1.0f);
    EXPECT_EQ(out[2].color, kUnlitColor);
}

} // namespace
