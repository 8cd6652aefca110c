#include "Game/GameMenu/GameMenu.h"

#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "Game/Contracts/ContractStatus.h"
#include "Game/Contracts/SavedContract.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GoalSign.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Market/Market.h"
#include "Game/Shell/Menu.h"
#include "Game/Timeline/Gameplay.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"

#include <string>
#include <unordered_set>

namespace {

iResource* loadSound(iXML* _xml_doc, const char16_t* _name)
{
    const String path = toString((*_xml_doc)[_name]);
    return path.empty() ? nullptr : cResourceManager::getInstance()->getSound(path);
}

Bool isOn(const cView* _view)
{
    return _view->isVisible() && _view->isEnabled();
}

// The newest copy of each text, in the order they came, at most NOTE_LIMIT of them.
cGameMenu::NOTES newestNotes(const cGameMenu::NOTES& _notes)
{
    cGameMenu::NOTES kept;
    std::unordered_set<WString> texts;
    for (auto note = _notes.rbegin(); note != _notes.rend() && kept.size() < cGameMenu::NOTE_LIMIT; ++note)
        if (texts.insert(note->text).second)
            kept.push_front(*note);
    return kept;
}

} // namespace

void cGameMenu::sReleaseSound::operator()(iResource* _sound) const
{
    _sound->release();
}

cGameMenu::cGameMenu(cView* _parent) : cBack(_parent)
{
    GUARD_BEGIN
    makeControls();
    loadViewFile(this, "UI/gameUI/GameMenu.xml");
    m_mainMenuButton->setOnClick(&cGameMenu::onGotoMainMenu);
    m_farmButton->setOnClick(&cGameMenu::onGotoFarm);
    m_marketButton->setOnClick(&cGameMenu::onGotoMarket);
    m_producingButton->setOnClick(&cGameMenu::onGotoManufacture);
    m_journalButton->setOnClick(&cGameMenu::onJournal);
    m_wareLoadingButton->setOnHover(&cGameMenu::onWareHover);
    m_wareLoadingButton->setOnUnhover(&cGameMenu::onWareUnhover);
    m_pauseMenu = new cMenu(nullptr);
    GUARD_END("cGameMenu::cGameMenu(cView* _parent)")
}

cGameMenu::~cGameMenu()
{
    // A top-level view: the tree does not take it along.
    delete m_pauseMenu;
}

void cGameMenu::makeControls()
{
    m_mainMenuButton = new cTipButton(this);
    m_marketButton = new cTipButton(this);
    m_farmButton = new cTipButton(this);
    m_producingButton = new cTipButton(this);
    for (UInt i = 0; i < PLACE_COUNT; ++i)
        m_contractStatus[i] = new cContractStatus(this, i);
    m_moneyText = new cText(this);
    m_journalButton = new cTipButton(this);
    m_wareLoadingButton = new cAnimButton(this);
    m_wareLoading = new cProgressFloat(this);
    m_wareLoadingLighter = new cPicture(this);
    m_goalSign = new cGoalSign(this);
}

void cGameMenu::restoreContracts()
{
    GUARD_BEGIN
    for (UInt i = 0; i < PLACE_COUNT; ++i)
        if (sContractEvent* event = cSavedContract(cSavedContract::RUNNING, i).restore())
            m_contractStatus[i]->setup(event, true);
    GUARD_END("void cGameMenu::restoreContracts()")
}

void cGameMenu::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    m_journalNormalColor = m_journalButton->getColor();
    loadChildPart(_xml_doc, "MainMenuButton", m_mainMenuButton);
    loadChildPart(_xml_doc, "MarketButton", m_marketButton);
    loadChildPart(_xml_doc, "FarmButton", m_farmButton);
    loadChildPart(_xml_doc, "ProducingButton", m_producingButton);
    loadChildPart(_xml_doc, "MoneyText", m_moneyText);
    loadChildPart(_xml_doc, "JournalButton", m_journalButton);
    readXmlAttribute(_xml_doc, u"JournalBlinkColor", m_journalBlinkColor, toDXColor);
    readXmlAttribute(_xml_doc, u"JournalBlinkPeriod", m_journalBlinkPeriod, toFloat);
    loadChildPart(_xml_doc, "WareLoadingSubstrain", m_wareLoadingButton);
    loadChildPart(_xml_doc, "WareLoading", m_wareLoading);
    loadChildPart(_xml_doc, "WareLoadingLighter", m_wareLoadingLighter);
    loadChildPart(_xml_doc, "GoalSign", m_goalSign);
    updateMoneyText();
    m_contractPlaces.loadXML(_xml_doc);
    m_changeSound.reset(loadSound(_xml_doc, u"ChangeSound"));
    m_newMessageSound.reset(loadSound(_xml_doc, u"NewMessageSound"));
    GUARD_END("void cGameMenu::loadXML(iXML* xml_doc)")
}

void cGameMenu::playSound(iResource* _sound)
{
    cSoundManager* sound = cSoundManager::getInstance();
    if (_sound && sound)
        sound->play(_sound);
}

void cGameMenu::updateMoneyText()
{
    GUARD_BEGIN
    m_moneyText->setString(toWString(std::to_string(key::Money())));
    GUARD_END("void cGameMenu::updateMoneyText()")
}

void cGameMenu::updateMarketButton()
{
    GUARD_BEGIN
    const cMarket* market = cMarket::getInstance();
    if (isOn(m_marketButton) || (market && isOn(market) && !market->getSlide().isMoving()))
        return;
    Bool any = UInt(key::MGoodCount[0]) + UInt(key::WGoodCount[0]) != 0;
    for (UInt kind = 1; !any && kind < key::PRODUCT_COUNT; ++kind)
        any = cMarket::canBeVisible(kind);
    if (any)
        m_marketButton->enable();
    GUARD_END("void cGameMenu::updateMarketButton()")
}

void cGameMenu::updateManufactureButton()
{
    GUARD_BEGIN
    const cManufacture* manufacture = cManufacture::getInstance();
    const Bool onScreen = manufacture && isOn(manufacture) && !manufacture->getSlide().isMoving();
    if (isOn(m_producingButton) || onScreen)
        return;
    if (cManufacture::anyDepotAvailableToBuild())
        m_producingButton->enable();
    GUARD_END("void cGameMenu::updateManufactureButton()")
}

void cGameMenu::updateContractStatuses(Bool _first)
{
    GUARD_BEGIN
    updateMarketButton();
    for (cContractStatus* panel : m_contractStatus)
        if (panel->isActive())
            panel->updateRequirementProgress(_first);
    GUARD_END("void cGameMenu::updateContractStatuses(Bool _first)")
}

void cGameMenu::updateWarehouseInfo()
{
    GUARD_BEGIN
    const cWareHouse* warehouse = cWareHouse::getInstance();
    const UInt capacity = warehouse ? warehouse->getCapacity() : 0;
    const UInt free = warehouse ? std::min(warehouse->getFreeSpace(), capacity) : 0;
    m_wareLoading->setValue(capacity == 0 ? 0.0f : Float(capacity - free) * 100.0f / Float(capacity));
    m_wareLoading->progressChanged();
    GUARD_END("void cGameMenu::updateWarehouseInfo()")
}

void cGameMenu::disableControls()
{
    GUARD_BEGIN
    m_hiddenButtons[0] = isOn(m_marketButton);
    m_hiddenButtons[1] = isOn(m_farmButton);
    m_hiddenButtons[2] = isOn(m_producingButton);
    for (cTipButton* button : {m_mainMenuButton, m_marketButton, m_farmButton, m_producingButton, m_journalButton})
        button->disable();
    GUARD_END("void cGameMenu::disableControls()")
}

void cGameMenu::enableControls()
{
    GUARD_BEGIN
    m_mainMenuButton->enable();
    m_journalButton->enable();
    cTipButton* const buttons[3] = {m_marketButton, m_farmButton, m_producingButton};
    for (UInt i = 0; i < 3; ++i)
        if (m_hiddenButtons[i])
            buttons[i]->enable();
    GUARD_END("void cGameMenu::enableControls()")
}

void cGameMenu::acceptContract(sContractEvent* _event)
{
    GUARD_BEGIN
    for (cContractStatus* panel : m_contractStatus) {
        if (panel->isActive())
            continue;
        panel->setup(_event, false);
        return;
    }
    GUARD_END("void cGameMenu::acceptContract(sContractEvent* _event)")
}

// The busy places are counted from the panels themselves, so a panel released twice (or
// never) cannot throw the count off.
void cGameMenu::releaseContractStatus(cContractStatus* /*_panel*/) {}

UInt cGameMenu::getBusyStatusCount() const
{
    UInt busy = 0;
    for (const cContractStatus* panel : m_contractStatus)
        busy += panel && panel->isActive() ? 1 : 0;
    return busy;
}

void cGameMenu::addNote(const WString& _text, Bool _read)
{
    GUARD_BEGIN
    if (!_read)
        playSound(m_newMessageSound.get());
    m_notes.push_back({_text, _read});
    m_notes = newestNotes(m_notes);
    if (!_read && !m_journalBlinking) {
        m_journalBlinking = true;
        m_journalBlinkCountdown = m_journalBlinkPeriod;
    }
    if (!m_journalButton->isOwnVisible())
        m_journalButton->show();
    GUARD_END("void cGameMenu::addNote(const WString& _text, Bool _read)")
}

void cGameMenu::setNotes(const NOTES& _notes)
{
    GUARD_BEGIN
    m_notes = newestNotes(_notes);
    m_journalBlinking = false;
    for (const sNote& note : m_notes)
        m_journalBlinking = m_journalBlinking || !note.read;
    if (!m_notes.empty())
        m_journalButton->show();
    if (m_journalBlinking)
        m_journalBlinkCountdown = m_journalBlinkPeriod;
    GUARD_END("void cGameMenu::setNotes(const NOTES& _notes)")
}

void cGameMenu::setNotesRead(Bool _read)
{
    GUARD_BEGIN
    for (sNote& note : m_notes)
        note.read = _read;
    if (!_read)
        return;
    m_journalBlinking = false;
    m_journalButton->setColor(m_journalNormalColor);
    GUARD_END("void cGameMenu::setNotesRead(Bool _read)")
}
