#include "graphics/Animation.h"
#include "support/AnimationWriter.h"
#include "support/MeshWriter.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>

namespace {

const Float kPi = 3.14159265358979f;
const std::vector<Matrix> kNoBinds(32, Matrix::identity());

std::unique_ptr<cAnimation> load(const std::string& _bytes, const String& _name = "Animations/test.anim")
{
    return std::make_unique<cAnimation>(_name, _bytes.data(), static_cast<ULong>(_bytes.size()));
}

// The error call stack of a failed load (its first line unless _whole).
String failure(const std::string& _bytes, bool _whole = false)
{
    return thrownText([&] { load(_bytes, "Animations/bad.anim"); }, !_whole);
}

sTestNode keyed(std::vector<sTestKey> _keys, std::uint32_t _parent = 0xFFFFFFFF)
{
    sTestNode node;
    node.parent = _parent;
    node.keys = std::move(_keys);
    return node;
}

// One node with two keys at the given times.
std::string timed(Float _first, Float _second)
{
    return writeAnimationFile(1, {keyed({{Matrix::identity(), _first}, {Matrix::identity(), _second}})});
}

// The matrices of an animation from nodes over a period of _length, posed at _time.
std::vector<Matrix> pose(const std::vector<sTestNode>& _nodes, Float _time, const std::vector<Matrix>& _binds = kNoBinds,
    Float _length = 1)
{
    const auto animation = load(writeAnimationFile(_length, _nodes));
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

TEST(AnimationFiles, ReadsNodesKeysAndLength)
{
    const auto animation = load(writeAnimationFile(
        3.5f, {keyed({{Matrix::translation(1, 2, 3), 0}, {Matrix::rotationX(1), 0.5f}}), keyed({}, 0)}));
    EXPECT_EQ(animation->getType(), RT_ANIMATION);
    EXPECT_EQ(animation->getLength(), 3.5f);
    ASSERT_EQ(animation->getNodes().size(), 2u);
    EXPECT_EQ(animation->getNodes()[0].keys[1].matrix, Matrix::rotationX(1));
    EXPECT_EQ(animation->getNodes()[0].keys[1].time, 0.5f);
    EXPECT_EQ(std::make_pair(cAnimation::kNoParent, 0u),
        std::make_pair(animation->getNodes()[0].parent, animation->getNodes()[1].parent));

    const auto empty = load(writeAnimationFile(1, {}));
    empty->setTime(0.5f, &kNoBinds);
    EXPECT_TRUE(empty->getMatrices().empty());
}

TEST(AnimationErrors, FirstLineNamesTheFault)
{
    const std::string good = writeAnimationFile(1, {keyed({{Matrix::identity(), 0}})});
    std::string badNodeTag = good;
    badNodeTag.replace(good.size() - 4, 4, "mela");
    std::string manyNodes = good;
    manyNodes.replace(4, 4, u32Bytes(0x10000000));
    std::string manyKeys = good;
    manyKeys.replace(12, 4, u32Bytes(0x7FFFFFFF));
    const String invalid = "Invalid animation format. File:Animations/bad.anim";
    const struct {
        const char* what;
        std::string bytes;
        String text;
    } cases[] = {
        {"no tag", "xxxx" + good.substr(4), "Invalid resource format"},
        {"wrong node tag", badNodeTag, "Invalid resource format"},
        {"empty", "", "Unexpected end of source"},
        {"cut in a key", good.substr(0, 40), "Unexpected end of source"},
        {"cut before a node tag", good.substr(0, good.size() - 1), "Unexpected end of source"},
        {"node count past the end", manyNodes, "Unexpected end of source"},
        {"key count past the end", manyKeys, "Unexpected end of source"},
        {"parent outside the nodes", writeAnimationFile(1, {keyed({}, 1)}), invalid},
        {"own parent", writeAnimationFile(1, {keyed({}), keyed({}, 1)}), invalid},
        {"parents in a loop", writeAnimationFile(1, {keyed({}, 2), keyed({}, 0), keyed({}, 1), keyed({})}), invalid},
        {"key times descending", timed(0.5f, 0.25f), invalid},
        {"key time not a number", timed(0, std::nanf("")), invalid},
        {"key time infinite", timed(0, INFINITY), invalid},
    };
    for (const auto& c : cases)
        EXPECT_EQ(failure(c.bytes), c.text) << c.what;
    EXPECT_EQ(failure("alem", true), "Unexpected end of source\ncAnimation::cAnimation(const String& name )");
}

TEST(AnimationPose, BeforeAnyPoseOrWithoutBonesEveryNodeHoldsTheBindPose)
{
    const auto animation = load(writeAnimationFile(2, {kSlide}));
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

} // namespace
