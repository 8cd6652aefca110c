#include "ControlHarness.h"
#include "Ui/Control.h"
#include "graphics/Texture.h"
#include "support/Thrown.h"

namespace {

using ControlLook = cControlTest;

void expectRect(const iGraphics::sSprite& _sprite, Float _left, Float _top, Float _right, Float _bottom)
{
    EXPECT_FLOAT_EQ(_sprite.left, _left);
    EXPECT_FLOAT_EQ(_sprite.top, _top);
    EXPECT_FLOAT_EQ(_sprite.right, _right);
    EXPECT_FLOAT_EQ(_sprite.bottom, _bottom);
}

TEST_F(ControlLook, FramesShowTheirGridCellMirroredOnRequest)
{
    struct sCase {
        UInt columns, rows, frame;
        Bool inverseX, inverseY;
        Float left, top, right, bottom;
    };
    const Float third = 1.0f / 3;
    const sCase cases[] = {
        {1, 1, 0, false, false, 0, 0, 1, 1},
        {3, 3, 4, false, false, third, third, 2 * third, 2 * third},
        {3, 2, 5, false, false, 2 * third, 0.5f, 1, 1},
        {3, 2, 1, true, false, 2 * third, 0, third, 0.5f},
        {1, 4, 2, false, true, 0, 0.75f, 1, 0.5f},
    };
    for (const sCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.columns << "x" << c.rows << " frame " << c.frame);
        cControl control(nullptr);
        control.setAnimGrid(c.columns, c.rows);
        control.setFramesCount(c.columns * c.rows);
        control.setAnimFrame(c.frame);
        control.setInverceX(c.inverseX);
        control.setInverceY(c.inverseY);
        EXPECT_EQ(control.getAnimFrame(), c.frame);
        expectRect(control.getSprite(), c.left, c.top, c.right, c.bottom);
    }
}

TEST_F(ControlLook, CornersTurnAboutTheCentreAndTheColourCarriesTheRootAlpha)
{
    cView screen(nullptr);
    screen.show();
    screen.setAlpha(0.5f);
    cControl control(&screen);
    control.setPosition(Vector2(100, 50));
    control.setSize(Vector2(20, 10));
    control.setAngle(90);
    control.setColor(DXColor{1, 0.5f, 0, 0.8f});
    const iGraphics::sSprite& sprite = control.getSprite();
    const Float expected[4][2] = {{95, 60}, {95, 40}, {105, 60}, {105, 40}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(sprite.corners[i].x, expected[i][0], 1e-4) << "corner " << i;
        EXPECT_NEAR(sprite.corners[i].y, expected[i][1], 1e-4) << "corner " << i;
        EXPECT_EQ(sprite.corners[i].color, 0x66FF8000u) << "corner " << i;
    }
    // A fade of the screen reaches the sprite at the next rebuild.
    screen.setAlpha(1.0f);
    screen.parentTransparenty();
    EXPECT_EQ(control.getSprite().corners[0].color, 0xCCFF8000u);
}

TEST_F(ControlLook, LoadingReadsEveryAttributeAndCutsTheFramesToTheGrid)
{
    cControl control(nullptr);
    control.loadXML(element("Visible=\"1\" Enable=\"1\" TranparencySpeed=\"2\" deep=\"3\" position=\"10,20\" "
                            "size=\"30,40\" angle=\"5\" color=\"0x80FF0000\" alpha=\"0.25\" RenderType=\"2\" "
                            "yaw=\"90\" pitch=\"180\" scale=\"1,2,3\" Power=\"4\" Picture=\"grid.png\" "
                            "anim_columns=\"3\" anim_rows=\"3\" frames_count=\"10\" anim_loop=\"0\" PlayAnimation=\"1\"")
                        .get());
    EXPECT_TRUE(control.isVisible() && control.isEnabled());
    EXPECT_EQ(control.getFadeSpeed(), 2.0f);
    EXPECT_EQ(control.getDeep(), 3.0f);
    EXPECT_EQ(control.getPosition(), Vector2(10, 20));
    EXPECT_EQ(control.getSize(), Vector2(30, 40));
    EXPECT_EQ(control.getColor(), (DXColor{1, 0, 0, 0.25f}));
    EXPECT_EQ(control.getRenderType(), 2u);
    EXPECT_NEAR(control.getYaw(), 1.5708f, 1e-4);
    EXPECT_NEAR(control.getPitch(), 3.14159f, 1e-4);
    EXPECT_EQ(control.getScale(), (Vector3{1, 2, 3}));
    EXPECT_EQ(control.getFramesCount(), 9u);
    EXPECT_FALSE(control.getAnimLoop());
    EXPECT_TRUE(control.getPlayAnimation());
    ASSERT_NE(control.getTexture(), nullptr);
    EXPECT_EQ(control.getTexture()->getName(), "grid.png");
    EXPECT_TRUE(m_ui->getDrawn().contains(&control));

    // What the element leaves out stays, but the resources and the switches go, and the
    // yaw kept in radians is not turned into radians again.
    control.loadXML(element("Mesh=\"square.mesh\" Animation=\"clip.anim\" anim_length=\"7\"").get());
    EXPECT_EQ(control.getTexture(), nullptr);
    EXPECT_NE(control.getMesh(), nullptr);
    EXPECT_EQ(control.getAnimLength(), 2.5f);
    EXPECT_NEAR(control.getYaw(), 1.5708f, 1e-4);
    EXPECT_EQ(control.getPosition(), Vector2(10, 20));
    EXPECT_FALSE(control.isVisible() || control.isEnabled());
}

TEST_F(ControlLook, AnEmptyGridOrNoLengthIsRefusedAndTheLookStays)
{
    const char* const cases[][2] = {{"anim_columns", "0"}, {"anim_rows", "0"}, {"frames_count", "0"},
                                     {"anim_length", "0"}, {"anim_length", "-1"}, {"anim_length", "-0.0"}};
    for (const auto& c : cases) {
        cControl control(nullptr);
        control.setPicture("grid.png");
        const std::string error =
            thrownText([&] { control.loadXML(element(std::string(c[0]) + "=\"" + c[1] + "\"").get()); }, true);
        EXPECT_EQ(error, "Attribute \"" + std::string(c[0]) + "\" in screen.xml must be above 0.");
        EXPECT_NE(control.getTexture(), nullptr);
        EXPECT_EQ(control.getAnimColumns() * control.getAnimRows() * control.getFramesCount(), 1u);
        EXPECT_EQ(control.getAnimLength(), 1.0f);
    }
}

TEST_F(ControlLook, AnotherLookTakesResourcesAndGridButNotTheColourOrPlaying)
{
    cControl prototype(nullptr), control(nullptr);
    prototype.loadXML(element("Picture=\"grid.png\" anim_columns=\"3\" PlayAnimation=\"1\" color=\"0x80FF0000\"").get());
    control.assignLook(&prototype);
    EXPECT_EQ(control.getTexture(), prototype.getTexture());
    EXPECT_EQ(control.getTexture()->getRefCount(), 2);
    EXPECT_EQ(control.getAnimColumns(), 3u);
    EXPECT_FALSE(control.getPlayAnimation());
    EXPECT_EQ(control.getColor().g, 1.0f);
}

} // namespace
