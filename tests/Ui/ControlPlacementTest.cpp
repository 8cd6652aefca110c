#include "ControlHarness.h"
#include "Ui/Control.h"
#include "engine/Logic.h"
#include "graphics/Mesh.h"

#include <vector>

namespace {

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

} // namespace
