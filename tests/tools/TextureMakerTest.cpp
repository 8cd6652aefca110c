#include "Description.h"
#include "HayBale.h"
#include "Painter.h"

#include "graphics/meshes/Mesh.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <memory>

namespace {

sPicture onlyPicture(const String& _text)
{
    const sDescription description = parseDescription(_text, "pictures.txt");
    EXPECT_EQ(description.pictures.size(), 1u);
    return description.pictures.at(0);
}

TEST(TextureMakerDescription, FaultsNameTheirLineAndWhatIsWrong)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"# c\n\nrect 0 0 4 4 fill=#fff\n", "pictures.txt:3: 'rect' comes before any 'picture'"},
        {"picture a.png 8x8\nrekt 0 0 4 4 fill=#fff\n", "pictures.txt:2: unknown command 'rekt'"},
        {"picture a.png 8x8\nrect 0 0 4 fill=#fff\n", "pictures.txt:2: 'rect' takes 4 values, not 3"},
        {"picture a.png 8x8\nrect 0 0 4 four fill=#fff\n", "pictures.txt:2: 'four' is not a number"},
        {"picture a.png 8x8\n\nrect 0 0 4 4 fill=#ggg\n", "pictures.txt:3: '#ggg' is no colour"},
        {"picture a.png 8x8\nrect 0 0 4 4\n", "pictures.txt:2: 'rect' draws nothing"},
        {"picture a.png 8x8\nrect 0 0 4 4 fill=#fff blur=2\n", "pictures.txt:2: 'rect' has no option 'blur'"},
        {"picture a.bmp 8x8\n", "pictures.txt:1: the picture 'a.bmp' must end in .png or .jpg"},
        {"picture a.png 8x8 grid=2x1 frames=3\n", "pictures.txt:1: 3 frames do not fit a grid of 2x1"},
        {"picture a.png 8x8\ntext 4 4 8 \"open\n", "pictures.txt:2: the text has no closing quote"},
        {"picture a.png 8x8\narrow 4 4 8 sideways fill=#fff\n", "pictures.txt:2: an arrow points up, down"},
        {"picture a.png 8x8\nuse b.png 0 0 1\n", "pictures.txt:2: 'use' names no earlier picture 'b.png'"},
        {"picture a.png 8x8 grid=2x1\nrect 0 0 4 4 fill=#fff frame=2\n", "pictures.txt:2: the picture has no frame 2"},
        {"mesh m.mesh cube\n", "pictures.txt:1: there is no mesh 'cube'"},
        {"picture a.png 8x8\ntext 4 4 8 \"a\" font=italic fill=#fff\n",
            "pictures.txt:2: there is no font 'italic' (sans, bold, serif, serifbold, condensed)"},
    };
    for (const auto& c : cases) {
        const String error = thrownText([&] { parseDescription(c.text, "pictures.txt"); });
        EXPECT_EQ(error.rfind(c.message, 0), 0u) << c.text << "\ngave: " << error;
    }
}

TEST(TextureMakerDescription, ColoursByHexOrNameWithGradients)
{
    const sPicture picture = onlyPicture(
        "colour leaf #80c040\npicture a.png 8x8\nrect 0 0 8 8 fill=leaf..#00000080 line=#f00 w=3\n");
    ASSERT_EQ(picture.layers.size(), 1u);
    const sLayer& layer = picture.layers[0];
    EXPECT_NEAR(layer.fillTop[0], 128 / 255.0f, 1e-6f);
    EXPECT_NEAR(layer.fillTop[3], 1.0f, 1e-6f);
    EXPECT_NEAR(layer.fillBottom[3], 128 / 255.0f, 1e-6f);
    EXPECT_EQ(layer.outline, (tColour{1, 0, 0, 1}));
    EXPECT_EQ(layer.outlineWidth, 3.0f);
}

TEST(TextureMakerDescription, UseCopiesAnEarlierPictureScaled)
{
    const sDescription description = parseDescription(
        "picture a.png 8x8\nrect 1 2 3 4 fill=#fff shadow=2\npicture b.png 32x32\nuse a.png 10 20 2\n", "d");
    const sLayer& copy = description.pictures.at(1).layers.at(0);
    EXPECT_EQ(copy.box, (std::array<Float, 4>{12, 24, 6, 8}));
    EXPECT_EQ(copy.shadow, 4.0f);
}

// Gradients, outlines, text and turns show in the demo pictures the smoke runs look at.
TEST(TextureMakerPainting, ShapesCoverTheirPixelsWithSoftEdges)
{
    const sImage image = paintPicture(onlyPicture("picture a.png 40x20\n"
                                                  "rect 2 2 16 16 fill=#ff0000\n"
                                                  "circle 30 10 6.5 fill=#0000ff\n"));
    EXPECT_EQ(image.pixel(10, 10), (tColour{1, 0, 0, 1}));
    EXPECT_EQ(image.pixel(1, 10)[3], 0.0f) << "outside the square";
    EXPECT_NEAR(image.pixel(30, 10)[2], 1.0f, 1e-5f);
    EXPECT_EQ(image.pixel(30, 2)[3], 0.0f) << "above the circle";
    // A pixel the circle's edge crosses is partly covered, not all or nothing.
    const Float edge = image.pixel(36, 10)[3];
    EXPECT_GT(edge, 0.2f);
    EXPECT_LT(edge, 0.8f);
}

TEST(TextureMakerPainting, SavedPngKeepsStraightAlpha)
{
    const cTempFolder folder;
    const String path = folder.file("Pictures/Ui/a.png");
    saveImage(paintPicture(onlyPicture("picture a.png 4x4\nrect 0 0 4 4 fill=#ff800080\n")), path);
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &width, &height, &channels, 4);
    ASSERT_NE(pixels, nullptr) << "folders are made on the way";
    EXPECT_EQ(width, 4);
    EXPECT_EQ(pixels[0], 255) << "colour is not darkened by its own alpha";
    EXPECT_EQ(pixels[1], 128);
    EXPECT_EQ(pixels[3], 128);
    stbi_image_free(pixels);
}

TEST(TextureMakerFrames, FramesFillTheGridLeftToRightThenDown)
{
    // A dot that moves four pixels per frame, and a mark only the last frame has.
    const sPicture picture = onlyPicture("picture a.png 16x8 grid=2x2 frames=3\n"
                                         "rect 0 0 4 4 fill=#fff step=4,0\n"
                                         "rect 12 4 4 4 fill=#f00 frame=2\n");
    const sImage image = paintPicture(picture);
    ASSERT_EQ(image.width, 32u);
    ASSERT_EQ(image.height, 16u);
    EXPECT_EQ(image.pixel(2, 2)[3], 1.0f);
    EXPECT_EQ(image.pixel(16 + 6, 2)[3], 1.0f);
    EXPECT_EQ(image.pixel(16 + 2, 2)[3], 0.0f);
    EXPECT_EQ(image.pixel(10, 8 + 2)[3], 1.0f) << "frame 2 starts the second row";
    EXPECT_EQ(image.pixel(14, 8 + 6), (tColour{1, 0, 0, 1}));
    EXPECT_EQ(image.pixel(14, 6)[3], 0.0f);
    EXPECT_EQ(image.pixel(16 + 2, 8 + 2)[3], 0.0f) << "the fourth cell has no frame";
}

TEST(TextureMakerFrames, ButtonStatesLightenDarkenShiftAndGrey)
{
    const sImage image = paintPicture(onlyPicture("picture a.png 10x10 grid=4x1 states\n"
                                                  "rect 0 0 5 5 fill=#40a060\n"));
    const tColour normal = image.pixel(2, 2), hover = image.pixel(12, 2), pressed = image.pixel(23, 3),
                  disabled = image.pixel(32, 2);
    EXPECT_GT(hover[0], normal[0]);
    EXPECT_LT(pressed[1], normal[1]);
    EXPECT_EQ(image.pixel(20, 0)[3], 0.0f) << "pressed moves a pixel down and right";
    EXPECT_EQ(image.pixel(25, 5)[3], 1.0f);
    EXPECT_NEAR(disabled[0], disabled[1], 1e-5f);
    EXPECT_LT(disabled[3], 1.0f);
}

TEST(TextureMakerMesh, HayBaleLoadsAsAClosedLitMesh)
{
    const String bytes = makeHayBaleMesh();
    const std::unique_ptr<iMesh> mesh(iMesh::create("bale", bytes.data(), ULong(bytes.size())));
    ASSERT_EQ(mesh->getFVF(), 0x112u);
    EXPECT_EQ(mesh->getVerticesCount(), 52u);
    EXPECT_EQ(mesh->getTrianglesCount(), 48u);
    for (UInt i = 0; i < mesh->getVerticesCount(); ++i) {
        const sMeshVertex v = mesh->getVertex(i);
        EXPECT_GE(v.u, 0.0f);
        EXPECT_LE(v.u, 1.0f);
        EXPECT_GE(v.normal.x * v.position.x + v.normal.y * v.position.y + v.normal.z * v.position.z, 0.0f)
            << "normals point outwards";
    }
}

} // namespace
