#include "ButtonHarness.h"
#include "Ui/Control.h"
#include "Ui/Letter.h"
#include "Ui/OverlayButton.h"
#include "Ui/Picture.h"
#include "Ui/ProgressDiscrete.h"
#include "Ui/ProgressFloat.h"
#include "Ui/UI.h"
#include "engine/Logic.h"
#include "graphics/GlScreen.h"
#include "graphics/GraphicsHarness.h"
#include "graphics/Mesh.h"
#include "graphics/Texture.h"
#include "support/AnimationWriter.h"
#include "support/MeshWriter.h"
#include "support/Thrown.h"

#include <cmath>

namespace {

// The colours of the 3 x 3 cells of "grid.png" (each cell 4 x 4 texels), row by row.
UInt gridCellColour(UInt _cell)
{
    static const UInt colours[9] = {0xFFE05050, 0xFF50E050, 0xFF5050E0, 0xFFE0E050, 0xFF50E0E0,
                                    0xFFE050E0, 0xFFF0A040, 0xFF40A0F0, 0xFFA0F040};
    return colours[_cell % 9];
}

// Controls over the renderer on the recording device, with a UI manager and a data folder
// holding "grid.png" (a 3 x 3 frame grid), "square.mesh" (a square of side 2 around its
// origin, facing the screen once turned to it) and "clip.anim" (an animation 2.5 s long).
// Views still registered at the end are deleted before the renderer and the cache go.
class cControlTest : public ::testing::Test {
protected:
    // _extra files join the others in the data folder.
    explicit cControlTest(const std::string& _graphics = "", const tDataFiles& _extra = {})
        : m_harness(_graphics, dataFiles(_extra))
    {
    }
    ~cControlTest() override { cUI::shutAfterAll(); }

    static tDataFiles dataFiles(tDataFiles _files)
    {
        sTestVertex corners[4];
        const float xy[4][2] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
        for (int i = 0; i < 4; ++i) {
            corners[i].position[0] = xy[i][0];
            corners[i].position[1] = xy[i][1];
            corners[i].normal[2] = 1;
        }
        _files.insert(_files.end(),
            {{"grid.png", makePng(makeImage(12, 12, [](UInt _x, UInt _y) { return gridCellColour(_y / 4 * 3 + _x / 4); }))},
                {"square.mesh", writeMeshFile(0x12, {corners[0], corners[1], corners[2], corners[3]}, {0, 1, 2, 2, 1, 3})},
                {"clip.anim", writeAnimationFile(2.5f, {sTestNode{}})}});
        return _files;
    }

    // A whole element, with its children, as the document "screen.xml" would hold it.
    static std::unique_ptr<cXML> parse(const std::string& _element)
    {
        const std::string bytes = makeXml16(_element);
        return std::make_unique<cXML>("screen.xml", bytes.data(), ULong(bytes.size()));
    }
    static std::unique_ptr<cXML> element(const std::string& _attributes)
    {
        return parse("<control " + _attributes + " />");
    }

    cGraphicsHarness m_harness;
    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
};

using ControlLook = cControlTest;

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
        const iGraphics::sSprite& sprite = control.getSprite();
        EXPECT_FLOAT_EQ(sprite.left, c.left);
        EXPECT_FLOAT_EQ(sprite.top, c.top);
        EXPECT_FLOAT_EQ(sprite.right, c.right);
        EXPECT_FLOAT_EQ(sprite.bottom, c.bottom);
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

TEST_F(ControlLook, ALetterDrawsItsGlyphUnturnedInItsColourUnderTheTextsFade)
{
    cView text(nullptr);
    text.show();
    text.setAlpha(0.25f);
    cLetter letter(&text);
    letter.setPosition(Vector2(20, 30));
    letter.setSize(Vector2(8, 12));
    letter.setAngle(45);
    letter.setLetterColor(0x80FF0000);
    letter.setTextureRect(0.5f, 0.25f, 0.75f, 0.5f);
    const iGraphics::sSprite& sprite = letter.getSprite();
    const Float corners[4][2] = {{16, 24}, {24, 24}, {16, 36}, {24, 36}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(sprite.corners[i].x, corners[i][0]);
        EXPECT_FLOAT_EQ(sprite.corners[i].y, corners[i][1]);
        // Red from the letter, alpha from the text's fade alone: its own 0x80 is not used.
        EXPECT_EQ(sprite.corners[i].color, 0x40FF0000u);
    }
    EXPECT_EQ(sprite.left, 0.5f);
    EXPECT_EQ(sprite.bottom, 0.5f);
    // The same colour or rectangle again needs no rebuild.
    letter.setLetterColor(0x80FF0000);
    letter.setTextureRect(0.5f, 0.25f, 0.75f, 0.5f);
    EXPECT_FALSE(letter.isTransformDirty());
    letter.setTextureRect(0.5f, 0.25f, 0.75f, 0.25f);
    EXPECT_TRUE(letter.isTransformDirty());
}

using ControlPlacement = cControlTest;

std::vector<cView*> drawOrder(const cUI& _ui)
{
    std::vector<cView*> order;
    for (const auto& entry : _ui.getDrawn().snapshot())
        order.push_back(entry.second);
    return order;
}

TEST_F(ControlPlacement, MovingOrReDepthingAParentCarriesEveryDescendant)
{
    cControl parent(nullptr), other(nullptr);
    cView* group = new cView(&parent);
    cControl* child = new cControl(&parent);
    cControl* grandchild = new cControl(group);
    child->setPosition(Vector2(5, 5));
    grandchild->setDeep(2);
    for (cView* view : {static_cast<cView*>(child), static_cast<cView*>(grandchild), group})
        view->show();
    parent.show();
    other.show();
    other.setDeep(1);
    EXPECT_EQ(drawOrder(*m_ui), (std::vector<cView*>{&parent, child, &other, grandchild}));

    parent.setPosition(Vector2(10, 0));
    parent.setDeep(5);
    EXPECT_EQ(child->getPosition(), Vector2(15, 5));
    EXPECT_EQ(grandchild->getPosition(), Vector2(10, 0));
    EXPECT_EQ(grandchild->getDeep(), 7.0f);
    EXPECT_EQ(drawOrder(*m_ui), (std::vector<cView*>{&other, &parent, child, grandchild}));

    // A depth changed while hidden waits for the next show.
    other.hide();
    other.setDeep(9);
    EXPECT_EQ(drawOrder(*m_ui), (std::vector<cView*>{&parent, child, grandchild}));
    other.show();
    EXPECT_EQ(drawOrder(*m_ui), (std::vector<cView*>{&parent, child, grandchild, &other}));
}

TEST_F(ControlPlacement, PixelCollisionScalesMasksIntoTheControls)
{
    // Ten by ten controls under 11 x 11 masks, one cell a logical pixel; "left" is set left of
    // the middle only.
    auto mask = [](bool _left, bool _right) {
        VECTOR_VECTOR_BOOL cells(11, std::vector<Bool>(11, _right));
        for (size_t x = 0; x < 5; ++x)
            cells[x].assign(11, _left);
        return cells;
    };
    const VECTOR_VECTOR_BOOL full = mask(true, true), left = mask(true, false), empty = mask(false, false);
    struct sCase {
        Float bx, by;
        const VECTOR_VECTOR_BOOL *maskA, *maskB;
        Bool hit;
    };
    const sCase cases[] = {
        {10, 0, &full, &full, true},      // touching edges
        {10.5f, 0, &full, &full, false},  // a gap
        {100, 0, nullptr, nullptr, true}, // no masks: the caller tested the rectangles
        {8, 0, &left, &full, false},      // only a's empty right side under b
        {-8, 0, &left, &full, true},
        {3, 3, &empty, nullptr, false},   // a missing mask is set everywhere
        {3, 3, &full, nullptr, true},
    };
    for (const sCase& c : cases) {
        cControl a(nullptr), b(nullptr);
        a.setSize(Vector2(10, 10));
        b.setSize(Vector2(10, 10));
        b.setPosition(Vector2(c.bx, c.by));
        EXPECT_EQ(cControl::checkCollision(&a, &b, c.maskA, c.maskB), c.hit) << "b at " << c.bx << "," << c.by;
    }
    cControl a(nullptr);
    a.setSize(Vector2(10, 10));
    EXPECT_TRUE(a.containsPoint(Vector2(5, -5)));
    EXPECT_FALSE(a.containsPoint(Vector2(5.01f, 0)));
}

TEST_F(ControlPlacement, AMeshUnitIsTurnedToTheScreenThenScaledAndPlaced)
{
    cControl control(nullptr);
    control.loadXML(element("Mesh=\"square.mesh\" Picture=\"grid.png\" position=\"100,50\" deep=\"7\" "
                            "scale=\"2,3,4\" yaw=\"90\" LightingEnable=\"1\" EmissiveColor=\"0xFF00FF00\"")
                        .get());
    const iGraphics::sUnit& unit = control.getUnit();
    const Float expected[4][4] = {{0, 0, 4, 0}, {0, -3, 0, 0}, {2, 0, 0, 0}, {100, 50, 7, 1}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(unit.world.m[row][column], expected[row][column], 1e-5) << row << "," << column;
    EXPECT_EQ(static_cast<iResource*>(unit.mesh), control.getMesh());
    EXPECT_EQ(unit.texture, control.getTexture());
    EXPECT_TRUE(unit.lighting);
    EXPECT_EQ(unit.material.emissive, (DXColor{0, 1, 0, 1}));
}

TEST_F(ControlPlacement, TheDrawPassHandsEachVisibleControlToTheRenderer)
{
    cControl picture(nullptr), mesh(nullptr), hidden(nullptr);
    picture.loadXML(element("Visible=\"1\" Picture=\"grid.png\" DoubleAnimRender=\"1\" size=\"10,10\"").get());
    mesh.loadXML(element("Visible=\"1\" Mesh=\"square.mesh\" position=\"50,50\" scale=\"10,10,1\"").get());
    hidden.loadXML(element("Picture=\"grid.png\"").get());
    m_harness.frame([](cGraphics&) { cUI::drawControls(&cLogic::draw); });
    size_t triangles = 0;
    for (const auto& draw : m_harness.device().draws())
        triangles += draw.indices.size() / 3;
    // Two sprites of two triangles each, and the mesh's two.
    EXPECT_EQ(triangles, 6u);
}

using ControlAnimation = cControlTest;

// A picture of four frames over one second that counts the ends of its animation.
class cCountingPicture : public cPicture {
public:
    cCountingPicture() : cPicture(nullptr)
    {
        setAnimGrid(2, 2);
        setFramesCount(4);
    }
    void onAnimationEnd() override { ++m_ends; }
    int m_ends = 0;
};

TEST_F(ControlAnimation, AClockPastTheEndStopsOnTheLastFrameOrGoesRound)
{
    struct sCase {
        Bool loop;
        Float clock, wrapped;
        UInt frame;
        int ends;
    };
    const sCase cases[] = {
        {false, 1.3f, 1.0f, 3, 1}, {false, 1.0f, 1.0f, 3, 0}, {false, -0.5f, 0, 0, 0},
        {true, 1.3f, 0.3f, 1, 0},  {true, -0.3f, 0.7f, 2, 0}, {true, 1e30f, 0, 0, 0},
    };
    for (const sCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.loop ? "looping" : "once") << " at " << c.clock);
        cCountingPicture picture;
        picture.setAnimLoop(c.loop);
        picture.setAnimTime(c.clock);
        picture.getSprite();
        EXPECT_NEAR(picture.getAnimTime(), c.wrapped, 1e-5);
        EXPECT_EQ(picture.getAnimFrame(), c.frame);
        EXPECT_EQ(picture.m_ends, c.ends);
    }
}

TEST_F(ControlAnimation, DoubleRenderingFadesTheNextFrameInDuringTheFirstHalf)
{
    struct sCase {
        Bool loop;
        Float clock;
        UInt mainAlpha, secondAlpha, secondFrame;
    };
    // Frames are 0.25 s long; alphas as bytes.
    const sCase cases[] = {
        {true, 0.25f, 0xFF, 0x00, 2},   {true, 0.375f, 0xFF, 0xFF, 2}, {true, 0.4375f, 0x80, 0xFF, 2},
        {true, 0.875f, 0xFF, 0xFF, 0}, {false, 0.875f, 0xFF, 0xFF, 3},
    };
    for (const sCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.loop ? "looping" : "once") << " at " << c.clock);
        cCountingPicture picture;
        picture.setAnimLoop(c.loop);
        picture.setDoubleAnimRender(true);
        picture.setAnimTime(c.clock);
        EXPECT_EQ(picture.getSprite().corners[0].color >> 24, c.mainAlpha);
        EXPECT_EQ(picture.getSecondSprite().corners[0].color >> 24, c.secondAlpha);
        EXPECT_FLOAT_EQ(picture.getSecondSprite().left, c.secondFrame % 2 * 0.5f);
        EXPECT_FLOAT_EQ(picture.getSecondSprite().top, c.secondFrame / 2 * 0.5f);
    }
}

Bool untilThird(cControl* _picture)
{
    _picture->setUserValue(_picture->getUserValue() + 1);
    return _picture->getUserValue() >= 3;
}

TEST_F(ControlAnimation, AShowHookRunsEachFrameUntilItAnswersTrue)
{
    cPicture picture(nullptr);
    picture.setShowFunc(&untilThird);
    picture.show();
    picture.enable();
    for (int frame = 0; frame < 5; ++frame)
        cUI::processViews();
    EXPECT_EQ(picture.getUserValue(), 3u);
    EXPECT_EQ(picture.getProcessFuncCount(), 0u);
}

using ProgressBar = cControlTest;

// Left, top, right and bottom of an unturned bar's quad, then its texture rectangle.
std::vector<Float> quadOf(cControl& _bar)
{
    const iGraphics::sSprite& s = _bar.getSprite();
    return {s.corners[0].x, s.corners[0].y, s.corners[3].x, s.corners[3].y, s.left, s.top, s.right, s.bottom};
}

TEST_F(ProgressBar, TheValueCutsTheQuadAndItsTextureFromTheMovingSide)
{
    // A 40 x 20 bar centred on (100, 50): corners 80..120 by 40..60.
    const struct {
        const char* attributes;
        Float stored;
        std::vector<Float> quad;
    } cases[] = {
        {"Side=\"1\" ProgressCurrentValue=\"50\"", 50, {80, 40, 100, 60, 0, 0, 0.5f, 1}},
        {"Side=\"0\" ProgressCurrentValue=\"50\"", 50, {100, 40, 120, 60, 0.5f, 0, 1, 1}},
        {"Side=\"2\" ProgressCurrentValue=\"50\"", 50, {80, 50, 120, 60, 0, 0.5f, 1, 1}},
        {"Side=\"3\" ProgressCurrentValue=\"50\"", 50, {80, 40, 120, 50, 0, 0, 1, 0.5f}},
        {"Side=\"1\" ProgressCurrentValue=\"0\"", 0, {80, 40, 80, 60, 0, 0, 0, 1}},
        {"Side=\"1\" ProgressCurrentValue=\"100\"", 100, {80, 40, 120, 60, 0, 0, 1, 1}},
        {"Side=\"1\" ProgressCurrentValue=\"150\"", 100, {80, 40, 120, 60, 0, 0, 1, 1}},
        {"Side=\"7\" ProgressCurrentValue=\"10\"", 10, {80, 40, 120, 60, 0, 0, 1, 1}},
        {"Side=\"1\" ProgressCurrentValue=\"10\" ProgressMaxValue=\"0\"", 0, {80, 40, 80, 60, 0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        cProgressFloat bar(nullptr);
        bar.loadXML(element(std::string("Picture=\"grid.png\" position=\"100 50\" size=\"40 20\" ") + c.attributes).get());
        EXPECT_EQ(quadOf(bar), c.quad) << c.attributes;
        EXPECT_EQ(bar.getValue(), c.stored) << c.attributes;
    }
}

TEST_F(ProgressBar, TheSideDefaultsToLeftFromXmlButTopInCode)
{
    cProgressFloat described(nullptr), built(nullptr);
    described.loadXML(element("position=\"0 0\"").get());
    EXPECT_EQ(described.getSide(), 0u);
    EXPECT_EQ(built.getSide(), 2u);
}

TEST_F(ProgressBar, TheLidRidesTheMovingEdgeOfTheTurnedQuadWhenTold)
{
    const struct {
        const char* angle;
        Vector2 lid;
    } cases[] = {{"0", {90, 50}}, {"90", {100, 60}}};
    for (const auto& c : cases) {
        cProgressFloat bar(nullptr);
        bar.loadXML(parse(std::string("<bar position=\"100 50\" size=\"40 20\" Side=\"1\" ProgressCurrentValue=\"25\" angle=\"") +
                          c.angle + "\"><Lid size=\"4 4\"/></bar>").get());
        ASSERT_TRUE(bar.getLid());
        EXPECT_NEAR(bar.getLid()->getPosition().x, c.lid.x, 1e-4) << c.angle;
        EXPECT_NEAR(bar.getLid()->getPosition().y, c.lid.y, 1e-4) << c.angle;
        bar.setValue(100);
        EXPECT_NEAR(bar.getLid()->getPosition().y, c.lid.y, 1e-4) << "not before progressChanged";
    }
}

using DiscreteBar = cControlTest;

TEST_F(DiscreteBar, SegmentsTakeTheLitOrUnlitLookAlongTheStep)
{
    cProgressDiscrete bar(nullptr);
    bar.loadXML(parse("<bar Visible=\"1\" position=\"10 20\" deep=\"3\" ProgressMaxValue=\"5\" ProgressCurrentValue=\"2\" "
                        "Step=\"30 0\" DeepStep=\"0.5\" MaxLength=\"1000\"><PictureOn Picture=\"grid.png\" size=\"8 8\"/>"
                        "<PictureOff size=\"6 6\"/></bar>").get());
    ASSERT_EQ(bar.getCount(), 5u);
    for (UInt i = 0; i < 5; ++i) {
        const cPicture* segment = bar.getSegments()[i];
        EXPECT_EQ(segment->getPicture() != nullptr, i < 2) << i;
        EXPECT_EQ(segment->getPosition(), Vector2(10 + 30.0f * Float(i), 20)) << i;
        EXPECT_FLOAT_EQ(segment->getDeep(), 3 + 0.5f * Float(i));
        EXPECT_TRUE(cUI::isDrawn(segment));
    }
    EXPECT_FALSE(cUI::isDrawn(&bar)) << "the bar itself is never drawn";
    bar.getSegments()[4]->setPositionXY(0, 0);
    bar.setValue(2);
    EXPECT_EQ(bar.getSegments()[4]->getPosition(), Vector2(0, 0)) << "the same value lays out nothing";
    bar.setValue(9);
    EXPECT_NE(bar.getSegments()[4]->getPicture(), nullptr) << "a value past the count lights all";
    EXPECT_EQ(bar.getSegments()[4]->getPosition(), Vector2(130, 20));
}

TEST_F(DiscreteBar, ARowLongerThanMaxLengthIsPressedToWholeUnits)
{
    const struct {
        const char* maxLength;
        Float step;
    } cases[] = {{"MaxLength=\"200\"", 30}, {"MaxLength=\"100\"", 20}, {"MaxLength=\"40\"", 8}, {"MaxLength=\"4\"", 1}, {"", 1}};
    for (const auto& c : cases) {
        cProgressDiscrete bar(nullptr);
        bar.loadXML(element(std::string("ProgressMaxValue=\"5\" Step=\"30 0\" ") + c.maxLength).get());
        EXPECT_EQ(bar.getSegments()[1]->getPosition().x - bar.getSegments()[0]->getPosition().x, c.step) << c.maxLength;
        EXPECT_EQ(bar.getStep(), Vector2(30, 0)) << "the field keeps its step";
    }
}

TEST_F(DiscreteBar, AMaximumOfZeroIsRefused)
{
    for (const char* attributes : {"ProgressMaxValue=\"0\"", "", "ProgressMaxValue=\"many\""}) {
        cProgressDiscrete bar(nullptr);
        EXPECT_EQ(thrownText([&] { bar.loadXML(element(std::string("Step=\"3 0\" ") + attributes).get()); }, true),
            "ProgressMaxValue == 0");
        EXPECT_EQ(bar.getCount(), 0u);
        EXPECT_EQ(bar.getStep(), Vector2(3, 0));
    }
}

// Controls drawn by the frame driver's draw pass through GL into a hidden window.
void drawControls(cGlScreen& _screen)
{
    _screen.frame([](cGraphics&) { cUI::drawControls(&cLogic::draw); });
}

class ControlPixels : public cControlTest {
protected:
    ControlPixels() : cControlTest("back_color=\"0xFF202020\"", {{"ui/shape.png", halfShapePng()}}) {}
    void SetUp() override
    {
        m_harness.destroyGraphics();
        m_screen.open(m_harness.window(), m_harness.system());
    }

    cGlScreen m_screen;
};

TEST_F(ControlPixels, AnAnimatedGridPictureAndALitMeshShowAtTheirPlaces)
{
    auto picture = std::make_unique<cPicture>(nullptr);
    picture->loadXML(element("Visible=\"1\" Picture=\"grid.png\" anim_columns=\"3\" anim_rows=\"3\" "
                             "frames_count=\"9\" anim_length=\"0.9\" position=\"100,100\" size=\"40,40\"")
                         .get());
    auto mesh = std::make_unique<cControl>(nullptr);
    mesh->loadXML(element("Visible=\"1\" Mesh=\"square.mesh\" position=\"300,100\" scale=\"20,20,1\" deep=\"1\" "
                          "LightingEnable=\"1\" EmissiveColor=\"0xFF00FF00\" AmbientColor=\"0xFF000000\"")
                      .get());
    for (Float clock : {0.45f, 0.75f}) {
        picture->setAnimTime(clock);
        drawControls(m_screen);
        const UInt cell = gridCellColour(picture->getAnimFrame()), glow = 0xFF00FF00, back = 0xFF202020;
        m_screen.expectPixels({{cell, 100, 100}, {cell, 83, 117}, {back, 78, 100}, {glow, 300, 100}, {glow, 282, 118},
                      {back, 300, 78}});
    }
}

TEST_F(ControlPixels, AHoveredOverlayButtonLightsOnlyItsOpaquePixels)
{
    // Covers 100..108 by 100..108: grey on the left, clear on the right.
    cOverlayButton button(nullptr);
    button.loadXML(element("Visible=\"1\" position=\"104,104\" size=\"8,8\" Picture=\"ui/shape.png\"").get());
    button.hovered();
    drawControls(m_screen);
    // The light multiplies the grey by its colour plus its alpha (0.74 + 0.74 red and green, 1 + 0.74 blue).
    m_screen.expectPixels({{0xFF5F5F6F, 101, 104}, {0xFF202020, 106, 104}, {0xFF202020, 110, 104}});
}

} // namespace
