#include "Game/Farm/ActionArea.h"

#include "Game/Farm/Farm.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/GameKeys.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/Picture.h"
#include "Ui/buttons/TipsImpl.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

#include <algorithm>

template class cTips<cFieldObject>;

namespace {

// The tutorial's tip that asks for a click on the farm.
constexpr eTips CLICK_AREA_TIP = 44;
constexpr UInt DEFAULT_OVERLAY_COLOR = 0xFF202020;
constexpr UInt CARRY_SPADE = 2;
constexpr UInt CARRY_SCYTHE = 6;
// The level variables of the mow building, warehouse, water source and dig building.
constexpr UInt MOW_LEVEL_INDEX = 31;
constexpr UInt DIG_LEVEL_INDEX = 34;

struct sBuildingLevel {
    eActionAreaType type;
    UInt levelIndex;
};
// The kinds that are buildings stand by their own level; every other kind stands on row 0.
constexpr sBuildingLevel BUILDING_LEVELS[] = {
    {AAT_MOW_BUILDING, MOW_LEVEL_INDEX},
    {AAT_WAREHOUSE, 32},
    {AAT_WATER_SOURCE, 33},
    {AAT_DIG_BUILDING, DIG_LEVEL_INDEX},
};

Int clampIndex(Int _value, UInt _count)
{
    return std::clamp(_value, 0, Int(_count) - 1);
}

} // namespace

void cActionArea::sClickOffset::loadXML(iXML* _xml_doc)
{
    readXmlAttribute(_xml_doc, u"Offset", Offset, &toVector2);
}

cActionArea::cActionArea(cView* _parent, eActionAreaType _type)
    : cTips<cFieldObject>(_parent), m_type(_type), m_overlay(new cPicture(this))
{
    GUARD_BEGIN
    for (auto& row : m_parking)
        std::fill(std::begin(row), std::end(row), Vector2(0, 0));
    if (cFarm* farm = cFarm::getInstance())
        farm->addActionArea(this);
    GUARD_END("cActionArea::cActionArea(cView* _parent, eActionAreaType _type)")
}

cActionArea::~cActionArea()
{
    // The farm may already be gone: the view tree takes areas down after it.
    if (cFarm* farm = cFarm::getInstance())
        farm->forgetActionArea(this);
}

void cActionArea::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cTips<cFieldObject>::loadXML(_xml_doc);
    m_overlay->setSize(getSize());
    m_overlay->setPosition(getPosition());
    m_overlay->setDeep(getDeep() + 0.001f);
    DXColor color;
    colorFromARGB(color, DEFAULT_OVERLAY_COLOR);
    readXmlAttribute(_xml_doc, u"OverlayColor", color, &toDXColor);
    m_overlay->setColor(color);
    m_overlay->setRenderType(OVERLAY_RENDER_TYPE);
    m_overlay->hide();
    loadClickOffsets(_xml_doc);
    // A queued job stands on a click offset: without one the first job would have nowhere to go.
    if (m_clickOffsets.empty() && m_type != AAT_SPRINKLE)
        throw "An action area needs a ClickOffsetList with at least one offset: " + _xml_doc->getDocumentName();
    loadParkingOffsets(_xml_doc);
    setPosition(getPosition());
    GUARD_END("void cActionArea::loadXML(iXML* xml_doc)")
}

void cActionArea::loadClickOffsets(iXML* _xml_doc)
{
    iXML* list = nullptr;
    if (!_xml_doc->get("ClickOffsetList", list))
        return;
    iXML* child = nullptr;
    for (UInt i = 0, count = list->getChildCount(); i < count; ++i) {
        if (!list->get(i, child))
            continue;
        sClickOffset offset;
        offset.loadXML(child);
        m_clickOffsets.push_back(offset);
    }
}

void cActionArea::loadParkingOffsets(iXML* _xml_doc)
{
    for (auto& row : m_parking)
        std::fill(std::begin(row), std::end(row), Vector2(0, 0));
    iXML* table = nullptr;
    if (!_xml_doc->get("ParkingOffsets", table))
        return;
    iXML* row = nullptr;
    iXML* cell = nullptr;
    for (UInt r = 0, rows = std::min(table->getChildCount(), PARKING_LEVELS); r < rows; ++r) {
        if (!table->get(r, row))
            continue;
        for (UInt c = 0, columns = std::min(row->getChildCount(), PARKING_CARRY_STATES); c < columns; ++c)
            if (row->get(c, cell))
                readXmlAttribute(cell, u"offset", m_parking[r][c], &toVector2);
    }
}

void cActionArea::setStatePicture(eButtonState _state)
{
    GUARD_BEGIN
    cTips<cFieldObject>::setStatePicture(_state);
    const Bool lit = _state == BS_HOVERED || _state == BS_PRESSED;
    UInt type = getRenderType();
    type = lit ? (type | HIGHLIGHT_RENDER_BIT) : (type & ~HIGHLIGHT_RENDER_BIT);
    setRenderType(type);
    if (lit)
        m_overlay->show();
    else
        m_overlay->hide();
    GUARD_END("void cActionArea::setStatePicture(eButtonState _state)")
}

void cActionArea::clicked()
{
    GUARD_BEGIN
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (tutorial && tutorial->isCurrentTip(CLICK_AREA_TIP))
        tutorial->setActionDone();
    // The tooltip's press is the button's press with the tip sent to fade out.
    cTips<cFieldObject>::clicked();
    goToNextParking();
    GUARD_END("void cActionArea::clicked()")
}

Vector2 cActionArea::getClickPoint(UInt _n) const
{
    const Vector2& position = getPosition();
    if (m_clickOffsets.empty())
        return position;
    const Vector2& offset = m_clickOffsets[std::min<size_t>(_n, m_clickOffsets.size() - 1)].Offset;
    return Vector2(position.x + offset.x, position.y + offset.y);
}

Vector2 cActionArea::getNextClickPoint() const
{
    return getClickPoint(m_queued);
}

void cActionArea::goToNextParking()
{
    GUARD_BEGIN
    if (cPerson* person = cPerson::getInstance())
        person->addActionArea(this, getNextClickPoint());
    ++m_queued;
    GUARD_END("void cActionArea::goToNextParking()")
}

Vector2 cActionArea::getGoal(UInt _carry)
{
    GUARD_BEGIN
    Int column = Int(_carry);
    if (column == Int(CARRY_SPADE))
        column += key::upgradeLevel(DIG_LEVEL_INDEX);
    if (column == Int(CARRY_SCYTHE))
        column += key::upgradeLevel(MOW_LEVEL_INDEX);
    Int row = 0;
    for (const auto& building : BUILDING_LEVELS)
        if (building.type == m_type)
            row = key::upgradeLevel(building.levelIndex);
    // A building not yet built (-1) or a damaged level must not read outside the table.
    const Vector2& offset = m_parking[clampIndex(row, PARKING_LEVELS)][clampIndex(column, PARKING_CARRY_STATES)];
    const Vector2& position = getPosition();
    return Vector2(position.x + offset.x, position.y + offset.y);
    GUARD_END("Vector2 cActionArea::getGoal(cPerson::eCarryStates _state)")
}

Bool cActionArea::isCoveredAtPointer() const
{
    const cFarm* farm = cFarm::getInstance();
    return farm && (farm->isMouseWithObjectOnSprinkle(this) || farm->isMouseWithObjectOnSeed(this));
}
