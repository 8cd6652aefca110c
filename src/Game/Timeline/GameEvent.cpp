#include "Game/Timeline/GameEvent.h"

#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

template <class T>
void readValue(iXML* _xml, const char16_t* _name, T& _field, T& (*_convert)(T&, const WString&))
{
    _convert(_field, (*_xml)[_name]);
}

String outOfRange(const char* _field, long long _value)
{
    return String(_field) + " " + std::to_string(_value) + " is out of range";
}

// A share of a loaded value, cut toward zero, in a range no sum of two Ints can leave.
long long share(Int _base, Float _factor)
{
    const Double part = std::trunc(Double(Float(_base) * _factor));
    return (long long)std::clamp(part, -4.0e9, 4.0e9);
}

Int clampInt(long long _value, long long _low)
{
    return Int(std::clamp<long long>(_value, _low, std::numeric_limits<Int>::max()));
}

// Large amounts are shown in round numbers.
Int roundAmount(Int _value)
{
    if (_value > 1000)
        return _value - _value % 100;
    if (_value > 100)
        return _value - _value % 10;
    return _value;
}

} // namespace

std::unique_ptr<sBaseEvent> sBaseEvent::make(UInt _type)
{
    std::unique_ptr<sBaseEvent> event;
    switch (_type) {
    case UPGRADE_AVAILABLE: event = std::make_unique<sUpgradeAvailableEvent>(); break;
    case SEED_AVAILABLE: event = std::make_unique<sSeedAvailableEvent>(); break;
    case MONEY_CHANGE: event = std::make_unique<sMoneyChangeEvent>(); break;
    case FIELD_DESTROY: event = std::make_unique<sFieldDestroyEvent>(); break;
    case DEPOT_DESTROY: event = std::make_unique<sDepotDestroyEvent>(); break;
    case CONTRACT: event = std::make_unique<sContractEvent>(); break;
    case POPULARITY_CHANGE: event = std::make_unique<sPopularityChangeEvent>(); break;
    case FIELD_ACCESS: event = std::make_unique<sFieldAccess>(); break;
    case TRIGGER: event = std::make_unique<sTrigger>(); break;
    case MAIN_GAME_END: event = std::make_unique<sMainGameEndEvent>(); break;
    default: return nullptr;
    }
    event->type = _type;
    return event;
}

void sBaseEvent::loadXML(iXML* _xml_doc)
{
    time.loadXML(_xml_doc, u"Time");
    iXML* child = nullptr;
    if (_xml_doc->get("Note", child))
        note = child->getWString();
    iXML* data = nullptr;
    if (_xml_doc->get("Data", data))
        readValue(data, u"Range", range, toFloat);
    loadData(data);
}

void sUpgradeAvailableEvent::loadData(iXML* _data)
{
    if (!_data)
        return;
    readValue(_data, u"DepotType", DepotType, toUInt);
    readValue(_data, u"Upgrade", Upgrade, toUInt);
}

String sUpgradeAvailableEvent::check() const
{
    if (DepotType >= cGame::UPGRADE_ITEM_COUNT)
        return outOfRange("DepotType", DepotType);
    // -1 takes the item off sale again.
    if (Upgrade != NONE_VALUE && Upgrade > 3)
        return outOfRange("Upgrade", Upgrade);
    return String();
}

void sSeedAvailableEvent::loadData(iXML* _data)
{
    if (_data)
        readValue(_data, u"SeedType", SeedType, toUInt);
}

String sSeedAvailableEvent::check() const
{
    return SeedType < key::CROP_COUNT ? String() : outOfRange("SeedType", SeedType);
}

void sValueEvent::loadData(iXML* _data)
{
    if (!_data)
        return;
    readValue(_data, u"RandomFactor", RandomFactor, toFloat);
    readValue(_data, u"Value", Value, toInt);
}

void sContractEvent::loadData(iXML* _data)
{
    if (_data) {
        WinTime.loadXML(_data, u"WinTime");
        readValue(_data, u"Bonus", Bonus, toInt);
        readValue(_data, u"Penalty", Penalty, toInt);
        readValue(_data, u"RandomFactor", RandomFactor, toFloat);
        iXML* child = nullptr;
        if (_data->get("Requirements", child)) {
            iXML* item = nullptr;
            for (UInt i = 0; i < REQ_COUNT && child->get(i, item); ++i) {
                readValue(item, u"ProductType", Requirements[i].ProductType, toUInt);
                readValue(item, u"Count", Requirements[i].Count, toUInt);
                readValue(item, u"ReqType", Requirements[i].ReqType, toUInt);
            }
        }
        if (_data->get("WinNote", child))
            WinNote = child->getWString();
        if (_data->get("LosNote", child))
            LosNote = child->getWString();
        LetterTime.loadXML(_data, u"LetterTime");
    }
    baseBonus = Bonus;
    basePenalty = Penalty;
    std::copy(std::begin(Requirements), std::end(Requirements), std::begin(baseRequirements));
}

String sContractEvent::check() const
{
    // The letter's bar is its time left against this time.
    if (LetterTime == sTimeObject())
        return "LetterTime 0:00:00 gives the letter no time";
    for (const sContractReq& req : Requirements)
        if (req.ReqType == 0 && req.ProductType >= key::PRODUCT_COUNT)
            return outOfRange("ProductType", req.ProductType);
    return String();
}

void sContractEvent::applyRandomFactor(Float _factor)
{
    Penalty = roundAmount(clampInt(Penalty + share(basePenalty, _factor), 0));
    Bonus = roundAmount(clampInt(Bonus + share(baseBonus, _factor), 0));
    for (UInt i = 0; i < REQ_COUNT; ++i) {
        // The count as loaded is unsigned; a share of a count past the Int range is its own.
        const Double part = std::trunc(Double(Float(baseRequirements[i].Count) * _factor));
        const Double count = Double(Requirements[i].Count) + part;
        Requirements[i].Count = UInt(std::clamp(count, 0.0, Double(std::numeric_limits<UInt>::max())));
    }
}

void sContractEvent::clearRandomFactors()
{
    Bonus = baseBonus;
    Penalty = basePenalty;
    std::copy(std::begin(baseRequirements), std::end(baseRequirements), std::begin(Requirements));
}

void sPopularityChangeEvent::loadData(iXML* _data)
{
    if (_data) {
        iXML* item = nullptr;
        for (UInt i = 0; i < key::PRODUCT_COUNT && _data->get(i, item); ++i) {
            sPair pair;
            readValue(item, u"ProductType", pair.ProductType, toUInt);
            readValue(item, u"Value", pair.Value, toInt);
            values.push_back(pair);
        }
    }
    baseValues = values;
}

String sPopularityChangeEvent::check() const
{
    for (const sPair& pair : values)
        if (pair.ProductType >= key::PRODUCT_COUNT)
            return outOfRange("ProductType", pair.ProductType);
    return String();
}

void sPopularityChangeEvent::applyRandomFactor(Float _factor)
{
    for (size_t k = 0; k < values.size(); ++k)
        values[k].Value = clampInt(values[k].Value + share(baseValues[k].Value, _factor),
                                   std::numeric_limits<Int>::min());
}

void sFieldAccess::loadData(iXML* _data)
{
    if (_data)
        readValue(_data, u"UpgradeIndex", UpgradeIndex, toInt);
}

String sFieldAccess::check() const
{
    // Field levels 1..3 are released; 0 is there from the start.
    return UpgradeIndex >= 1 && UpgradeIndex <= 3 ? String() : outOfRange("UpgradeIndex", UpgradeIndex);
}

void sTrigger::loadData(iXML* _data)
{
    if (!_data)
        return;
    readValue(_data, u"Money", Money, toInt);
    readValue(_data, u"WareLevel", WareLevel, toInt);
}
