#include "Game/GameKey.h"

#include "engine/logs/LogManager.h"
#include "engine/text/TextConvert.h"

#include <cmath>
#include <sstream>
#include <type_traits>
#include <unordered_map>
#include <vector>

namespace {

// Integral values are compared as the signed numbers the game reads them as: a UInt "none"
// is -1 here. A real number must be finite as well.
template <class Value>
Bool isInRange(Value _value, Int _low, Int _high)
{
    if constexpr (std::is_integral_v<Value>) {
        const Int value = static_cast<Int>(_value);
        return value >= _low && value <= _high;
    } else if constexpr (std::is_floating_point_v<Value>) {
        return std::isfinite(_value) && _value >= Value(_low) && _value <= Value(_high);
    } else {
        return true;
    }
}

template <class Value>
Value& checkValue(Value& _value, const String& _key, Value _default, Int _low, Int _high)
{
    if (isInRange(_value, _low, _high))
        return _value;
    std::ostringstream message;
    message << "Game variable " << _key << " held " << +_value << ", outside " << _low << ".." << _high
            << "; its default " << +_default << " is used.";
    logError(message.str());
    _value = _default;
    return _value;
}

// A family's names, made once: a farm reads its fields' variables many times a frame, and
// formatting a name each time cost more than the lookup itself. Found by the family object,
// and made again should another family ever stand at its address.
struct sFamilyNames {
    const char* name = nullptr;
    UInt first = 0;
    std::vector<String> names;
};

const String& familyName(const void* _family, const char* _name, UInt _first, UInt _count, UInt _index)
{
    static std::unordered_map<const void*, sFamilyNames> s_families;
    sFamilyNames& family = s_families[_family];
    if (family.name != _name || family.first != _first || family.names.size() != _count) {
        family.name = _name;
        family.first = _first;
        family.names.clear();
        family.names.reserve(_count);
        for (UInt index = _first; index < _first + _count; ++index)
            family.names.push_back(makeKey(_name, index));
    }
    return family.names[_index - _first];
}

} // namespace

template <ePropertyType Type>
typename cGameKey<Type>::Value& cGameKey<Type>::operator()() const
{
    Value& value = propertyMap<Type>()[m_name];
    return m_checked ? checkValue(value, m_name, m_default, m_low, m_high) : value;
}

template <ePropertyType Type>
Bool cGameKey<Type>::accepts(const Value& _value) const
{
    return !m_checked || isInRange(_value, m_low, m_high);
}

template <ePropertyType Type>
Bool cGameKeyFamily<Type>::accepts(const Value& _value) const
{
    return !m_checked || isInRange(_value, m_low, m_high);
}

template <ePropertyType Type>
String cGameKeyFamily<Type>::key(UInt _index) const
{
    return name(_index);
}

template <ePropertyType Type>
const String& cGameKeyFamily<Type>::name(UInt _index) const
{
    if (!has(_index))
        throw String("Game variable ") + (m_keyOf ? "award" : m_name) + " has no index " + std::to_string(_index) + ".";
    return m_keyOf ? m_keyOf(_index) : familyName(this, m_name, m_first, m_count, _index);
}

template <ePropertyType Type>
typename cGameKeyFamily<Type>::Value& cGameKeyFamily<Type>::operator[](UInt _index) const
{
    const String& name = this->name(_index);
    Value& value = propertyMap<Type>()[name];
    return m_checked ? checkValue(value, name, m_default, m_low, m_high) : value;
}

template <ePropertyType Type>
void cGameKeyFamily<Type>::storeDefaults() const
{
    for (UInt index = m_first; index < m_first + m_count; ++index)
        propertyMap<Type>()[key(index)] = m_default;
}

template class cGameKey<PT_INT>;
template class cGameKey<PT_UINT>;
template class cGameKey<PT_FLOAT>;
template class cGameKey<PT_BOOL>;
template class cGameKeyFamily<PT_INT>;
template class cGameKeyFamily<PT_UINT>;
template class cGameKeyFamily<PT_FLOAT>;
template class cGameKeyFamily<PT_BOOL>;
