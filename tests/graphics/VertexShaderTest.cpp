#include "GraphicsHarness.h"
#include "engine/ResourceManager.h"
#include "graphics/Sprite.h"
#include "graphics/VertexShader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

namespace {

using tVector = cVertexShader::tVector;
enum : UInt { TEMP = 0, INPUT = 1, CONST = 2, ADDRESS = 3, TEXTURE_OUT = 6 };
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

// Hand-assembled vs 1.1 tokens as the bytes of a shader file.
std::string shaderFile(std::initializer_list<UInt> _tokens)
{
    std::string bytes;
    for (UInt token : _tokens)
        for (int shift = 0; shift < 32; shift += 8)
            bytes += char(token >> shift & 0xFF);
    return bytes;
}

const UInt V0 = 0x90E40000, V5 = 0x90E40005, V7 = 0x90E40007, C0 = 0xA0E40000, R0 = 0x80E40000;
const UInt O_POS = 0xC00F0000, O_D0 = 0xD00F0000, O_T0 = 0xE00F0000, W_R0 = 0x800F0000;
// What the fixed pipeline does: project, pass colour and texture coordinates on.
const std::string PLAIN = shaderFile({0xFFFE0101, 20, O_POS, V0, C0, 1, O_D0, V5, 1, O_T0, V7, 0xFFFF});
// Moves the sprite by c9 and paints it in c10.
const std::string MOVED = shaderFile({0xFFFE0101, 2, W_R0, V0, 0xA0E40009, 20, O_POS, R0, C0, 1, O_D0,
                                      0xA0E4000A, 1, O_T0, V7, 0xFFFF});

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
    cGraphicsHarness h("", {{"shaders/plain.vsh", PLAIN}, {"shaders/moved.vsh", MOVED}, {"shaders/broken.vsh", "bytes"}});
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
