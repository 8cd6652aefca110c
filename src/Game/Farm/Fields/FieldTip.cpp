#include "Game/Farm/Fields/FieldTip.h"

#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "engine/frame/Timer.h"

namespace {

const char* const TIP_FILE = "UI/gameUI/FarmFieldTip.xml";
constexpr UInt STATUS_PLOUGHED = 3;
constexpr Int MODE_OUT = 1;
constexpr Int MODE_IN = 2;

// An empty store of no size is empty, not a division by zero.
Float percent(Float _part, Float _whole)
{
    return _whole > 0 ? _part / _whole * 100.0f : 0.0f;
}

Float frameTime()
{
    cTimer* timer = cTimer::getInstance();
    return timer ? timer->getFrameTime() : 0;
}

} // namespace

sFieldTipValues getFieldTipValues(UInt _status, Float _water, Float _waterCapacity, Float _fertil,
                                  Float _fertilCapacity, Float _progress, Float _creationTime)
{
    sFieldTipValues values;
    values.water = percent(_water, _waterCapacity);
    values.fertil = percent(_fertil, _fertilCapacity);
    values.showCrop = _status != STATUS_PLOUGHED;
    if (values.showCrop)
        values.ready = _creationTime > 0 ? percent(_creationTime - _progress, _creationTime) : 100.0f;
    return values;
}

cFieldTip::cFieldTip(cView* _parent) : cMovableUnion(_parent)
{
    GUARD_BEGIN
    m_cultureText = new cText(getContent());
    m_cultureIcon = new cPicture(getContent());
    m_waterFloat = new cProgressFloat(getContent());
    m_fertilFloat = new cProgressFloat(getContent());
    m_readyFloat = new cProgressFloat(getContent());
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(TIP_FILE))
        loadViewFile(this, TIP_FILE);
    else
        getLog("error")->print(String("The field tooltip has no ") + TIP_FILE + ": it shows nothing.");
    // A hidden panel waits at its hidden place, so that its first slide in has a way to go.
    setPosition(getHiddenPlace());
    GUARD_END("cFieldTip::cFieldTip(cView* _parent)")
}

void cFieldTip::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cMovableUnion::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "CultureText", m_cultureText);
    loadChildPart(_xml_doc, "CultureIcon", m_cultureIcon);
    loadChildPart(_xml_doc, "WaterFloat", m_waterFloat);
    loadChildPart(_xml_doc, "FertilFloat", m_fertilFloat);
    loadChildPart(_xml_doc, "ReadyFloat", m_readyFloat);
    loadChildParts<cText>(_xml_doc, "Texts", getContent(), m_texts);
    iXML* icons = nullptr;
    if (_xml_doc->get("Icons", icons)) {
        iXML* child = nullptr;
        iXML* icon = nullptr;
        for (UInt k = 0; k < ICON_COUNT && icons->get(k, child); ++k)
            if (child->get("Icon", icon))
                m_icons[k].loadXML(icon);
    }
    GUARD_END("void cFieldTip::loadXML(iXML* xml_doc)")
}

void cFieldTip::setTile(cFarmFieldTile* _tile)
{
    GUARD_BEGIN
    m_tile = _tile;
    if (!_tile)
        return;
    m_showDelay = SHOW_DELAY;
    m_showPending = true;
    GUARD_END("void cFieldTip::setTile(cFarmFieldTile* _tile)")
}

void cFieldTip::unsetTile(cFarmFieldTile* _tile)
{
    GUARD_BEGIN
    if (_tile != m_tile)
        return;
    m_tile = nullptr;
    m_showPending = false;
    m_hideDelay = HIDE_DELAY;
    GUARD_END("void cFieldTip::unsetTile(cFarmFieldTile* _tile)")
}

void cFieldTip::absoluteProcess()
{
    GUARD_BEGIN
    cMovableUnion::absoluteProcess();
    if (isOpen()) {
        if (m_tile) {
            updateValues();
            return;
        }
        m_hideDelay -= frameTime();
        if (!(m_hideDelay > 0))
            startMove(MODE_OUT, getPosition(), getHiddenPlace());
    } else if (m_showPending) {
        m_showDelay -= frameTime();
        if (m_showDelay > 0)
            return;
        // Once on its way in, the panel needs no second start.
        m_showPending = false;
        updateValues();
        startMove(MODE_IN, getPosition(), getShownPlace());
    }
    GUARD_END("void cFieldTip::absoluteProcess()")
}

void cFieldTip::updateValues()
{
    GUARD_BEGIN
    if (!m_tile)
        return;
    const UInt index = m_tile->getIndex();
    const UInt crop = key::FFC[index];
    const cGame* game = cGame::getInstance();
    const cGame::sProdInfo* info = game ? game->getCultivationInfo(cGame::eCultivationType(crop)) : nullptr;
    const sFieldTipValues values =
        getFieldTipValues(key::FFS[index], key::FFW[index], m_tile->getWaterCapacity(), key::FFF[index],
                          m_tile->getFertilCapacity(), key::FFP[index], info ? info->CreationTime : 0.0f);
    setBar(m_waterFloat, values.water);
    setBar(m_fertilFloat, values.fertil);
    setBar(m_readyFloat, values.ready);
    if (!values.showCrop) {
        m_cultureText->hide();
        m_cultureIcon->hide();
        return;
    }
    m_cultureText->show();
    m_cultureIcon->show();
    // The values follow the tile every frame; the name and the look only when the crop changes.
    if (Int(crop) == m_shownCrop)
        return;
    m_shownCrop = Int(crop);
    m_cultureText->setString(cGame::getStaticProductTag(crop));
    static_cast<cState&>(*m_cultureIcon) = m_icons[crop];
    m_cultureIcon->setTransformDirty();
    GUARD_END("void cFieldTip::updateValues()")
}

void cFieldTip::setBar(cProgressFloat* _bar, Float _value)
{
    _bar->setValue(_value);
    _bar->progressChanged();
}
