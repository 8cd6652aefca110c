#include "engine/Settings.h"
#include "graphics/GraphicsParams.h"
#include "support/EngineCore.h"

#include <gtest/gtest.h>

namespace {

class GraphicsParamsTest : public testing::Test {
protected:
    explicit GraphicsParamsTest(const std::string& _sections = "")
        : m_data("<game app_directory=\"Test\" />" + _sections), m_core(m_data)
    {
    }
    cSettings& settings() { return m_core.settings(); }

    cTestData m_data;
    cEngineCore m_core;
};

TEST_F(GraphicsParamsTest, MissingKeysKeepTheDefaultsAndAreCreated)
{
    sGraphicsParams params;
    params.read(settings());
    EXPECT_EQ(800, params.width);
    EXPECT_EQ(600, params.height);
    EXPECT_FALSE(params.fullscreen);
    EXPECT_EQ(1024u, params.reserveSpriteCount);
    EXPECT_EQ(0xFF000000u, params.backColor);
    EXPECT_TRUE(params.lights.empty());
    String value = "unset";
    EXPECT_TRUE(settings().getPropertyT("graphics", "show_fps", value));
    EXPECT_EQ("", value);
}

TEST_F(GraphicsParamsTest, ValuesAreReadFromTheGraphicsSection)
{
    settings().setPropertyT("graphics", "width", Int(1024));
    settings().setPropertyT("graphics", "height", Int(768));
    settings().setPropertyT("graphics", "fullscreen", true);
    settings().setPropertyT("graphics", "reserve_sprite_count", UInt(10));
    settings().setPropertyT("graphics", "show_triangles", true);
    settings().setPropertyT("graphics", "show_fps", true);
    settings().setPropertyT("graphics", "back_color", DXColor{1, 0, 0, 1});
    sGraphicsParams params;
    params.read(settings());
    EXPECT_EQ(1024, params.width);
    EXPECT_EQ(768, params.height);
    EXPECT_TRUE(params.fullscreen);
    EXPECT_EQ(10u, params.reserveSpriteCount);
    EXPECT_TRUE(params.showTriangles);
    EXPECT_TRUE(params.showFps);
    EXPECT_EQ(0xFFFF0000u, params.backColor);
}

TEST_F(GraphicsParamsTest, AScreenWithoutAreaIsRefused)
{
    settings().setPropertyT("graphics", "width", Int(0));
    settings().setPropertyT("graphics", "height", Int(-5));
    sGraphicsParams params;
    params.read(settings());
    EXPECT_EQ(800, params.width);
    EXPECT_EQ(600, params.height);
}

TEST_F(GraphicsParamsTest, LightsAreReadByTheirThirteenKeys)
{
    settings().setPropertyT("lights", "count", UInt(2));
    settings().setPropertyT("lights", "light_1_type", UInt(3));
    settings().setPropertyT("lights", "light_1_diffuse", DXColor{1, 0, 0, 1});
    settings().setPropertyT("lights", "light_1_direction", Vector3{0, 0, 1});
    settings().setPropertyT("lights", "light_1_phi", Float(0.5f));
    sGraphicsParams params;
    params.read(settings());
    ASSERT_EQ(2u, params.lights.size());
    EXPECT_EQ(0u, params.lights[0].type);
    EXPECT_EQ(3u, params.lights[1].type);
    EXPECT_EQ((DXColor{1, 0, 0, 1}), params.lights[1].diffuse);
    EXPECT_EQ((Vector3{0, 0, 1}), params.lights[1].direction);
    EXPECT_EQ(0.5f, params.lights[1].phi);
}

TEST_F(GraphicsParamsTest, ADamagedLightCountAllocatesNoMoreThanTheCap)
{
    settings().setPropertyT("lights", "count", UInt(0xFFFFFFFF));
    sGraphicsParams params;
    params.read(settings());
    EXPECT_LE(params.lights.size(), 256u);
}

TEST_F(GraphicsParamsTest, SavingWritesEveryKeyAndReadsBackTheSame)
{
    sGraphicsParams saved;
    saved.width = 1024;
    saved.backColor = 0xFF102030;
    saved.showFps = true;
    saved.lights.resize(1);
    saved.lights[0].type = 1;
    saved.lights[0].range = 42;
    saved.save(settings());
    sGraphicsParams loaded;
    loaded.read(settings());
    EXPECT_EQ(1024, loaded.width);
    EXPECT_EQ(0xFF102030u, loaded.backColor);
    EXPECT_TRUE(loaded.showFps);
    ASSERT_EQ(1u, loaded.lights.size());
    EXPECT_EQ(42.0f, loaded.lights[0].range);
    for (const char* key : {"light_0_type", "light_0_specular", "light_0_attenuation2", "light_0_theta"}) {
        String value;
        EXPECT_TRUE(settings().getPropertyT("lights", key, value)) << key;
        EXPECT_FALSE(value.empty()) << key;
    }
}

} // namespace
