// Reading the worker's tables from its data file.
#include "Game/Farm/Worker/Person.h"

#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/boxes/ProgressDiscrete.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <cmath>

namespace {

constexpr const char16_t* JOB_TIME_KEYS[cPerson::JOB_TIME_COUNT] = {
    u"sowTime",       u"waterPotTime",  u"dropWareTime",  u"dropSpadeTime", u"dropScytheTime",
    u"dropHoseTime",  u"getSpadeTime",  u"getScytheTime", u"getBucketTime", u"getHoseTime"};
constexpr const char16_t* SOUND_KEYS[cPerson::SOUND_COUNT] = {
    u"WorkShovelSound", u"WorkTractorSound", u"WorkWateringCanSound", u"WorkSeedSound",
    u"WorkScytheSound", u"WorkWellSound",    u"WorkHoseSound",        u"StuffWarehouseSound"};

// Calls _read for each child of the node _name, at most _count of them, with its index.
template <class F> void forXmlChildren(iXML* _xml_doc, const char* _name, UInt _count, F _read)
{
    iXML* group = nullptr;
    if (!_xml_doc->get(_name, group))
        return;
    iXML* child = nullptr;
    for (UInt i = 0, count = std::min(group->getChildCount(), _count); i < count; ++i)
        if (group->get(i, child))
            _read(i, child);
}

// The same over a table of _rows rows of _columns cells.
template <class F> void forXmlCells(iXML* _xml_doc, const char* _name, UInt _rows, UInt _columns, F _read)
{
    forXmlChildren(_xml_doc, _name, _rows, [&](UInt _row, iXML* _node) {
        iXML* cell = nullptr;
        for (UInt c = 0, count = std::min(_node->getChildCount(), _columns); c < count; ++c)
            if (_node->get(c, cell))
                _read(_row, c, cell);
    });
}

} // namespace

void cPerson::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cFieldObject::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"Speed", m_speed, &toFloat);
    // A worker without speed would walk for ever and never serve another click.
    if (!(m_speed > 0) || !std::isfinite(m_speed))
        throw "The worker's Speed must be above zero in " + _xml_doc->getDocumentName();
    readXmlAttribute(_xml_doc, u"MarkSize", m_markSize, &toVector2);
    loadChildPart(_xml_doc, "Use", m_waterBar);
    loadChildPart(_xml_doc, "DiscrUse", m_counter);
    loadChildPart(_xml_doc, "WotInScythSign", m_carrySign);
    loadChildPart(_xml_doc, "WotSubstrate", m_carryBacking);
    iXML* node = nullptr;
    if (_xml_doc->get("moveMarkState", node))
        m_markState.loadXML(node);
    if (_xml_doc->get("AnimationConfig", node))
        for (UInt i = 0; i < JOB_TIME_COUNT; ++i)
            readXmlAttribute(node, JOB_TIME_KEYS[i], m_jobTimes[i], &toFloat);
    loadTables(_xml_doc);
    loadSounds(_xml_doc);
    loadOffsets(_xml_doc);
    m_shown = nullptr;
    GUARD_END("void cPerson::loadXML(iXML* _xml_doc)")
}

void cPerson::loadTables(iXML* _xml_doc)
{
    forXmlCells(_xml_doc, "States", LOOK_COUNT, DIRECTION_COUNT,
             [this](UInt _r, UInt _c, iXML* _cell) { m_moveStates[_r][_c].loadXML(_cell); });
    forXmlCells(_xml_doc, "JobStates", JOB_COUNT, DIRECTION_COUNT,
             [this](UInt _r, UInt _c, iXML* _cell) { m_jobStates[_r][_c].loadXML(_cell); });
    forXmlCells(_xml_doc, "IdleStates", LOOK_COUNT, DIRECTION_COUNT,
             [this](UInt _r, UInt _c, iXML* _cell) { m_idleStates[_r][_c].loadXML(_cell); });
    iXML* node = nullptr;
    if (_xml_doc->get("StateWaterWithHose", node))
        m_hoseState.loadXML(node);
    forXmlCells(_xml_doc, "HotSpots", LOOK_COUNT, DIRECTION_COUNT, [this](UInt _r, UInt _c, iXML* _cell) {
        Vector2 offset(0, 0);
        readXmlAttribute(_cell, u"spotOffset", offset, &toVector2);
        m_hotSpots[_r][_c].x += offset.x;
        m_hotSpots[_r][_c].y += offset.y;
    });
}

void cPerson::loadSounds(iXML* _xml_doc)
{
    iXML* node = nullptr;
    if (!_xml_doc->get("Sounds", node))
        return;
    cResourceManager* resources = cResourceManager::getInstance();
    for (UInt i = 0; i < SOUND_COUNT; ++i) {
        const String path = toString((*node)[SOUND_KEYS[i]]);
        m_sounds[i].reset(path.empty() || !resources ? nullptr : resources->getSound(path));
    }
}

void cPerson::loadOffsets(iXML* _xml_doc)
{
    forXmlChildren(_xml_doc, "CarryHeightOffsets", LOOK_COUNT,
                [this](UInt _i, iXML* _node) { readXmlAttribute(_node, u"height", m_carryHeights[_i], &toFloat); });
    forXmlCells(_xml_doc, "JobHeightOffsets", JOB_COUNT, DIRECTION_COUNT, [this](UInt _r, UInt _c, iXML* _cell) {
        readXmlAttribute(_cell, u"height", m_jobHeights[_r][_c], &toFloat);
    });
    m_waterEmitters.clear();
    forXmlChildren(_xml_doc, "WaterEmitterOfset", MAX_HOSE_FRAMES, [this](UInt, iXML* _node) {
        Vector2 offset(0, 0);
        readXmlAttribute(_node, u"offset", offset, &toVector2);
        m_waterEmitters.push_back(offset);
    });
    m_waterAngles.clear();
    forXmlChildren(_xml_doc, "WaterAngleOfset", MAX_HOSE_FRAMES, [this](UInt, iXML* _node) {
        Float angle = 0;
        readXmlAttribute(_node, u"angle", angle, &toFloat);
        m_waterAngles.push_back(angle);
    });
    forXmlChildren(_xml_doc, "ProductTipsOffset", DIRECTION_COUNT, [this](UInt _i, iXML* _node) {
        readXmlAttribute(_node, u"offset", m_productTipOffsets[_i], &toVector2);
    });
    forXmlChildren(_xml_doc, "SeedTipsOffset", DIRECTION_COUNT, [this](UInt _i, iXML* _node) {
        readXmlAttribute(_node, u"offset", m_seedTipOffsets[_i], &toVector2);
    });
}
