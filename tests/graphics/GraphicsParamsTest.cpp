#include "engine/Settings.h"
#include "graphics/GraphicsParams.h"
#include "support/EngineCore.h"

#include <gtest/gtest.h>

namespace {

class GraphicsParamsTest : public testing::Test {
protected:
    template <class tValue> void set(const char* _section, const char* _key, tValue _value)
    {
        m_core.settings().setPropertyT(_section, _key, _value);
    }
    sGraphicsParams read()
    {
        sGraphicsParams params;
        params.read(m_core.settings());
        return params;
    }

    cTestData m_data{"<game app_directory=\"Test\" />"};
    cEngineCore m_core{m_data};
};

TEST_F(GraphicsParamsTest, MissingKeysAndAScreenWithoutAreaKeepTheDefaults)
{
    sGraphicsParams params = read();
    EXPECT_FALSE(params.fullscreen);
    EXPECT_EQ(1024u, params.reserveSpriteCount);
    EXPECT_EQ(0xFF000000u, params.backColor);
    EXPECT_TRUE(params.lights.empty());
    String value = "unset";
    EXPECT_TRUE(m_core.settings().getPropertyT("graphics", "show_fps", value)) << "created";
    EXPECT_EQ("", value);
    set("graphics", "width", Int(0));
    set("graphics", "height", Int(-5));
    set("graphics", "reserve_sprite_count", UInt(10));
    set("graphics", "show_triangles", true);
    set("graphics", "show_fps", true);
    params = read();
    EXPECT_EQ(800, params.width);
    EXPECT_EQ(600, params.height);
    // Size, colour and mode are read back in the frame tests.
    EXPECT_EQ(10u, params.reserveSpriteCount);
    EXPECT_TRUE(params.showTriangles && params.showFps);
}

TEST_F(GraphicsParamsTest, LightsAreReadByTheirKeysAndSavedWithAllOfThem)
{
    set("lights", "count", UInt(2));
    set("lights", "light_1_type", UInt(3));
    set("lights", "light_1_diffuse", DXColor{1, 0, 0, 1});
    set("lights", "light_1_direction", Vector3{0, 0, 1});
    set("lights", "light_1_phi", Float(0.5f));
    sGraphicsParams params = read();
    ASSERT_EQ(2u, params.lights.size());
    EXPECT_EQ(0u, params.lights[0].type);
    EXPECT_EQ(3u, params.lights[1].type);
    EXPECT_EQ((DXColor{1, 0, 0, 1}), params.lights[1].diffuse);
    EXPECT_EQ((Vector3{0, 0, 1}), params.lights[1].direction);
    EXPECT_EQ(0.5f, params.lights[1].phi);

    params.lights.resize(1);
    params.lights[0].range = 42;
    params.save(m_core.settings());
    ASSERT_EQ(1u, read().lights.size());
    EXPECT_EQ(42.0f, read().lights[0].range);
    for (const char* key : {"light_0_type", "light_0_specular", "light_0_attenuation2", "light_0_theta"}) {
        String value;
        EXPECT_TRUE(m_core.settings().getPropertyT("lights", key, value)) << key;
        EXPECT_FALSE(value.empty()) << key;
    }
}

TEST_F(GraphicsParamsTest, ADamagedLightCountAllocatesNoMoreThanTheCap)
{
    set("lights", "count", UInt(0xFFFFFFFF));
    EXPECT_LE(read().lights.size(), 256u);
}

} // namespace
