#include "Ui/ButtonHarness.h"
#include "Ui/controls/Control.h"
#include "Ui/texts/FlyText.h"
#include "Ui/texts/Letter.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/buttons/OverlayButton.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/PriceText.h"
#include "Ui/boxes/ProgressDiscrete.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/views/Scavenger.h"
#include "Ui/texts/Text.h"
#include "Ui/buttons/TextButton.h"
#include "Ui/views/UI.h"
#include "engine/frame/Logic.h"
#include "engine/text/StringManager.h"
#include "engine/text/TextConvert.h"
#include "engine/frame/Timer.h"
#include "graphics/GlScreen.h"
#include "graphics/sprites/Texture.h"
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

// The test font "fonts/test.fnt" over the 64 x 64 picture "fonts/test.png": 'a' is 16 pixels
// wide and advances 16, 'b' and 'c' are 32 wide and advance 32, the digits and 'Ж' are 16 wide
// and advance 16. Every glyph is 32 pixels high; 'A' is 64 high. 'x' has no glyph. The font
// "fonts/a.fnt" has 'a' alone.
std::string makeTestFont()
{
    const sGlyph narrow{0, 0.5f, 0.25f, 0, 0.25f}, wide{0.25f, 1, 0.75f, 0.5f, 0.5f};
    sFontFile font;
    font.ranges = {{u'a', u'c', 0}, {u'0', u'9', 3}, {u'\u0416', u'\u0416', 13}, {u'A', u'A', 14}};
    font.glyphs = {{0, 1, 0.25f, 0.5f, 0.25f}, wide, wide};
    font.glyphs.insert(font.glyphs.end(), 11, narrow);
    font.glyphs.push_back({0.75f, 1, 1, 0, 0.25f});
    return writeFontFile(font);
}

// Controls over the renderer on the recording device, with the string table (which turns
// "key" into "ab"), the timer, a UI manager and a data folder holding "grid.png" (a 3 x 3
// frame grid), "square.mesh" (a square of side 2 around its origin, facing the screen once
// turned to it), "clip.anim" (an animation 2.5 s long) and the test fonts. Views still
// registered at the end are deleted before the managers, the renderer and the cache go.
class cControlTest : public ::testing::Test {
protected:
    // _extra files join the others in the data folder.
    explicit cControlTest(const std::string& _graphics = "", const tDataFiles& _extra = {})
        : m_harness(_graphics, dataFiles(_extra))
    {
    }
    ~cControlTest() override
    {
        m_views.clear();
        cUI::shutAfterAll();
    }

    static tDataFiles dataFiles(tDataFiles _files)
    {
        std::vector<sTestVertex> corners = {testVertex(-1, 1), testVertex(1, 1), testVertex(-1, -1), testVertex(1, -1)};
        for (sTestVertex& corner : corners)
            corner.normal[2] = 1;
        _files.insert(_files.end(),
            {{"grid.png", makePng(makeImage(12, 12, [](UInt _x, UInt _y) { return gridCellColour(_y / 4 * 3 + _x / 4); }))},
                {"square.mesh", writeMeshFile(0x12, corners, {0, 1, 2, 2, 1, 3})},
                {"clip.anim", writeAnimationFile(2.5f, {sTestNode{}})}, {"fonts/test.fnt", makeTestFont()},
                {"fonts/a.fnt", writeFontFile(sFontFile{{{u'a', u'a', 0}}, {{0, 1, 0.25f, 0.5f, 0.25f}}})},
                {"fonts/test.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))},
                {"sys/strings.xml",
                    makeXml16("<Strings><s><text>key</text><translation>ab</translation></s></Strings>")}});
        return _files;
    }

    // A whole element, with its children, as the document "screen.xml" would hold it; the
    // document lives as long as the test.
    iXML* parse(const std::string& _element)
    {
        const std::string bytes = makeXml16(_element);
        return m_documents.emplace_back(std::make_unique<cXML>("screen.xml", bytes.data(), ULong(bytes.size()))).get();
    }
    iXML* element(const std::string& _attributes) { return parse("<control " + _attributes + " />"); }
    // A shown, enabled text of the test font, top-level, at _x, _y.
    template <class T = cText> T* makeText(const WString& _string, UInt _align = 1, Float _x = 100, Float _y = 50)
    {
        auto* text = new T(nullptr);
        m_views.emplace_back(text);
        text->setFont("fonts/test.fnt");
        text->setTexture("fonts/test.png");
        text->setAlign(_align);
        text->setPositionXY(_x, _y);
        text->setString(_string);
        text->show();
        text->enable();
        return text;
    }
    // One frame of _seconds: processing, then deferred deletion.
    void frame(Float _seconds = 0.02f)
    {
        m_timer.getFrameTime() = _seconds;
        cUI::processViews();
        cScavenger::free();
    }
    // Where the letters stand along one axis.
    static std::vector<Float> letterXs(const cText& _text, Float Vector2::*_axis = &Vector2::x)
    {
        std::vector<Float> at;
        for (const cLetter* letter : _text.getLetters())
            at.push_back(letter->getPosition().*_axis);
        return at;
    }

    cGraphicsHarness m_harness;
    cStringManager m_strings;
    cTimer m_timer;
    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
    std::vector<std::unique_ptr<cXML>> m_documents;
    // Top-level views the test made.
    std::vector<std::unique_ptr<cView>> m_views;
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
                            "anim_columns=\"3\" anim_rows=\"3\" frames_count=\"10\" anim_loop=\"0\" PlayAnimation=\"1\""));
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
    control.loadXML(element("Mesh=\"square.mesh\" Animation=\"clip.anim\" anim_length=\"7\""));
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
            thrownText([&] { control.loadXML(element(std::string(c[0]) + "=\"" + c[1] + "\"")); }, true);
        EXPECT_EQ(error, "Attribute \"" + std::string(c[0]) + "\" in screen.xml must be above 0.");
        EXPECT_NE(control.getTexture(), nullptr);
        EXPECT_EQ(control.getAnimColumns() * control.getAnimRows() * control.getFramesCount(), 1u);
        EXPECT_EQ(control.getAnimLength(), 1.0f);
    }
}

TEST_F(ControlLook, AnotherLookTakesResourcesAndGridButNotTheColourOrPlaying)
{
    cControl prototype(nullptr), control(nullptr);
    prototype.loadXML(element("Picture=\"grid.png\" anim_columns=\"3\" PlayAnimation=\"1\" color=\"0x80FF0000\""));
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
        {10, 0, &full, &full, false},     // touching edges: nothing overlaps
        {0, -10, &full, &full, false},
        {10, 10, &full, &full, false},    // touching corners
        {9.5f, 0, &full, &full, true},    // half a pixel in
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
                            "scale=\"2,3,4\" yaw=\"90\" LightingEnable=\"1\" EmissiveColor=\"0xFF00FF00\""));
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
    picture.loadXML(element("Visible=\"1\" Picture=\"grid.png\" DoubleAnimRender=\"1\" size=\"10,10\""));
    mesh.loadXML(element("Visible=\"1\" Mesh=\"square.mesh\" position=\"50,50\" scale=\"10,10,1\""));
    hidden.loadXML(element("Picture=\"grid.png\""));
    m_harness.frame([](cGraphics&) { cUI::drawControls(&cLogic::draw); });
    size_t triangles = 0;
    for (const auto& draw : m_harness.device().draws())
        triangles += draw.indices.size() / 3;
    // Two sprites of two triangles each, and the mesh's two.
    EXPECT_EQ(triangles, 6u);
}

using ControlAnimation = cControlTest;

// A picture of four frames over one second, looping or not, that counts the ends of its animation.
class cCountingPicture : public cPicture {
public:
    explicit cCountingPicture(Bool _loop) : cPicture(nullptr)
    {
        setAnimGrid(2, 2);
        setFramesCount(4);
        setAnimLoop(_loop);
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
        cCountingPicture picture(c.loop);
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
        cCountingPicture picture(c.loop);
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
        bar.loadXML(element(std::string("Picture=\"grid.png\" position=\"100 50\" size=\"40 20\" ") + c.attributes));
        EXPECT_EQ(quadOf(bar), c.quad) << c.attributes;
        EXPECT_EQ(bar.getValue(), c.stored) << c.attributes;
    }
}

TEST_F(ProgressBar, TheSideDefaultsToLeftFromXmlButTopInCode)
{
    cProgressFloat described(nullptr), built(nullptr);
    described.loadXML(element("position=\"0 0\""));
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
                          c.angle + "\"><Lid size=\"4 4\"/></bar>"));
        ASSERT_TRUE(bar.getLid());
        EXPECT_NEAR(bar.getLid()->getPosition().x, c.lid.x, 1e-4) << c.angle;
        EXPECT_NEAR(bar.getLid()->getPosition().y, c.lid.y, 1e-4) << c.angle;
        bar.setValue(100);
        EXPECT_NEAR(bar.getLid()->getPosition().y, c.lid.y, 1e-4) << "not before progressChanged";
    }
}

TEST_F(ProgressBar, ADiscreteBarsSegmentsTakeTheLitOrUnlitLookAlongTheStep)
{
    cProgressDiscrete bar(nullptr);
    bar.loadXML(parse("<bar Visible=\"1\" position=\"10 20\" deep=\"3\" ProgressMaxValue=\"5\" ProgressCurrentValue=\"2\" "
                        "Step=\"30 0\" DeepStep=\"0.5\" MaxLength=\"1000\"><PictureOn Picture=\"grid.png\" size=\"8 8\"/>"
                        "<PictureOff size=\"6 6\"/></bar>"));
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

TEST_F(ProgressBar, ADiscreteRowLongerThanMaxLengthIsPressedToWholeUnits)
{
    const struct {
        const char* maxLength;
        Float step;
    } cases[] = {{"MaxLength=\"200\"", 30}, {"MaxLength=\"100\"", 20}, {"MaxLength=\"40\"", 8}, {"MaxLength=\"4\"", 1}, {"", 1}};
    for (const auto& c : cases) {
        cProgressDiscrete bar(nullptr);
        bar.loadXML(element(std::string("ProgressMaxValue=\"5\" Step=\"30 0\" ") + c.maxLength));
        EXPECT_EQ(bar.getSegments()[1]->getPosition().x - bar.getSegments()[0]->getPosition().x, c.step) << c.maxLength;
        EXPECT_EQ(bar.getStep(), Vector2(30, 0)) << "the field keeps its step";
    }
}

TEST_F(ProgressBar, ADiscreteBarWithAMaximumOfZeroIsRefused)
{
    for (const char* attributes : {"ProgressMaxValue=\"0\"", "", "ProgressMaxValue=\"many\""}) {
        cProgressDiscrete bar(nullptr);
        EXPECT_EQ(thrownText([&] { bar.loadXML(element(std::string("Step=\"3 0\" ") + attributes)); }, true),
            "ProgressMaxValue == 0");
        EXPECT_EQ(bar.getCount(), 0u);
        EXPECT_EQ(bar.getStep(), Vector2(3, 0));
    }
}

// Controls drawn by the frame driver's draw pass through GL into a hidden window.
class ControlPixels : public cControlTest {
protected:
    ControlPixels() : cControlTest("back_color=\"0xFF202020\"", {{"ui/shape.png", halfShapePng()}}) {}
    void SetUp() override
    {
        m_harness.destroyGraphics();
        m_screen.open(m_harness.window(), m_harness.system());
    }
    void drawControls() { m_screen.frame([](cGraphics&) { cUI::drawControls(&cLogic::draw); }); }

    cGlScreen m_screen;
};

TEST_F(ControlPixels, AnAnimatedGridPictureAndALitMeshShowAtTheirPlaces)
{
    auto picture = std::make_unique<cPicture>(nullptr);
    picture->loadXML(element("Visible=\"1\" Picture=\"grid.png\" anim_columns=\"3\" anim_rows=\"3\" "
                             "frames_count=\"9\" anim_length=\"0.9\" position=\"100,100\" size=\"40,40\""));
    auto mesh = std::make_unique<cControl>(nullptr);
    mesh->loadXML(element("Visible=\"1\" Mesh=\"square.mesh\" position=\"300,100\" scale=\"20,20,1\" deep=\"1\" "
                          "LightingEnable=\"1\" EmissiveColor=\"0xFF00FF00\" AmbientColor=\"0xFF000000\""));
    for (Float clock : {0.45f, 0.75f}) {
        picture->setAnimTime(clock);
        drawControls();
        const UInt cell = gridCellColour(picture->getAnimFrame()), glow = 0xFF00FF00, back = 0xFF202020;
        m_screen.expectPixels({{cell, 100, 100}, {cell, 83, 117}, {back, 78, 100}, {glow, 300, 100}, {glow, 282, 118},
                      {back, 300, 78}});
    }
}

TEST_F(ControlPixels, AHoveredOverlayButtonLightsOnlyItsOpaquePixels)
{
    // Covers 100..108 by 100..108: grey on the left, clear on the right.
    cOverlayButton button(nullptr);
    button.loadXML(element("Visible=\"1\" position=\"104,104\" size=\"8,8\" Picture=\"ui/shape.png\""));
    button.hovered();
    drawControls();
    // The light multiplies the grey by its colour plus its alpha (0.74 + 0.74 red and green, 1 + 0.74 blue).
    m_screen.expectPixels({{0xFF5F5F6F, 101, 104}, {0xFF202020, 106, 104}, {0xFF202020, 110, 104}});
}

using TextLayout = cControlTest;

TEST_F(TextLayout, SpaceAndAdvancesScaleWithTheMultiplier)
{
    for (Float multiplier : {1.0f, 2.0f}) {
        cText* text = makeText(u"a b");
        text->setSpaceWidth(10);
        text->setMultiplier(multiplier);
        frame();
        ASSERT_EQ(text->getLetters().size(), 2u);
        // Half of a's advance, the space, half of b's advance.
        EXPECT_EQ(letterXs(*text), (std::vector<Float>{100 + 8 * multiplier, 100 + (16 + 10 + 16) * multiplier}));
        EXPECT_EQ(text->getWidth(), (16 + 10 + 32) * multiplier);
        EXPECT_EQ(text->getLetters().back()->getSize(), Vector2(32 * multiplier, 32 * multiplier));
        EXPECT_FLOAT_EQ(text->getLetters().back()->getDeep(), 0.02f) << "the space counts for the deep";
    }
}

// A glyph missing from the font gives no letter and no advance.
TEST_F(TextLayout, AlignCentresStartsOrEndsAtThePosition)
{
    const struct {
        const char16_t* string;
        UInt align;
        Float firstX;
    } cases[] = {{u"ab", 0, 100 - 24 + 8}, {u"ab", 1, 100 + 8}, {u"ab", 2, 100 - 48 + 8}, {u"ab", 7, 100 + 8},
                 {u"axb", 1, 100 + 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << toString(c.string) << " aligned " << c.align);
        cText* text = makeText(c.string, c.align);
        EXPECT_EQ(text->getWidth(), 48);
        EXPECT_EQ(letterXs(*text), (std::vector<Float>{c.firstX, c.firstX + 24}));
    }
}

TEST_F(TextLayout, LocalizedTextsAreTranslatedAndAnEqualStringChangesNothing)
{
    cText* text = makeText(u"key");
    EXPECT_EQ(text->getLetters().size(), 2u) << "shown as ab";
    cText* untranslated = makeText(u"ba");
    EXPECT_EQ(untranslated->getLetters().size(), 2u);
    frame();
    text->setString(u"key");
    EXPECT_FALSE(text->isLettersDirty());
}

TEST_F(TextLayout, RightToLeftKeepsLatinAndDigitRunsInReadingOrder)
{
    const struct {
        const char16_t* in;
        const char16_t* out;
    } cases[] = {{u"abc 12", u"12 abc"}, {u"", u""}, {u"a,b", u"b,a"}, {u"\u0416\u0430b", u"b\u0430\u0416"}};
    for (const auto& c : cases)
        EXPECT_EQ(cText::rotateString(c.in), c.out) << toString(c.in);
    cText* text = makeText(u"ab 1");
    text->setRightToLeft(true);
    frame();
    EXPECT_EQ(letterXs(*text), (std::vector<Float>{108, 134, 158}));
}

TEST_F(TextLayout, LetterCountFollowsAChangedFontOrLocalizedFlag)
{
    cText* text = makeText(u"ab");
    text->loadXML(parse("<t Visible=\"1\" Enable=\"1\" String=\"ab\" Font=\"fonts/a.fnt\" Texture=\"fonts/test.png\" />"));
    EXPECT_EQ(text->getLetters().size(), 1u);
    cText* key = makeText(u"key");
    key->setLocalized(false);
    key->makeLetters();
    EXPECT_TRUE(key->getLetters().empty());
}

TEST_F(TextLayout, EmptyFontOrTextureMeansNoneAndTheHeightStartsAfresh)
{
    cText* text = makeText(u"A");
    EXPECT_EQ(text->getHeight(), 64);
    text->setString(u"a");
    EXPECT_EQ(text->getHeight(), 32);
    text->loadXML(parse("<t Visible=\"1\" String=\"ab\" />"));
    EXPECT_TRUE(text->getLetters().empty());
    EXPECT_EQ(text->getWidth(), 0);
}

TEST_F(TextLayout, ShownButDisabledTextLaysOutAtOnceAndCopiesOwnTheirLetters)
{
    cText* text = makeText(u"ab");
    text->disable();
    text->setString(u"abc");
    EXPECT_FALSE(text->isLettersDirty());
    text->setTextColor(0x80FF0000);
    text->setAlpha(0.5f);
    text->makeLetters();
    EXPECT_EQ(text->getLetters().front()->getLetterColor(), 0x80FF0000u);
    EXPECT_EQ(text->getLetters().front()->getAlpha(), 0.5f);
    auto* copy = new cText(*text);
    copy->show();
    EXPECT_EQ(copy->getLetters().size(), 3u);
    EXPECT_EQ(letterXs(*copy), letterXs(*text));
    EXPECT_NE(copy->getLetters().front(), text->getLetters().front());
    delete copy;
}

// A text that notes, each time it joins the processed views, whether its letters were laid out.
class cEnablingText : public cText {
public:
    using cText::cText;
    void enabled() override
    {
        cText::enabled();
        m_laidOut.push_back(!isLettersDirty());
    }
    std::vector<bool> m_laidOut;
};

// Showing an enabled text enables it before its letters are laid out, and once more with its
// children; a disabled one is not enabled.
TEST_F(TextLayout, ShowingAnEnabledTextEnablesItFirst)
{
    for (const bool enable : {true, false}) {
        auto* text = makeText<cEnablingText>(u"ab");
        text->hide();
        if (!enable)
            text->disable();
        text->setString(u"abc");
        text->m_laidOut.clear();
        text->show();
        EXPECT_EQ(text->m_laidOut, (enable ? std::vector<bool>{false, true} : std::vector<bool>())) << enable;
        EXPECT_EQ(text->getLetters().size(), 3u);
    }
}

class MultilineText : public cControlTest {
protected:
    // A shown, enabled block at (100, 300), 200 by 200, lines 40 apart, from its element.
    cMultilineText* makeBlock(const std::string& _text, const std::string& _attributes = "")
    {
        auto* block = new cMultilineText(nullptr);
        m_views.emplace_back(block);
        block->loadXML(parse("<m Visible=\"1\" Enable=\"1\" Font=\"fonts/test.fnt\" Texture=\"fonts/test.png\" "
                               "Align=\"1\" position=\"100 300\" size=\"200 200\" Localized=\"0\" " +
                               _attributes + "><Text>" + _text + "</Text></m>"));
        return block;
    }
    static std::vector<std::string> strings(const cMultilineText& _block)
    {
        std::vector<std::string> result;
        for (const cText* line : _block.getLines())
            result.push_back(toString(line->getString()));
        return result;
    }
    static std::vector<Float> ys(const cMultilineText& _block)
    {
        std::vector<Float> result;
        for (const cText* line : _block.getLines())
            result.push_back(line->getPosition().y);
        return result;
    }
};

TEST_F(MultilineText, LineFeedsSplitTheTextAndATrailingOneAddsNoLine)
{
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {{"a\nb\n", {"a", "b"}}, {"a\n\nb", {"a", "", "b"}}, {"", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(strings(*makeBlock(c.text)), c.lines) << c.text;
}

TEST_F(MultilineText, WrappedLinesBreakAtTheLastSpaceThatFitsAndPushLaterLinesDown)
{
    // "aaa bbb" is 154 wide, "aaa bbb ccc" 260.
    cMultilineText* block = makeBlock("aaa bbb ccc\nab", "WrapText=\"1\"");
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"aaa bbb", "ccc", "ab"})) << "shown without the space it broke at";
    EXPECT_EQ(ys(*block), (std::vector<Float>{300, 340, 380}));
    EXPECT_EQ(block->getTextSize(), Vector2(154, 32 + 80));
    // A continuation whose only space is its first ends with the cut-off part on a line of its own.
    EXPECT_EQ(strings(*makeBlock("aaa bbbbbbb", "WrapText=\"1\"")),
              (std::vector<std::string>{"aaa", "bbbbbbb", ""}));
}

// The wrap as a line laid out again for every try would give it, the lines as strings; a line
// after a break shows without the space it broke at.
std::vector<WString> breakByLayout(cText& _scratch, const WString& _piece, Float _width);
std::vector<WString> wrapByLayout(cText& _scratch, const WString& _piece, Float _width)
{
    std::vector<WString> lines = breakByLayout(_scratch, _piece, _width);
    for (size_t i = 1; i < lines.size(); ++i)
        if (!lines[i].empty() && lines[i][0] == u' ')
            lines[i].erase(0, 1);
    return lines;
}
std::vector<WString> breakByLayout(cText& _scratch, const WString& _piece, Float _width)
{
    std::vector<WString> lines{_piece};
    WString rest, current = _piece;
    _scratch.setString(current);
    while (_scratch.getWidth() > _width) {
        for (size_t p = current.rfind(u' '); p != WString::npos; p = p ? current.rfind(u' ', p - 1) : WString::npos) {
            if (p == 0) {
                lines.push_back(rest);
                return lines;
            }
            rest = current.substr(p);
            lines.back() = current.substr(0, p);
            _scratch.setString(lines.back());
            if (_scratch.getWidth() <= _width)
                break;
        }
        if (rest.empty())
            return lines;
        current = rest;
        lines.push_back(current);
        _scratch.setString(current);
        rest.clear();
    }
    return lines;
}

// Widths that floats do not hold exactly, either direction, runs of spaces, words wider than
// the block and letters the font lacks: every break lands where laying the line out puts it.
TEST_F(MultilineText, WrappingBreaksWhereTheLaidOutLineWouldBreak)
{
    const struct {
        const char* multiplier;
        const char* spaceWidth;
        Float width;
        Bool rightToLeft;
    } cases[] = {{"1", "10", 200, false}, {"0.1", "3.7", 13.3f, false}, {"0.3", "10", 60.1f, true},
        {"0.7", "0.35", 45, true}, {"1", "16", 16, false}};
    const char16_t alphabet[] = u"abc1\u0416x    ";
    for (const auto& c : cases) {
        m_harness.core().settings().setPropertyT("game", "RightToLeftEnable", c.rightToLeft);
        UInt seed = 11;
        for (int sample = 0; sample < 12; ++sample) {
            WString text;
            for (int i = 0; i < 80; ++i) {
                seed = seed * 1103515245u + 12345u;
                text.push_back(alphabet[(seed >> 16) % (std::size(alphabet) - 1)]);
            }
            cMultilineText* block = makeBlock("", std::string("WrapText=\"1\" Multiplier=\"") + c.multiplier +
                                                      "\" SpaceWidth=\"" + c.spaceWidth + "\"");
            block->setSize(Vector2(c.width, 200));
            block->setText(text, true);
            cText* scratch = makeText(WString());
            scratch->setMultiplier(std::stof(c.multiplier));
            scratch->setSpaceWidth(std::stof(c.spaceWidth));
            scratch->setRightToLeft(c.rightToLeft);
            std::vector<WString> lines;
            for (const cText* line : block->getLines())
                lines.push_back(line->getString());
            EXPECT_EQ(lines, wrapByLayout(*scratch, text, c.width)) << c.multiplier << " " << toString(text);
            m_views.clear();
        }
    }
    m_harness.core().settings().setPropertyT("game", "RightToLeftEnable", false);
}

TEST_F(MultilineText, VerticalAlignPlacesTheBlockAroundThePosition)
{
    const struct {
        const char* align;
        std::vector<Float> ys;
    } cases[] = {{"0", {260, 300, 340}}, {"1", {220, 260, 300}}, {"2", {300, 340, 380}}, {"3", {300, 340, 380}}};
    for (const auto& c : cases)
        EXPECT_EQ(ys(*makeBlock("a\nb\nc", std::string("VerticalAlign=\"") + c.align + "\"")), c.ys) << c.align;
}

TEST_F(MultilineText, ADeferredTextFollowsAtTheNextFrameAndCopiesStartEmpty)
{
    cMultilineText* block = makeBlock("a");
    block->setText(u"key\nb", false);
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"a"}));
    block->setLocalized(true);
    frame();
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"key", "b"})) << "the table has no key\\nb";
    block->setText(u"key\nb", false);
    EXPECT_FALSE(block->isDirty());
    block->setText(u"key", true);
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"ab"}));

    cMultilineText copy(*block);
    EXPECT_TRUE(copy.getLines().empty());
    copy.setText(u"ba", true);
    EXPECT_EQ(copy.getLines().front()->getLetters().size(), 2u);
    EXPECT_EQ(copy.getLines().front()->getPosition(), Vector2(100, 300));
}

class TextButtonLabel : public cControlTest {
protected:
    // A shown, enabled button at (200, 100) labelled "abc", whose letters spread 10 at 100 per second.
    std::unique_ptr<cTextButton> makeButton(const std::string& _attributes = "")
    {
        auto button = std::make_unique<cTextButton>(nullptr);
        button->loadXML(parse("<b Visible=\"1\" Enable=\"1\" Picture=\"fonts/test.png\" position=\"200 100\" "
                                "size=\"100 40\" deep=\"5\" " + _attributes + "><Text Visible=\"1\" Enable=\"1\" "
                                "Font=\"fonts/test.fnt\" Texture=\"fonts/test.png\" String=\"abc\" Align=\"1\" "
                                "Offset=\"10\" Speed=\"100\" position=\"150 90\"/></b>"));
        return button;
    }
};

TEST_F(TextButtonLabel, LettersSpreadWhileHoveredWithoutOvershootAndGatherOnPress)
{
    auto button = makeButton();
    cTextButton::cBtnText& label = *button->getText();
    button->setState(BS_HOVERED);
    frame(0.07f);
    EXPECT_EQ(letterXs(label, &Vector2::y), (std::vector<Float>{107, 93, 107}));
    frame(0.07f);
    EXPECT_EQ(letterXs(label, &Vector2::y), (std::vector<Float>{110, 90, 110})) << "the last step lands on the target";
    frame(0.07f);
    EXPECT_FALSE(label.isMoving()) << "one frame after the letters arrive";
    button->setState(BS_PRESSED);
    frame(0.07f);
    frame(0.07f);
    EXPECT_EQ(letterXs(label, &Vector2::y), (std::vector<Float>{100, 100, 100}));
}

// Only a change of state sends the letters off: a label relaid while hovered stays on its line.
TEST_F(TextButtonLabel, ALabelRelaidWhileHoveredStaysOnItsLine)
{
    auto button = makeButton();
    cTextButton::cBtnText& label = *button->getText();
    button->setState(BS_HOVERED);
    for (int i = 0; i < 4; ++i)
        frame(0.07f);
    ASSERT_FALSE(label.isMoving());
    button->setText(u"cab");
    frame(0.07f);
    frame(0.07f);
    EXPECT_EQ(letterXs(label, &Vector2::y), (std::vector<Float>{100, 100, 100}));
    button->setState(BS_HOVERED);
    frame(0.07f);
    EXPECT_EQ(letterXs(label, &Vector2::y), (std::vector<Float>{107, 93, 107})) << "a new hover spreads them again";
}

TEST_F(TextButtonLabel, TheLabelStandsOnTheButtonUnlessItKeepsItsOwnPosition)
{
    const struct {
        const char* attribute;
        Vector2 at;
    } cases[] = {{"", {200, 100}}, {"UseTextPosition=\"0\"", {200, 100}}, {"UseTextPosition=\"1\"", {150, 90}}};
    for (const auto& c : cases) {
        auto button = makeButton(c.attribute);
        EXPECT_EQ(button->getText()->getPosition(), c.at) << c.attribute;
        EXPECT_EQ(button->getText()->getDeep(), 6);
    }
}

TEST_F(TextButtonLabel, ACopiedButtonOwnsItsOwnLabel)
{
    auto button = makeButton();
    button->setText(u"ab");
    auto copy = std::make_unique<cTextButton>(*button);
    button.reset();
    ASSERT_NE(copy->getText(), nullptr);
    EXPECT_EQ(copy->getText()->getParent(), copy.get());
    EXPECT_EQ(copy->getText()->getString(), u"ab");
    EXPECT_EQ(copy->getText()->getLetters().size(), 2u);
    EXPECT_EQ(copy->getText()->getOffset(), 10);
}

// A fly text over a path 100 units long, fading from 1 to 0 along it, at Speed 50.
const char* const kPath = "<PositionPoints><p position=\"0 0\"/><p position=\"60 0\"/><p position=\"60 40\"/>"
                          "</PositionPoints>";
const char* const kFade = "<AlphaPoints><a alpha=\"1\" distance=\"0\"/><a alpha=\"0\" distance=\"1\"/></AlphaPoints>";

class FlyText : public cControlTest {
protected:
    FlyText() { s_arrivals.clear(); }
    // Loaded, with its arrival noted in s_arrivals.
    cFlyText* makeFly(const std::string& _inner = std::string(kPath) + kFade, const std::string& _speed = "50")
    {
        // It deletes itself once it arrives.
        auto fly = std::make_unique<cFlyText>(nullptr, "");
        fly->loadXML(parse("<f Visible=\"1\" Enable=\"1\" Font=\"fonts/test.fnt\" Texture=\"fonts/test.png\" "
                           "String=\"12\" Speed=\"" + _speed + "\"><Icon Picture=\"fonts/test.png\" "
                           "Visible=\"1\"/>" + _inner + "</f>"));
        fly->setCallback(onArrival, reinterpret_cast<std::uintptr_t>(fly.get()));
        return fly.release();
    }
    static void onArrival(std::uintptr_t _fly)
    {
        s_arrivals.push_back(reinterpret_cast<cFlyText*>(_fly)->getPosition());
    }
    static inline std::vector<Vector2> s_arrivals;
};

TEST_F(FlyText, TravelsThePathAtItsSpeedThenCallsBackOnceAndIsDeletedThatFrame)
{
    cFlyText* fly = makeFly();
    frame(1.0f);
    EXPECT_EQ(fly->getPosition(), Vector2(50, 0));
    EXPECT_FLOAT_EQ(fly->getAlpha(), 0.5f);
    EXPECT_FLOAT_EQ(fly->getIcon()->getAlpha(), 0.5f);
    EXPECT_EQ(fly->getIcon()->getPosition(), Vector2(50, 0)) << "the icon follows";
    frame(0.6f);
    EXPECT_NEAR(fly->getPosition().y, 20, 1e-4);
    EXPECT_TRUE(s_arrivals.empty());
    frame(0.4f);
    EXPECT_EQ(s_arrivals, (std::vector<Vector2>{{60, 40}}));
    EXPECT_TRUE(m_ui->getEnabled().empty()) << "deleted with its letters and icon";
}

TEST_F(FlyText, AFrameThatOvershootsEndsAtTheLastPoint)
{
    makeFly();
    frame(5.0f);
    EXPECT_EQ(s_arrivals, (std::vector<Vector2>{{60, 40}}));
}

TEST_F(FlyText, DegenerateEffectsAreRefusedAtLoading)
{
    const struct {
        std::string inner, speed, error;
    } cases[] = {
        {std::string("<PositionPoints><p position=\"5 5\"/></PositionPoints>") + kFade, "50", "Position points < 2"},
        {std::string("<PositionPoints><p position=\"5 5\"/><p position=\"5 5\"/></PositionPoints>") + kFade, "50",
         "Distance = 0"},
        {std::string(kPath) + "<AlphaPoints><a alpha=\"1\" distance=\"0\"/></AlphaPoints>", "50", "Alpha points < 2"},
        {std::string(kPath) + "<AlphaPoints><a alpha=\"1\" distance=\"0.5\"/><a alpha=\"0\" distance=\"0.5\"/>"
                              "</AlphaPoints>", "50", "The first two alpha points lie at the same distance"},
        {std::string(kPath) + kFade, "0", "Speed <= 0"},
    };
    for (const auto& c : cases) {
        const String error = thrownText([&] { makeFly(c.inner, c.speed); });
        EXPECT_EQ(error.substr(0, error.find('\n')), c.error);
        EXPECT_NE(error.find("void cFlyText::loadXML(iXML* xml_doc)"), String::npos);
    }
}

// Points at one distance make a step; the walk passes them before it divides by their gap.
TEST_F(FlyText, AnAlphaCurveMayStepWhereTwoPointsShareADistance)
{
    auto points = [](std::initializer_list<std::pair<const char*, const char*>> _points) {
        std::string text = "<AlphaPoints>";
        for (const auto& point : _points)
            text += std::string("<a alpha=\"") + point.first + "\" distance=\"" + point.second + "\"/>";
        return text + "</AlphaPoints>";
    };
    const struct {
        std::string curve;
        Float seconds, alpha;
    } cases[] = {
        {points({{"0", "0"}, {"1", "0"}, {"0", "1"}}), 0.5f, 0.75f},
        {points({{"0", "0"}, {"1", "0"}, {"0", "1"}}), 1.5f, 0.25f},
        {points({{"1", "0"}, {"1", "0.5"}, {"0", "0.5"}, {"0", "1"}}), 0.5f, 1},
        {points({{"1", "0"}, {"1", "0.5"}, {"0", "0.5"}, {"0", "1"}}), 1.5f, 0},
    };
    for (const auto& c : cases) {
        cFlyText* fly = makeFly(kPath + c.curve);
        frame(c.seconds);
        EXPECT_FLOAT_EQ(fly->getAlpha(), c.alpha) << c.curve << " after " << c.seconds;
        fly->finish();
        frame(0);
    }
}

// Its icon is an owned child: a copy would share it and outlive it.
static_assert(!std::is_copy_constructible<cFlyText>::value, "a fly text is not copied");

TEST_F(TextLayout, PriceDigitsCloseUpInGroupsOfThreeFromTheRight)
{
    const struct {
        const char16_t* string;
        std::vector<Float> shifts;
    } cases[] = {{u"1234567", {0, 2, 1, 0, 2, 1, 0}}, {u"12 345", {1, 0, 2, 1, 0}}, {u"1a23", {0, 0, 1, 0}}};
    for (const auto& c : cases) {
        cText* plain = makeText(c.string);
        auto* price = makeText<cPriceText>(c.string);
        price->setDegreeOffset(3);
        price->makeLetters();
        std::vector<Float> shifts;
        const std::vector<Float> base = letterXs(*plain), moved = letterXs(*price);
        for (size_t i = 0; i < base.size() && i < moved.size(); ++i)
            shifts.push_back(moved[i] - base[i]);
        EXPECT_EQ(shifts, c.shifts);
    }
}

} // namespace
