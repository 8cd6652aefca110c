#include "Game/Farm/Farm.h"

#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Water/HoseEffect.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Water/Sprinkle.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Game.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/TextConvert.h"
#include "engine/frame/Timer.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "input/Input.h"

#include <algorithm>
#include <string>

namespace {

constexpr eTips BUY_SEEDS_TIP = 13;
constexpr eTips BUY_FIELDS_TIP = 19;
constexpr eControl LEFT_DOWN = CONTROL_BUTTON_PRESSED;
constexpr eControl LEFT_UP = CONTROL_BUTTON_RELEASED;
constexpr eControl RIGHT_DOWN = CONTROL_BUTTON_PRESSED + 1;

} // namespace

void cFarm::sReleaseResource::operator()(iResource* _resource) const
{
    _resource->release();
}

cFarm::cFarm(cView* _parent) : cMovableBack(_parent)
{
    GUARD_BEGIN
    // Sprinkles of an earlier game in this run are gone with it.
    s_sprinkleCount = 0;
    makeControls();
    makeLetterSlots();
    loadScreenLook(*this, "UI/gameUI/farm.xml");
    restoreLetters();
    restoreSprinkles();
    updateUpgradeButton();
    // On the ground, so the jet slides with the farm.
    m_hoseEffect = new cHoseEffect(getSlidingPicture(), "Effects/HoseEffect.xml");
    GUARD_END("cFarm::cFarm(cView* _parent)")
}

cFarm::~cFarm()
{
    unbindMouse();
    // The ground's areas go with the view tree after this: they must find no farm to tell.
    releaseInstance();
    m_areas.clear();
    m_fields.clear();
}

void cFarm::makeControls()
{
    cView* ground = getSlidingPicture();
    cView* controls = getContent();
    m_postBox = new cPicture(ground);
    m_fieldLighter = new cPicture(ground);
    m_seedsBuyButton = new cSeedsButton(controls);
    m_fieldsBuyButton = new cFieldsButton(controls);
    m_fieldsBuyCostText = new cTextMoney(m_fieldsBuyButton);
    m_seedText = new cText(controls);
    m_mailText = new cText(controls);
    m_seedsBuyButton->setOnClick(&cFarm::onSeedsBuyButton);
    m_fieldsBuyButton->setOnClick(&cFarm::onBuyFields);
}

void cFarm::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cMovableBack::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "PostBox", m_postBox);
    loadChildPart(_xml_doc, "SeedsBuyButton", m_seedsBuyButton);
    loadChildPart(_xml_doc, "FieldsBuyButton", m_fieldsBuyButton);
    loadChildPart(_xml_doc, "FieldsBuyCostText", m_fieldsBuyCostText);
    loadChildPart(_xml_doc, "FieldLighter", m_fieldLighter);
    loadChildPart(_xml_doc, "SeedText", m_seedText);
    loadChildPart(_xml_doc, "MailText", m_mailText);
    m_fieldLighter->hide();
    loadTables(_xml_doc);
    loadFieldArray(_xml_doc);
    const String sound = toString((*_xml_doc)[u"LetterSound"]);
    cResourceManager* resources = cResourceManager::getInstance();
    if (!sound.empty() && resources)
        m_letterSound.reset(resources->getSound(sound));
    GUARD_END("void cFarm::loadXML(iXML* xml_doc)")
}

void cFarm::loadTables(iXML* _xml_doc)
{
    iXML* group = nullptr;
    iXML* child = nullptr;
    if (_xml_doc->get("FieldsBuyPlaces", group))
        for (UInt i = 0, count = std::min(group->getChildCount(), FIELD_LEVELS); i < count; ++i)
            if (group->get(i, child))
                readXmlAttribute(child, u"Pos", m_fieldsBuyPlaces[i], &toVector2);
    if (_xml_doc->get("UpgradePrices", group))
        for (UInt i = 0, count = std::min(group->getChildCount(), FIELD_LEVELS); i < count; ++i)
            if (group->get(i, child))
                readXmlAttribute(child, u"Price", m_upgradePrices[i], &toInt);
    if (_xml_doc->get("LetterPlace", group)) {
        m_letterPlaces.clear();
        for (UInt i = 0, count = std::min(group->getChildCount(), LETTER_PLACES); i < count; ++i)
            if (group->get(i, child)) {
                Vector2 place(0, 0);
                readXmlAttribute(child, u"Pos", place, &toVector2);
                m_letterPlaces.push_back(place);
            }
    }
}

void cFarm::loadFieldArray(iXML* _xml_doc)
{
    iXML* array = nullptr;
    if (!_xml_doc->get("FieldArray", array))
        return;
    const Vector2& origin = getContent()->getPosition();
    iXML* child = nullptr;
    for (UInt i = 0, count = array->getChildCount(); i < count; ++i) {
        if (!array->get(i, child))
            continue;
        if (m_fieldPlaces.size() == MAX_FIELDS) {
            // A field past these would keep its growth in variables the profile never had.
            getLog("error")->print(_xml_doc->getDocumentName() + ": the FieldArray holds more than " +
                                   std::to_string(MAX_FIELDS) + " fields; the rest are left out.");
            break;
        }
        sFieldPlace place;
        readXmlAttribute(child, u"UpgradeIndex", place.upgradeIndex, &toInt);
        readXmlAttribute(child, u"Center", place.center, &toVector2);
        auto* field = new cFarmFieldTile(getSlidingPicture(), 0, UInt(m_fieldPlaces.size()), place.upgradeIndex);
        field->setPosition(Vector2(origin.x + place.center.x, origin.y + place.center.y));
        field->show();
        field->enable();
        m_fieldPlaces.push_back(place);
        m_fields.push_back(field);
    }
}

void cFarm::restoreSprinkles()
{
    for (UInt k = 0; k < MAX_SPRINKLES; ++k) {
        // One bought and not yet set down (nor paid) was on the mouse: it comes back there.
        const Bool onMouse = !key::SPExist[k] && key::SPStatus[k] == cSprinkle::ON_MOUSE;
        if (!key::SPExist[k] && !onMouse)
            continue;
        new cSprinkle(getSlidingPicture(), onMouse ? cSprinkle::ON_MOUSE : cSprinkle::SET_DOWN, k);
        ++s_sprinkleCount;
    }
}

void cFarm::showHose(const Vector2& _from, const Vector2& _to, Float _angle)
{
    GUARD_BEGIN
    m_hoseEffect->startHose(_from, _to, _angle);
    GUARD_END("void cFarm::showHose(Vector2 _from, Vector2 _to, Float _value)")
}

void cFarm::hideHose()
{
    m_hoseEffect->stop();
}

void cFarm::showed()
{
    GUARD_BEGIN
    bindMouse();
    cMovableBack::showed();
    updateSeedsButton();
    GUARD_END("void cFarm::showed()")
}

void cFarm::hid()
{
    GUARD_BEGIN
    unbindMouse();
    cMovableBack::hid();
    GUARD_END("void cFarm::hid()")
}

void cFarm::disabled()
{
    GUARD_BEGIN
    cMovableBack::disabled();
    m_fieldLighter->hide();
    m_dragWork = false;
    GUARD_END("void cFarm::disabled()")
}

void cFarm::bindMouse()
{
    if (cInput* input = cInput::getInstance()) {
        input->bind(LEFT_DOWN, &cFarm::onLeftDown, this);
        input->bind(LEFT_UP, &cFarm::onLeftUp, this);
        input->bind(RIGHT_DOWN, &cFarm::onRightDown, this);
    }
}

void cFarm::unbindMouse()
{
    if (cInput* input = cInput::getInstance()) {
        input->unbind(LEFT_DOWN, &cFarm::onLeftDown, this);
        input->unbind(LEFT_UP, &cFarm::onLeftUp, this);
        input->unbind(RIGHT_DOWN, &cFarm::onRightDown, this);
    }
}

void cFarm::onLeftDown(cView* _farm)
{
    static_cast<cFarm*>(_farm)->setMouseDown(true);
}

void cFarm::onLeftUp(cView* _farm)
{
    auto* farm = static_cast<cFarm*>(_farm);
    farm->setMouseDown(false);
    farm->setDragWork(false);
}

void cFarm::onRightDown(cView* /*_farm*/)
{
    if (cPerson* person = cPerson::getInstance()) {
        person->clearTaskList();
        person->setDropCurrentTask(true);
    }
}

void cFarm::absoluteProcess()
{
    GUARD_BEGIN
    cMovableBack::absoluteProcess();
    countDryFields();
    if (key::awNoDry())
        key::awNoDryTime() += farm::frameTime();
    runTutorialTips();
    GUARD_END("void cFarm::absoluteProcess()")
}

void cFarm::runTutorialTips()
{
    if (!farm::isOnScreen())
        return;
    cTutorialManager* tutorial = farm::tutorial();
    if (m_seedsBuyButton->isEffectivelyEnabled() && farm::canRunTip(BUY_SEEDS_TIP) &&
        tutorial->getTip(BUY_SEEDS_TIP).condition) {
        payForFirstSeeds();
        farm::runActionTip(BUY_SEEDS_TIP, m_seedsBuyButton);
    }
    if (m_fieldsBuyButton->isVisible() && m_fieldsBuyButton->isEffectivelyEnabled() && farm::canRunTip(BUY_FIELDS_TIP))
        farm::runArrowHelpTip(BUY_FIELDS_TIP, m_fieldsBuyButton);
}

void cFarm::payForFirstSeeds()
{
    // The lesson pays for the cheapest seeds on sale, so the player can follow it; once, for
    // the tip comes again after a game left before it was followed.
    if (key::TSeedGift())
        return;
    const cGame* game = cGame::getInstance();
    Int cheapest = 0;
    for (UInt crop = cGame::TOMATOES; game && crop < cGame::CULTIVATION_COUNT; ++crop)
        if (key::SeedAvail[crop]) {
            const Int price = Int(game->getSeedsInfo(cGame::eCultivationType(crop))->Price);
            cheapest = cheapest == 0 ? price : std::min(cheapest, price);
        }
    cGame::addMoney(cheapest);
    key::TSeedGift() = true;
}

void cFarm::onSeedsBuyButton(cView* /*_button*/)
{
    // Only the tip that asks for the shop lets it open over a tip.
    const cTutorialManager* tutorial = farm::tutorial();
    if (tutorial && tutorial->isTipRunning() && !tutorial->isCurrentTip(BUY_SEEDS_TIP))
        return;
    if (cBuySeeds* shop = cBuySeeds::getInstance())
        shop->draw();
}

void cFarm::updateSeedsButton()
{
    GUARD_BEGIN
    Bool any = false;
    for (UInt crop = cGame::TOMATOES; crop < cGame::CULTIVATION_COUNT; ++crop)
        any = any || key::SeedAvail[crop] != 0;
    if (any)
        m_seedsBuyButton->enable();
    else
        m_seedsBuyButton->disable();
    GUARD_END("void cFarm::updateSeedsButton()")
}

void cFarm::lockSeedsButton()
{
    m_seedsBuyButton->disable();
}

void cFarm::unlockSeedsButton()
{
    // Let go, the button offers seeds only when some are for sale.
    updateSeedsButton();
}
