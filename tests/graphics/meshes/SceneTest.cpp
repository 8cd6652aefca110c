#include "graphics/GlScreen.h"
#include "engine/resources/ResourceManager.h"
#include "graphics/sprites/Sprite.h"
#include "graphics/sprites/Texture.h"
#include "graphics/shaders/VertexShader.h"
#include "support/ImageFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

namespace {

iGraphics::sUnit unitOf(iMesh* _mesh, cAnimation* _animation = nullptr)
{
    iGraphics::sUnit unit;
    unit.mesh = _mesh;
    unit.animation = _animation;
    return unit;
}

TEST(MeshScene, UnitsAndSpritesAreDrawnInQueueOrderAndAUnitSplitsSpritesOfOneTexture)
{
    cGraphicsHarness harness;
    const auto first = squareMesh(10, 10, 20, 20, 300);
    const auto second = squareMesh(30, 10, 40, 20, -300);
    const iGraphics::sUnit a = unitOf(first.get()), b = unitOf(second.get());
    const UInt white = 0xFFFFFFFF;
    const UInt texture = harness.device().createTexture(1, 1, &white);
    harness.frame([&](cGraphics& _g) {
        _g.renderQuad(quadAt(0, 0, 4, 4), sSpriteTexture{texture}, 0);
        _g.render(a);
        _g.render(b);
        _g.renderQuad(quadAt(8, 0, 12, 4), sSpriteTexture{texture}, 0);
    });
    const auto& draws = harness.device().draws();
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(draws[1].vertices[0].x, 10);
    EXPECT_EQ(draws[2].vertices[0].x, 30);
    EXPECT_EQ(draws[3].vertices[0].x, 7.5f);

    // The projection's depth range -3000 to 3000 becomes 0 to 1.
    EXPECT_FLOAT_EQ(draws[1].vertices[0].z, 0.55f);
    EXPECT_FLOAT_EQ(draws[2].vertices[0].z, 0.45f);
    EXPECT_EQ(draws[1].indices, (std::vector<UInt>{0, 1, 2, 2, 1, 3}));
    sDrawState unit = spriteState(0, 0, 0, {});
    unit.depthTest = unit.depthWrite = true;
    unit.cull = CULL_CCW;
    EXPECT_EQ(draws[1].state, unit);
    EXPECT_EQ(draws[3].state, spriteState(0, texture, 0, {})) << "back to the 2D state after a unit";
}

// Vertex i hangs from bones i to i + 3 (wrapping at 20) with weights 0.4, 0.3, 0.2 and the
// implied 0.1; bone j moves by 10 j to the right.
TEST(MeshScene, ATwentyBonePoseBlendsEveryVertexByFourWeights)
{
    cGraphicsHarness harness;
    const unsigned kBones = 20;
    std::vector<sTestVertex> vertices;
    std::vector<std::uint16_t> indices;
    std::vector<sTestNode> nodes(kBones);
    for (unsigned i = 0; i < kBones; ++i) {
        sTestVertex vertex = testVertex(0, float(i));
        const float weights[3] = {0.4f, 0.3f, 0.2f};
        for (unsigned k = 0; k < 4; ++k) {
            vertex.bones[k] = std::uint8_t((i + k) % kBones);
            if (k < 3)
                vertex.weights[k] = weights[k];
        }
        vertices.push_back(vertex);
        nodes[i].keys = {{Matrix::translation(10.0f * float(i), 0, 0), 0}};
        if (i + 2 < kBones)
            indices.insert(indices.end(), {std::uint16_t(i), std::uint16_t(i + 1), std::uint16_t(i + 2)});
    }
    const auto mesh = makeMesh(vertices, indices, 0x111C, std::vector<Matrix>(kBones, Matrix::identity()));
    const auto animation = makeAnimation(nodes);
    iGraphics::sUnit unit = unitOf(mesh.get(), animation.get());
    unit.world = Matrix::translation(100, 200, 0);
    harness.frame([&](cGraphics& _g) { _g.render(unit); });

    ASSERT_EQ(harness.device().draws().size(), 1u);
    const std::vector<sVertex>& drawn = harness.device().draws()[0].vertices;
    ASSERT_EQ(drawn.size(), kBones);
    for (unsigned i = 0; i < kBones; ++i) {
        const float shift = 10.0f * (0.4f * float(i % kBones) + 0.3f * float((i + 1) % kBones) +
                                     0.2f * float((i + 2) % kBones) + 0.1f * float((i + 3) % kBones));
        EXPECT_NEAR(drawn[i].x, 100 + shift, 1e-3) << "vertex " << i;
        EXPECT_NEAR(drawn[i].y, 200 + float(i), 1e-3) << "vertex " << i;
    }
}

// A negative clock is a real time; it once stood for "never posed", so a unit starting its
// animation there showed the mesh unposed.
TEST(MeshScene, AnAnimatedUnitIsPosedFromItsFirstFrameWhateverItsClock)
{
    cGraphicsHarness harness;
    sTestVertex vertex = testVertex(0, 0);
    vertex.weights[0] = 1;
    const auto mesh = makeMesh({vertex, vertex, vertex}, {0, 1, 2}, 0x111C, {Matrix::identity()});
    const auto animation = makeAnimation({keyed({{Matrix::translation(5, 0, 0), 0}})});
    iGraphics::sUnit unit = unitOf(mesh.get(), animation.get());
    unit.time = -1;
    harness.frame([&](cGraphics& _g) { _g.render(unit); });
    EXPECT_EQ(harness.device().draws().at(0).vertices[0].x, 5);
}

TEST(MeshScene, FullScreenPlacesUnitsInThePictureLikeSprites)
{
    cGraphicsHarness harness("fullscreen=\"1\"");
    const sScreenGeometry& geometry = harness.graphics().getGeometry();
    ASSERT_TRUE(geometry.fullscreen);
    const auto mesh = squareMesh(10, 20, 30, 40, 0);
    const iGraphics::sUnit unit = unitOf(mesh.get());
    harness.frame([&](cGraphics& _g) { _g.render(unit); });
    const sVertex& corner = harness.device().draws().at(0).vertices[0];
    EXPECT_FLOAT_EQ(corner.x, 10 * geometry.scaleX + geometry.offsetX);
    EXPECT_FLOAT_EQ(corner.y, 20 * geometry.scaleY + geometry.offsetY);
}

// Wireframe clears black but keeps the depth buffer, and the statistics text comes last.
TEST(MeshScene, ShowingTrianglesDrawsWireframeWhereAMeshUnitKeepsItsTextureAndSpritesLoseTheirs)
{
    const sImage image = makeImage(2, 2, [](UInt, UInt) { return 0xFF40A040u; });
    cGraphicsHarness h("show_triangles=\"1\" back_color=\"0xFFFF0000\"", {{"pictures/skin.png", makePng(image)}});
    auto* texture = static_cast<cTexture*>(cResourceManager::getInstance()->getTexture("pictures/skin.png"));
    const auto mesh = squareMesh(0, 0, 10, 10, 1);
    iGraphics::sUnit unit = unitOf(mesh.get());
    unit.texture = texture;
    h.graphics().showTriangles(true);
    h.frame([&](cGraphics& _g) {
        _g.render(unit);
        _g.renderQuad(quadAt(0, 0, 4, 4), texture, 0);
    });
    EXPECT_EQ(0xFF000000u, h.device().clears()[0].colour);
    EXPECT_EQ(UInt(CLEAR_COLOUR | CLEAR_STENCIL), h.device().clears()[0].flags);
    const auto& draws = h.device().draws();
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_TRUE(draws[0].state.wireframe && draws[1].state.wireframe);
    EXPECT_EQ(draws[0].state.stages[0].texture, texture->getTexture());
    EXPECT_EQ(draws[1].state.stages[0].texture, 0u);
    texture->release();
}

const UInt kBack = 0xFF202020, kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kGreen = 0xFF00FF00;

// Texel (x, y) of the 4 x 4 test picture: every one a colour of its own.
UInt texel(UInt _x, UInt _y)
{
    return 0xFF000000 | (_x * 60) << 16 | (_y * 60) << 8 | 0x80;
}

// Units glow in their emissive colour with no ambient share, so their pixels are exact.
class GraphicsPixels : public testing::Test {
protected:
    void SetUp() override
    {
        m_harness.destroyGraphics();
        m_screen.open(m_harness.window(), m_harness.system());
    }

    cGraphicsHarness m_harness{"back_color=\"0xFF202020\"", {{"texels.png", makePng(makeImage(4, 4, texel))}}};
    cGlScreen m_screen;
};

TEST_F(GraphicsPixels, ASpriteMapsTexelsToPixelsExactly)
{
    cTexture texture("texels.png");
    m_screen.frame([&](cGraphics& _g) { _g.renderQuad(quadAt(10, 20, 14, 24), &texture, RT_OPAQUE); });
    for (UInt y = 0; y < 4; ++y)
        for (UInt x = 0; x < 4; ++x)
            m_screen.expectPixels({{texel(x, y), 10 + x, 20 + y}});
    m_screen.expectPixels({{kBack, 14, 20}, {kBack, 9, 20}});
}

TEST_F(GraphicsPixels, AHalfTransparentSpriteBlendsOverTheOneBelow)
{
    m_screen.frame([](cGraphics& _g) {
        _g.renderQuad(quadAt(0, 0, 16, 16, kRed), nullptr, 0);
        _g.renderQuad(quadAt(0, 0, 16, 16, 0x800000FF), nullptr, 0);
    });
    m_screen.expectPixels({{0xFF7F0080u, 8, 8}, {kBack, 20, 8}});
}

TEST_F(GraphicsPixels, TheDeeperUnitHidesTheOtherWhateverTheOrderAndSpritesIgnoreDepth)
{
    const auto front = squareMesh(10, 10, 50, 50, 100), back = squareMesh(30, 30, 70, 70, -100);
    const iGraphics::sUnit red = glowingUnit(front.get(), kRed), blue = glowingUnit(back.get(), kBlue);
    m_screen.frame([&](cGraphics& _g) {
        _g.render(red);
        _g.render(blue);
        _g.renderQuad(quadAt(60, 60, 80, 80, kGreen), nullptr, RT_OPAQUE);
    });
    m_screen.expectPixels({{kRed, 20, 20}, {kRed, 40, 40}, {kBlue, 55, 40}, {kGreen, 65, 65}, {kBack, 75, 40}});
}

TEST_F(GraphicsPixels, FacesWoundCounterClockwiseOnScreenAreCulled)
{
    const auto clockwise = squareMesh(10, 10, 30, 30, 0, true), counter = squareMesh(40, 10, 60, 30, 0, false);
    const iGraphics::sUnit kept = glowingUnit(clockwise.get(), kRed), culled = glowingUnit(counter.get(), kRed);
    m_screen.frame([&](cGraphics& _g) {
        _g.render(kept);
        _g.render(culled);
    });
    m_screen.expectPixels({{kRed, 20, 20}, {kBack, 50, 20}});
}

// The left edge hangs from bone 0 (at rest), the right edge from bone 1 through the implied
// fourth weight; bone 1 moves 40 pixels right, stretching the square.
TEST_F(GraphicsPixels, ASkinnedMeshFollowsItsPose)
{
    std::vector<sTestVertex> corners = {testVertex(0, 0), testVertex(20, 0), testVertex(0, 20), testVertex(20, 20)};
    for (sTestVertex& corner : corners) {
        corner.weights[0] = corner.position[0] > 0 ? 0 : 1;
        corner.bones[3] = 1;
    }
    const auto mesh = makeMesh(corners, {0, 1, 2, 2, 1, 3}, 0x111C, {Matrix::identity(), Matrix::identity()});
    const auto animation =
        makeAnimation({keyed({{Matrix::identity(), 0}}), keyed({{Matrix::translation(40, 0, 0), 0}})});
    iGraphics::sUnit unit = glowingUnit(mesh.get(), kRed);
    unit.animation = animation.get();
    unit.world = Matrix::translation(100, 100, 0);
    m_screen.frame([&](cGraphics& _g) { _g.render(unit); });
    m_screen.expectPixels({{kRed, 102, 110}, {kRed, 150, 110}, {kRed, 158, 101}, {kBack, 162, 110}, {kBack, 98, 110}});
}

using tVector = cVertexShader::tVector;
enum : UInt { TEMP = 0, INPUT = 1, CONST = 2, ADDRESS = 3, POSITION_OUT = 4, COLOUR_OUT = 5, TEXTURE_OUT = 6 };
const UInt IDENTITY = 0xE4;
const Float kInfinity = std::numeric_limits<Float>::infinity();

UInt reg(UInt _type, UInt _index)
{
    return 0x80000000u | ((_type & 7) << 28) | ((_type & 0x18) << 8) | _index;
}
UInt dst(UInt _type, UInt _index, UInt _mask = 0xF, bool _saturate = false)
{
    return reg(_type, _index) | (_mask << 16) | (_saturate ? 1u << 20 : 0);
}
UInt src(UInt _type, UInt _index, UInt _swizzle = IDENTITY, bool _negate = false)
{
    return reg(_type, _index) | (_swizzle << 16) | (_negate ? 1u << 24 : 0);
}
// Replicates one channel (0..3) to all four.
UInt replicate(UInt _channel)
{
    return _channel * 0x55;
}

// A whole program: the version, the instructions, the end.
std::vector<UInt> program(std::initializer_list<UInt> _body)
{
    std::vector<UInt> tokens = {0xFFFE0101};
    tokens.insert(tokens.end(), _body);
    tokens.push_back(0x0000FFFF);
    return tokens;
}

// Runs the program with c0..c3 from _constants and returns the first texture output.
tVector run(const std::vector<UInt>& _tokens, std::vector<tVector> _constants = {})
{
    const cVertexShader shader(_tokens.data(), _tokens.size() * 4);
    _constants.resize(cVertexShader::CONSTANT_COUNT);
    cVertexShader::sVertexIO io;
    io.inputs[0] = {2, 3, 4, 1};
    shader.run(_constants.data(), io);
    return io.textures[0];
}

struct sInstructionCase {
    const char* what;
    std::vector<UInt> tokens;
    tVector expected;
};

TEST(VertexShader, EachInstructionComputesWhatTheInstructionSetSays)
{
    const std::vector<tVector> c = {{1, -2, 0.5f, 4}, {0.5f, 0.5f, 0, 2}, {-1.25f, 3, 8, 0}, {1, 0, 0, 1}};
    const UInt o = dst(TEXTURE_OUT, 0);
    const sInstructionCase cases[] = {
        {"mov", program({1, o, src(CONST, 0)}), {1, -2, 0.5f, 4}},
        {"add", program({2, o, src(CONST, 0), src(INPUT, 0)}), {3, 1, 4.5f, 5}},
        {"sub", program({3, o, src(CONST, 0), src(INPUT, 0)}), {-1, -5, -3.5f, 3}},
        {"sub as add of a negation", program({2, o, src(CONST, 0), src(INPUT, 0, IDENTITY, true)}), {-1, -5, -3.5f, 3}},
        {"mad", program({4, o, src(CONST, 0), src(INPUT, 0), src(CONST, 3)}), {3, -6, 2, 5}},
        {"mul", program({5, o, src(CONST, 0), src(INPUT, 0)}), {2, -6, 2, 4}},
        {"rcp of 4", program({6, o, src(CONST, 0, replicate(3))}), {0.25f, 0.25f, 0.25f, 0.25f}},
        {"rsq of 4", program({7, o, src(CONST, 0, replicate(3))}), {0.5f, 0.5f, 0.5f, 0.5f}},
        {"rcp of 0", program({6, o, src(CONST, 2, replicate(3))}), {kInfinity, kInfinity, kInfinity, kInfinity}},
        {"rsq of 0", program({7, o, src(CONST, 2, replicate(3))}), {kInfinity, kInfinity, kInfinity, kInfinity}},
        {"dp3", program({8, o, src(CONST, 0), src(INPUT, 0)}), {-2, -2, -2, -2}},
        {"dp4", program({9, o, src(CONST, 0), src(INPUT, 0)}), {2, 2, 2, 2}},
        {"min", program({10, o, src(CONST, 0), src(CONST, 1)}), {0.5f, -2, 0, 2}},
        {"max", program({11, o, src(CONST, 0), src(CONST, 1)}), {1, 0.5f, 0.5f, 4}},
        {"slt", program({12, o, src(CONST, 0), src(CONST, 1)}), {0, 1, 0, 0}},
        {"sge", program({13, o, src(CONST, 0), src(CONST, 1)}), {1, 0, 1, 1}},
        {"exp", program({14, o, src(CONST, 2, replicate(1))}), {8, 8, 8, 8}},
        {"log", program({15, o, src(CONST, 2, replicate(2))}), {3, 3, 3, 3}},
        {"lit", program({16, o, src(CONST, 1)}), {1, 0.5f, 0.25f, 1}},
        {"dst", program({17, o, src(CONST, 0), src(CONST, 1)}), {1, -1, 0.5f, 2}},
        {"frc", program({19, o, src(CONST, 2)}), {0.75f, 0, 0, 0}},
        {"m4x4", program({20, o, src(INPUT, 0), src(CONST, 0)}), {2, 4.5f, 38.5f, 3}},
        {"m3x2", program({24, o, src(INPUT, 0), src(CONST, 0)}), {-2, 2.5f, 0, 1}},
        {"expp", program({78, o, src(CONST, 2, replicate(0))}), {0.25f, 0.75f, std::exp2(-1.25f), 1}},
        {"logp", program({79, o, src(CONST, 2, replicate(1))}), {1, 1.5f, std::log2(3.0f), 1}},
        {"swizzle", program({1, o, src(CONST, 0, 0x1B)}), {4, 0.5f, -2, 1}},
        {"write mask and saturate", program({1, dst(TEXTURE_OUT, 0, 0x5, true), src(CONST, 0)}), {1, 0, 0.5f, 1}},
        {"relative constant", program({1, dst(ADDRESS, 0, 0x1), src(CONST, 3), 1, o, src(CONST, 1) | 0x2000}),
         {-1.25f, 3, 8, 0}},
        {"temporaries and comments", program({0x0001FFFE, 0x12345678, 1, dst(TEMP, 11), src(CONST, 3), 0,
                                              1, o, src(TEMP, 11, IDENTITY, true)}), {-1, 0, 0, -1}},
    };
    for (const sInstructionCase& test : cases) {
        const tVector result = run(test.tokens, c);
        for (int i = 0; i < 4; ++i)
            EXPECT_FLOAT_EQ(result[i], test.expected[i]) << test.what << " channel " << i;
    }
    EXPECT_EQ(run(program({6, o, src(CONST, 3, replicate(0))}), c)[0], 1.0f) << "the reciprocal of one is exact";
}

TEST(VertexShader, BrokenProgramsAreRefused)
{
    const std::vector<UInt> broken[] = {
        {},
        {0xFFFF0101, 0x0000FFFF},                                       // a pixel shader
        {0xFFFE0101, 1, dst(TEXTURE_OUT, 0), src(CONST, 0)},            // no end
        {0xFFFE0101, 1, dst(TEXTURE_OUT, 0)},                           // cut inside an instruction
        {0xFFFE0101, 18, dst(TEXTURE_OUT, 0), src(CONST, 0), 0xFFFF},   // no such instruction
        program({1, dst(TEXTURE_OUT, 0), src(CONST, 96)}),              // past the constants
        program({1, dst(TEMP, 12), src(CONST, 0)}),                     // past the temporaries
        program({1, dst(INPUT, 0), src(CONST, 0)}),                     // inputs are read-only
        program({20, dst(TEXTURE_OUT, 0), src(INPUT, 0), src(CONST, 93)}), // matrix past the end
        program({0x7FFFFFFE}),                                          // comment past the end
    };
    for (const std::vector<UInt>& tokens : broken)
        EXPECT_THROW(cVertexShader(tokens.data(), tokens.size() * 4), String) << tokens.size() << " tokens";
}

// A program as the bytes of a shader file.
std::string shaderFile(const std::vector<UInt>& _tokens)
{
    std::string bytes;
    for (UInt token : _tokens)
        bytes += u32Bytes(token);
    return bytes;
}

// What the fixed pipeline does: project, pass colour and texture coordinates on.
const std::string PLAIN = shaderFile(program({20, dst(POSITION_OUT, 0), src(INPUT, 0), src(CONST, 0),
    1, dst(COLOUR_OUT, 0), src(INPUT, 5), 1, dst(TEXTURE_OUT, 0), src(INPUT, 7)}));
// Moves the sprite by c9 and paints it in c10.
const std::string MOVED = shaderFile(program({2, dst(TEMP, 0), src(INPUT, 0), src(CONST, 9),
    20, dst(POSITION_OUT, 0), src(TEMP, 0), src(CONST, 0), 1, dst(COLOUR_OUT, 0), src(CONST, 10),
    1, dst(TEXTURE_OUT, 0), src(INPUT, 7)}));

iGraphics::sSprite sprite(iResource* _shader)
{
    iGraphics::sSprite p;
    const Float xs[4] = {10, 90, 14, 70}, ys[4] = {20, 24, 60, 66};
    const UInt colours[4] = {0xFFFF0000, 0x8000FF00, 0xFF0000FF, 0x40FFFFFF};
    for (int i = 0; i < 4; ++i)
        p.corners[i] = {xs[i], ys[i], colours[i]};
    p.subdivision = 2;
    p.left = 0.25f;
    p.right = 0.75f;
    p.setShader(_shader);
    return p;
}

// Each program against the fixed pipeline: a plain one draws the same, one that reads the
// sprite's constants follows them, a broken one leaves the sprite to the fixed pipeline.
TEST(ShadedSprite, DrawsWhatItsProgramComputesFromTheFixedPipelinesInputs)
{
    cGraphicsHarness h("", {{"shaders/plain.vsh", PLAIN}, {"shaders/moved.vsh", MOVED},
                            {"shaders/broken.vsh", "bytes"}});
    const auto draw = [&](iResource* _shader, const iGraphics::sSprite::SHADER_CONSTANTS* _constants) {
        iGraphics::sSprite p = sprite(_shader);
        p.constants = _constants;
        h.device().forgetCalls();
        h.frame([&](cGraphics& _g) { _g.render(p, static_cast<cTexture*>(nullptr), 0); });
        return h.device().draws().at(0).vertices;
    };
    const Float values[8] = {5, -7, 0, 0, 1, 0.5f, 0, 1};
    const iGraphics::sSprite::SHADER_CONSTANTS moveAndPaint = {{9, values, 2}};
    const struct {
        const char* path;
        const iGraphics::sSprite::SHADER_CONSTANTS* constants;
        Float dx, dy;
        UInt paint; // 0: the corners' own colours
    } cases[] = {{"shaders/plain.vsh", nullptr, 0, 0, 0}, {"shaders/moved.vsh", &moveAndPaint, 5, -7, 0xFFFF8000},
        {"shaders/broken.vsh", nullptr, 0, 0, 0}};
    const std::vector<sVertex> fixed = draw(nullptr, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        iResource* shader = cResourceManager::getInstance()->getShader(c.path);
        const std::vector<sVertex> shaded = draw(shader, c.constants);
        ASSERT_EQ(shaded.size(), fixed.size());
        for (std::size_t i = 0; i < fixed.size(); ++i) {
            EXPECT_NEAR(shaded[i].x, fixed[i].x + c.dx, 1e-3) << i;
            EXPECT_NEAR(shaded[i].y, fixed[i].y + c.dy, 1e-3) << i;
            EXPECT_FLOAT_EQ(shaded[i].u0, fixed[i].u0) << i;
            EXPECT_FLOAT_EQ(shaded[i].v0, fixed[i].v0) << i;
            EXPECT_EQ(shaded[i].colour, c.paint ? c.paint : fixed[i].colour) << i;
        }
        shader->release();
    }
}

} // namespace
