// Reading a field's data, and refusing the values its growth would divide by zero with.
#include "Game/Farm/Fields/FarmFieldTile.h"

#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <cmath>
#include <string>

namespace {

// The crops' element names under "States", in crop order.
constexpr const char* CROP_NAMES[cGame::CULTIVATION_COUNT] = {"GRASS", "TOMATOES", "MELON", "CUCUMBERS",
                                                              "ROSE", "WATERMELON", "PINEAPPLE", "WHEAT"};

void refuse(const String& _file, const String& _what)
{
    // Left alone, the value would turn the growth into NaN and the player's saved fields with it.
    throw _what + " in " + _file;
}

Bool isPositive(Float _value)
{
    return _value > 0 && std::isfinite(_value);
}

iResource* loadSound(iXML* _xml_doc, const char16_t* _name)
{
    const String path = toString((*_xml_doc)[_name]);
    cResourceManager* resources = cResourceManager::getInstance();
    return path.empty() || !resources ? nullptr : resources->getSound(path);
}

} // namespace

void cFarmFieldTile::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cActionArea::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "WaterSignPicture", m_waterSign);
    loadChildPart(_xml_doc, "ReadySignPicture", m_readySign);
    loadChildPart(_xml_doc, "FertilSignPicture", m_fertilSign);
    loadChildPart(_xml_doc, "HidePic", m_cover);
    // The signs' pictures came anew: the next water and fertility set them.
    m_waterSignShown.reset();
    m_fertilSignShown.reset();
    readXmlAttribute(_xml_doc, u"DigCost", m_digCost, &toInt);
    readXmlAttribute(_xml_doc, u"water_capacity", m_waterCapacity, &toFloat);
    readXmlAttribute(_xml_doc, u"fertil_capacity", m_fertilCapacity, &toFloat);
    readXmlAttribute(_xml_doc, u"water_sign_level", m_waterSignLevel, &toFloat);
    readXmlAttribute(_xml_doc, u"fertil_sign_level", m_fertilSignLevel, &toFloat);
    readXmlAttribute(_xml_doc, u"PloughtToGrassTime", m_ploughtToGrassTime, &toFloat);
    readXmlAttribute(_xml_doc, u"BeginGrowFrame", m_beginGrowFrame, &toUInt);
    iXML* look = nullptr;
    if (_xml_doc->get("HideState", look))
        m_hideState.loadXML(look);
    if (_xml_doc->get("ReadyToBuyState", look))
        m_readyToBuyState.loadXML(look);
    if (_xml_doc->get("UnderWaterState", look))
        m_underWaterState.loadXML(look);
    loadAbsorb(_xml_doc);
    drawRates();
    m_deathSound.reset(loadSound(_xml_doc, u"DeathSound"));
    m_readySound.reset(loadSound(_xml_doc, u"ReadySound"));
    loadCrops(_xml_doc);
    checkLoaded(_xml_doc->getDocumentName());
    m_shownLook = -1;
    playAnimation();
    GUARD_END("void cFarmFieldTile::loadXML(iXML* xml_doc)")
}

void cFarmFieldTile::loadAbsorb(iXML* _xml_doc)
{
    iXML* rows = nullptr;
    if (!_xml_doc->get("AbsorbInfo", rows))
        return;
    iXML* row = nullptr;
    for (UInt crop = 0, count = std::min(rows->getChildCount(), UInt(cGame::CULTIVATION_COUNT)); crop < count; ++crop)
        if (rows->get(crop, row)) {
            readXmlAttribute(row, u"water_absorb_coeffs", m_absorb[crop].water, &toVector2);
            readXmlAttribute(row, u"fertil_absorb_coeffs", m_absorb[crop].fertility, &toVector2);
        }
}

void cFarmFieldTile::loadCrops(iXML* _xml_doc)
{
    iXML* states = nullptr;
    if (!_xml_doc->get("States", states))
        return;
    for (UInt crop = 0; crop < cGame::CULTIVATION_COUNT; ++crop) {
        iXML* element = nullptr;
        if (!states->get(CROP_NAMES[crop], element))
            continue;
        iXML* growing = nullptr;
        if (element->get("GROWING", growing))
            m_cropLooks[crop].loadXML(growing);
        m_cropLooks[crop].setAnimLoop(false);
        sCropRecord& record = m_crops[crop];
        Int value = 0;
        if (readXmlAttribute(element, u"FramePerStage0", value, &toInt))
            record.framePerStage0 = UInt(std::max(0, value));
        if (readXmlAttribute(element, u"FramePerStage1", value, &toInt))
            record.framePerStage1 = UInt(std::max(0, value));
        if (readXmlAttribute(element, u"NotGrowFrame", value, &toInt))
            record.notGrowFrame = UInt(std::max(0, value));
        record.textureMask = toString((*element)[u"texture_mask"]);
        const Float length = m_cropLooks[crop].getAnimLength();
        const Float frames = Float(m_cropLooks[crop].getFramesCount());
        record.stage[0] = Float(record.framePerStage0) * length / frames;
        record.stage[1] = Float(record.framePerStage1) * length / frames;
        record.stage[2] = length - record.stage[0] - record.stage[1];
        record.notGrowTime = Float(record.notGrowFrame) * getCreationTime(crop) / frames;
        m_cropLoaded[crop] = true;
    }
}

void cFarmFieldTile::checkLoaded(const String& _file) const
{
    if (!isPositive(m_waterCapacity))
        refuse(_file, "water_capacity must be above 0");
    if (!isPositive(m_fertilCapacity))
        refuse(_file, "fertil_capacity must be above 0");
    for (UInt crop = 0; crop < cGame::CULTIVATION_COUNT; ++crop) {
        if (!m_cropLoaded[crop])
            continue;
        const String name = CROP_NAMES[crop];
        const sCropRecord& record = m_crops[crop];
        const UInt frames = m_cropLooks[crop].getFramesCount();
        if (!isPositive(getCreationTime(crop)))
            refuse(_file, name + ": the crop's CreationTime in the game's product table must be above 0");
        if (crop != cGame::GRASS && !isPositive(getDieTime(crop)))
            refuse(_file, name + ": the crop's DieTime in the game's product table must be above 0");
        if (record.framePerStage0 + record.framePerStage1 > frames)
            refuse(_file, name + ": FramePerStage0 and FramePerStage1 take more than the GROWING frames_count");
        if (record.notGrowFrame >= frames)
            refuse(_file, name + ": NotGrowFrame must be a frame of GROWING");
    }
}
