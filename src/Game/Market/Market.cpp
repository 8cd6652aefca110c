#include "Game/Market/Market.h"

#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/GameKeys.h"
#include "Game/GameRandom.h"
#include "Game/Market/SellLaw.h"
#include "Game/ScreenLook.h"
#include "Game/Timeline/Gameplay.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/FlyText.h"
#include "Ui/texts/PriceText.h"
#include "Ui/screens/Slide.h"
#include "Ui/texts/Text.h"
#include "Ui/views/XmlAttribute.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>

namespace {

// A sale at this price or above wins the high-sale award.
constexpr UInt HIGH_PRICE = 80;
// The forecast bars' fixed scale, in forecast levels.
constexpr Float FORECAST_SCALE = 100.0f;

void checkType(UInt _type)
{
    if (_type >= OVERALL_PROD_COUNT)
        throw "_type>=OVERALL_PROD_COUNT";
}

WString decimal(UInt _value)
{
    return toWString(std::to_string(_value));
}

UInt wareCount(UInt _kind)
{
    const cWareHouse* warehouse = cWareHouse::getInstance();
    return warehouse ? warehouse->getGoodCount(_kind) : 0;
}

LongLong demandOf(UInt _kind)
{
    const cGameplay* gameplay = cGameplay::getInstance();
    return sell::effectivePrice(gameplay ? gameplay->getEffectivePrice(_kind) : UInt(key::MEffPrice[_kind]));
}

sell::sTerms termsOf(UInt _kind)
{
    sell::sTerms terms;
    terms.price = cMarket::getPlayerPriceOfKind(_kind);
    terms.effective = demandOf(_kind);
    const cGame* game = cGame::getInstance();
    if (const cGame::sProdInfo* info = game ? game->getProdInfo(_kind) : nullptr) {
        terms.radius = info->PriceRadius;
        terms.maxFrequency = info->MaxSellFrequency;
    }
    return terms;
}

UInt kindOf(cView* _button)
{
    const cControl* control = _button ? _button->asControl() : nullptr;
    return control ? control->getUserValue() : OVERALL_PROD_COUNT;
}

void setEnabled(cView* _view, Bool _enabled)
{
    if (_enabled)
        _view->enable();
    else
        _view->disable();
}

// A period of the forecast must move time on, or the forecast cannot be asked at all.
Float& toPeriod(Float& _res, const WString& _text)
{
    Float period = _res;
    toFloat(period, _text);
    if (period > 0 && std::isfinite(period))
        _res = period;
    else
        getLog("error")->print("The market refuses a period of " + toString(_text) + " seconds.");
    return _res;
}

} // namespace

void cMarket::sReleaseSound::operator()(iResource* _sound) const
{
    _sound->release();
}

cMarket::cMarket(cView* _parent)
    : cMovableBack(_parent), m_productPlaces(LINE_COUNT, Vector2(0, 0)), m_attitudeStates(PA_COUNT)
{
    GUARD_BEGIN
    for (UInt i = 0; i < LINE_COUNT; ++i) {
        m_lines.push_back(std::make_unique<cProductLine>(getContent()));
        m_lines.back()->setKind(i);
        m_lineOrder.push_back(i);
    }
    bindButtons();
    loadScreenLook(*this, "UI/gameUI/Market.xml");
    for (auto& line : m_lines)
        line->hideAll();
    GUARD_END("cMarket::cMarket(cView* _parent)")
}

cMarket::~cMarket() = default;

void cMarket::bindButtons()
{
    for (auto& line : m_lines) {
        line->getIncQtyButton()->setOnClick(&cMarket::onIncQty);
        line->getInc10QtyButton()->setOnClick(&cMarket::onInc10Qty);
        line->getIncAllQtyButton()->setOnClick(&cMarket::onIncAllQty);
        line->getIncPriceButton()->setOnClick(&cMarket::onIncMarketPrice);
        line->getDecPriceButton()->setOnClick(&cMarket::onDecMarketPrice);
    }
}

void cMarket::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cMovableBack::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"IconType", m_iconType, toInt);
    readXmlAttribute(_xml_doc, u"PriceCheckPeriod", m_priceCheckPeriod, toPeriod);
    if (readXmlAttribute(_xml_doc, u"PriceUpdatePeriod", m_priceUpdatePeriod, toFloat))
        m_prognosCountdown = m_priceUpdatePeriod;
    readXmlAttribute(_xml_doc, u"ChangePricePeriod", m_changePricePeriod, toFloat);
    if (const WString* sound = findXmlAttribute(_xml_doc, u"SellSound"); sound && !sound->empty())
        m_sellSound.reset(cResourceManager::getInstance()->getSound(toString(*sound)));
    if (const WString* order = findXmlAttribute(_xml_doc, u"LineOrder"))
        readLineOrder(*order);
    loadPlaces(_xml_doc);
    loadChildParts<cText>(_xml_doc, "Texts", getContent(), m_texts);
    loadLines(_xml_doc);
    loadAttitudes(_xml_doc);
    GUARD_END("void cMarket::loadXML(iXML* xml_doc)")
}

void cMarket::readLineOrder(const WString& _order)
{
    std::vector<UInt> order;
    std::vector<Bool> placed(OVERALL_PROD_COUNT, false);
    std::istringstream words(toString(_order));
    for (std::string word; words >> word;) {
        UInt kind = OVERALL_PROD_COUNT;
        toUInt(kind, toWString(word));
        // A kind past 18, or one already placed, names no new line.
        if (kind < OVERALL_PROD_COUNT && !placed[kind]) {
            placed[kind] = true;
            order.push_back(kind);
        }
    }
    for (UInt kind = 0; kind < OVERALL_PROD_COUNT; ++kind)
        if (!placed[kind])
            order.push_back(kind);
    m_lineOrder = order;
}

void cMarket::loadPlaces(iXML* _xml_doc)
{
    iXML* places = nullptr;
    if (!_xml_doc->get("ProductPlaces", places))
        return;
    iXML* place = nullptr;
    for (UInt i = 0, count = std::min(places->getChildCount(), LINE_COUNT); i < count; ++i)
        if (places->get(i, place))
            readXmlAttribute(place, u"pos", m_productPlaces[i], toVector2);
}

void cMarket::loadLines(iXML* _xml_doc)
{
    iXML* line = nullptr;
    if (!_xml_doc->get("ProductLine", line))
        return;
    for (UInt i = 0; i < LINE_COUNT; ++i)
        m_lines[i]->loadXML(line, m_productPlaces[i]);
}

void cMarket::loadAttitudes(iXML* _xml_doc)
{
    iXML* states = nullptr;
    if (!_xml_doc->get("AttitudeIconStates", states))
        return;
    iXML* state = nullptr;
    for (UInt j = 0, count = std::min(states->getChildCount(), UInt(PA_COUNT)); j < count; ++j)
        if (states->get(j, state))
            m_attitudeStates[j].loadXML(state);
}

void cMarket::showed()
{
    GUARD_BEGIN
    updateProductStatus();
    cMovableBack::showed();
    GUARD_END("void cMarket::showed()")
}

void cMarket::hid()
{
    GUARD_BEGIN
    cMovableBack::hid();
    // Out of sight they would stand in the air until the market came back.
    for (const auto& child : getContent()->getChildren())
        if (auto* flight = dynamic_cast<cFlyText*>(child.second))
            flight->finish();
    GUARD_END("void cMarket::hid()")
}

void cMarket::onMoveEnd()
{
    ++key::marketIt();
}

UInt cMarket::getQtyOfKind(UInt _type)
{
    checkType(_type);
    return key::MGoodCount[_type];
}

UInt cMarket::getPlayerPriceOfKind(UInt _type)
{
    checkType(_type);
    const UInt price = key::MGoodPrice[_type];
    if (price != UNSET_PRICE)
        return price;
    // Until the player names a price the stall asks what the good is worth today, so a
    // newcomer's first crops neither give themselves away nor sit unsold.
    return UInt(std::clamp<LongLong>(demandOf(_type), sell::MIN_PRICE, sell::MAX_PRICE));
}

void cMarket::setQtyOfKind(UInt _type, UInt _count)
{
    GUARD_BEGIN
    checkType(_type);
    key::MGoodCount[_type] = _count;
    updateProductStatus();
    key::MSellTime[_type] = sell::NO_WAIT;
    GUARD_END("void cMarket::setQtyOfKind(UInt _type, UInt _count)")
}

void cMarket::setPlayerPriceOfKind(UInt _type, UInt _price)
{
    GUARD_BEGIN
    checkType(_type);
    key::MGoodPrice[_type] = _price;
    updateProductStatus();
    key::MSellTime[_type] = sell::NO_WAIT;
    GUARD_END("void cMarket::setPlayerPriceOfKind(UInt _type, UInt _price)")
}

cMarket::ePriceAttitude cMarket::getPriceAttitude(UInt _type, Int _price) const
{
    GUARD_BEGIN
    const cGame* game = cGame::getInstance();
    const cGame::sProdInfo* info = game ? game->getProdInfo(_type) : nullptr;
    return ePriceAttitude(sell::attitude(_price, demandOf(_type), info ? info->GoodAttPriceRadius : 0));
    GUARD_END("cMarket::ePriceAttitude cMarket::getPriceAttitude(UInt _type, int _price)")
}

Bool cMarket::canBeVisible(UInt _type)
{
    // Output and input kind of each production building type.
    static constexpr UInt LINKS[11][2] = {
        {9, 3}, {8, 7}, {10, 0}, {11, 1}, {12, 13}, {13, 10}, {14, 9}, {15, 8}, {16, 14}, {18, 17}, {17, 7}};
    if (_type >= key::PRODUCT_COUNT)
        return false;
    if (_type == 0 || (_type < key::CROP_COUNT && key::SeedAvail[_type] != 0))
        return true;
    if (key::WGoodCount[_type] != 0 || key::MGoodCount[_type] != 0)
        return true;
    for (UInt t = 0; t < 11; ++t)
        if (key::upgradeAvail(t) != NONE_VALUE && (LINKS[t][0] == _type || LINKS[t][1] == _type))
            return true;
    return false;
}

void cMarket::updateProductStatus()
{
    GUARD_BEGIN
    UInt j = 0;
    for (UInt kind : m_lineOrder)
        if (canBeVisible(kind))
            showLine(*m_lines[j++], kind);
    for (; j < LINE_COUNT; ++j)
        m_lines[j]->hideAll();
    GUARD_END("void cMarket::updateProductStatus()")
}

void cMarket::showLine(cProductLine& _line, UInt _kind)
{
    const UInt stock = wareCount(_kind);
    const UInt onSale = getQtyOfKind(_kind);
    const UInt price = getPlayerPriceOfKind(_kind);
    _line.getWareQtyLabel()->setString(u"x" + decimal(stock));
    _line.getMarketQtyLabel()->setString(decimal(onSale));
    _line.getPriceLabel()->setString(decimal(price));
    const cGame* game = cGame::getInstance();
    const cGame::sProdInfo* info = game ? game->getProdInfo(_kind) : nullptr;
    cPicture* attitude = _line.getPriceAttitudeIcon();
    static_cast<cState&>(*attitude) =
        m_attitudeStates[sell::attitude(price, demandOf(_kind), info ? info->GoodAttPriceRadius : 0)];
    attitude->setTransformDirty();
    _line.setKind(_kind);
    if (info) {
        static_cast<cState&>(*_line.getProductIcon()) = m_iconType == 0 ? info->Icon : info->IconLarge;
        _line.getProductIcon()->setTransformDirty();
    }
    _line.showAll();
    setEnabled(_line.getIncQtyButton(), stock != 0);
    setEnabled(_line.getIncAllQtyButton(), stock != 0);
    setEnabled(_line.getInc10QtyButton(), stock >= 10);
    chartLine(_line, _kind);
}

void cMarket::chartLine(cProductLine& _line, UInt _kind)
{
    const cGameplay* gameplay = cGameplay::getInstance();
    cProductLine::cChart* chart = _line.getPriceGrowHistogram();
    const UInt bars = chart->getBarCount();
    std::vector<Float> points;
    if (gameplay)
        gameplay->getPricePrognos(_kind, m_priceCheckPeriod, bars + 1, points);
    chart->setBars(sell::forecastBars(points, bars));
    chart->setMaxValue(FORECAST_SCALE);
}

void cMarket::updateProductPrognos()
{
    GUARD_BEGIN
    for (auto& line : m_lines)
        if (line->getBack()->isOwnVisible() && line->getKind() < OVERALL_PROD_COUNT)
            chartLine(*line, line->getKind());
    GUARD_END("void cMarket::updateProductPrognos()")
}

void cMarket::absoluteProcess()
{
    GUARD_BEGIN
    cMovableBack::absoluteProcess();
    const Float frameTime = getSlideFrameTime();
    for (UInt kind = 0; kind < OVERALL_PROD_COUNT; ++kind)
        if (getQtyOfKind(kind) != 0)
            sellStep(kind, frameTime);
    m_prognosCountdown -= frameTime;
    if (m_prognosCountdown <= 0) {
        m_prognosCountdown = m_priceUpdatePeriod;
        updateProductPrognos();
    }
    m_sinceLastPriceClick += frameTime;
    GUARD_END("void cMarket::absoluteProcess()")
}

void cMarket::sellStep(UInt _kind, Float _frameTime)
{
    GUARD_BEGIN
    const sell::sTerms terms = termsOf(_kind);
    Float timer = key::MSellTime[_kind];
    if (sell::advanceTimer(timer, sell::rate(terms), _frameTime) &&
        sell::sells(sell::share(terms), sell::roll(gameRand()))) {
        sell(_kind);
        return;
    }
    key::MSellTime[_kind] = timer;
    GUARD_END("void cMarket::sellStep(UInt _kind, float _frameTime)")
}

void cMarket::sell(UInt _kind)
{
    setQtyOfKind(_kind, getQtyOfKind(_kind) - 1);
    const UInt price = getPlayerPriceOfKind(_kind);
    cGame::addMoney(price);
    cGame* game = cGame::getInstance();
    if (game)
        game->startFlyProduct(_kind);
    if (price >= HIGH_PRICE)
        key::awHighSold() = true;
    cSoundManager* sound = cSoundManager::getInstance();
    if (m_sellSound && sound)
        sound->play(m_sellSound.get());
    // Timed by the clock of play: the game clock goes back at each loop of the time-line and
    // stands while a goal holds it, and the market sells all the while.
    if (game)
        game->addEarnedFromMarket(price, key::RunTime());
    key::MSellTime[_kind] = sell::NO_WAIT;
}

void cMarket::bringToMarket(UInt _kind, UInt _count)
{
    GUARD_BEGIN
    checkType(_kind);
    cWareHouse* warehouse = cWareHouse::getInstance();
    const UInt wanted = std::min(wareCount(_kind), _count);
    if (!warehouse || wanted == 0)
        return;
    const UInt moved = warehouse->removeGoods(_kind, wanted, false, false);
    const UInt onSale = getQtyOfKind(_kind);
    setQtyOfKind(_kind, onSale + std::min(moved, std::numeric_limits<UInt>::max() - onSale));
    GUARD_END("void cMarket::bringToMarket(UInt _kind, UInt _count)")
}

void cMarket::clickPrice(UInt _kind, Bool _raise)
{
    GUARD_BEGIN
    m_priceStep = sell::nextPriceStep(m_priceStep, m_sinceLastPriceClick, m_changePricePeriod);
    m_sinceLastPriceClick = 0;
    const UInt price = getPlayerPriceOfKind(_kind);
    setPlayerPriceOfKind(_kind, _raise ? sell::raisedPrice(price, m_priceStep) : sell::loweredPrice(price, m_priceStep));
    GUARD_END("void cMarket::clickPrice(UInt _kind, bool _raise)")
}

void cMarket::onIncQty(cView* _button)
{
    if (cMarket* market = getInstance())
        market->bringToMarket(kindOf(_button), 1);
}

void cMarket::onInc10Qty(cView* _button)
{
    if (cMarket* market = getInstance())
        market->bringToMarket(kindOf(_button), 10);
}

void cMarket::onIncAllQty(cView* _button)
{
    if (cMarket* market = getInstance())
        market->bringToMarket(kindOf(_button), std::numeric_limits<UInt>::max());
}

void cMarket::onIncMarketPrice(cView* _button)
{
    if (cMarket* market = getInstance())
        market->clickPrice(kindOf(_button), true);
}

void cMarket::onDecMarketPrice(cView* _button)
{
    if (cMarket* market = getInstance())
        market->clickPrice(kindOf(_button), false);
}
