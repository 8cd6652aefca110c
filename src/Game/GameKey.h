#pragma once
#include "engine/progress/GameVariables.h"
#include "engine/Types.h"

#include <cstdint>
#include <limits>

// One game variable of the player's profile: its key, its map and its default. Reading it
// through the key gives a reference into the profile's map, creating the variable with the
// type's zero when missing, exactly as the map would. A variable that later code uses as
// an index also has a range of values: a profile value outside it (a damaged or edited file)
// is logged and replaced by the default when read, so it can never index past a table.
template <ePropertyType Type>
class cGameKey {
public:
    using Value = tPropertyValue<Type>;

    constexpr cGameKey(const char* _name, Value _default) : m_name(_name), m_default(_default) {}
    constexpr cGameKey(const char* _name, Value _default, Int _low, Int _high)
        : m_name(_name), m_default(_default), m_checked(true), m_low(_low), m_high(_high)
    {
    }

    Value& operator()() const;
    const char* name() const { return m_name; }
    const Value& defaultValue() const { return m_default; }
    void storeDefault() const { propertyMap<Type>()[m_name] = m_default; }
    // Whether a read may hand out _value as it is, without putting the default in its place.
    Bool accepts(const Value& _value) const;

private:
    const char* m_name;
    Value m_default;
    bool m_checked = false;
    Int m_low = 0;
    Int m_high = 0;
};

// An indexed family: the name followed by the decimal index ("FFS" and 64 give FFS64), for the
// indices from _first on, _count of them. Any other index is a mistake of the caller and
// raises an error instead of making a variable that the profile would keep for ever. The
// award family takes its keys from a table instead of a name.
template <ePropertyType Type>
class cGameKeyFamily {
public:
    using Value = tPropertyValue<Type>;
    using fKeyOf = const String& (*)(UInt _index);

    constexpr cGameKeyFamily(const char* _name, UInt _first, UInt _count, Value _default)
        : m_name(_name), m_first(_first), m_count(_count), m_default(_default)
    {
    }
    constexpr cGameKeyFamily(const char* _name, UInt _first, UInt _count, Value _default, Int _low, Int _high)
        : m_name(_name), m_first(_first), m_count(_count), m_default(_default), m_checked(true), m_low(_low),
          m_high(_high)
    {
    }
    constexpr cGameKeyFamily(fKeyOf _keyOf, UInt _count, Value _default)
        : m_name(""), m_keyOf(_keyOf), m_first(0), m_count(_count), m_default(_default)
    {
    }

    Bool has(UInt _index) const { return _index >= m_first && _index - m_first < m_count; }
    UInt first() const { return m_first; }
    UInt count() const { return m_count; }
    String key(UInt _index) const;
    Value& operator[](UInt _index) const;
    void storeDefaults() const;
    Bool accepts(const Value& _value) const;

private:
    const String& name(UInt _index) const;

    const char* m_name;
    fKeyOf m_keyOf = nullptr;
    UInt m_first;
    UInt m_count;
    Value m_default;
    bool m_checked = false;
    Int m_low = 0;
    Int m_high = 0;
};

// One variable, found by its name once: a reader that comes back every frame keeps one
// instead of looking the name up each time. Every read checks the range as the key does,
// and the variable is found again after the profile's variables were cleared.
template <ePropertyType Type>
class cGameKeyHandle {
public:
    using Value = tPropertyValue<Type>;

    explicit cGameKeyHandle(const cGameKey<Type>& _key) : m_key(&_key) {}
    // An index the family does not have raises the family's error at the first read.
    cGameKeyHandle(const cGameKeyFamily<Type>& _family, UInt _index) : m_family(&_family), m_index(_index) {}

    Value& operator*() const
    {
        if (m_clears != getPropertyClears() || !m_value || !accepts(*m_value))
            find();
        return *m_value;
    }

private:
    Bool accepts(const Value& _value) const { return m_key ? m_key->accepts(_value) : m_family->accepts(_value); }
    void find() const
    {
        m_value = m_key ? &(*m_key)() : &(*m_family)[m_index];
        m_clears = getPropertyClears();
    }

    const cGameKey<Type>* m_key = nullptr;
    const cGameKeyFamily<Type>* m_family = nullptr;
    UInt m_index = 0;
    mutable Value* m_value = nullptr;
    mutable std::uint64_t m_clears = 0;
};

// The unsigned "none" of the profile: -1 stored in a UInt.
inline constexpr UInt NONE_VALUE = 0xFFFFFFFFu;
inline constexpr Int NO_LIMIT = std::numeric_limits<Int>::max();

// Game variables hold only these four types.
extern template class cGameKey<PT_INT>;
extern template class cGameKey<PT_UINT>;
extern template class cGameKey<PT_FLOAT>;
extern template class cGameKey<PT_BOOL>;
extern template class cGameKeyFamily<PT_INT>;
extern template class cGameKeyFamily<PT_UINT>;
extern template class cGameKeyFamily<PT_FLOAT>;
extern template class cGameKeyFamily<PT_BOOL>;
