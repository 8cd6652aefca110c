#pragma once
#include "engine/Types.h"

#include <cstdint>
#include <map>

// Everything a player's profile keeps between runs: one map per value type from a key to a
// value. Game code reads and writes the maps directly by key, e.g.
//     propertyMap<PT_INT>()["Money"] += 10;
// and the profile fills them from its property file and writes them all back.
//
// Types are named by tag rather than by C++ type because Long and Int (and ULong and UInt)
// are the same C++ type here, yet separate maps with separate tags in the files.
// The order is the order in which the maps are written, cleared and tried by setProperty.
enum ePropertyType {
    PT_FLOAT,
    PT_DOUBLE,
    PT_INT,
    PT_UINT,
    PT_LONG,
    PT_ULONG,
    PT_LONGLONG,
    PT_DXCOLOR,
    PT_BOOL,
    PT_UINT16,
    PT_VECTOR2,
    PT_STRING,
    PT_WSTRING,
    PT_COUNT
};

template <ePropertyType Type> struct sPropertyType;
template <> struct sPropertyType<PT_FLOAT> { using Value = Float; };
template <> struct sPropertyType<PT_DOUBLE> { using Value = Double; };
template <> struct sPropertyType<PT_INT> { using Value = Int; };
template <> struct sPropertyType<PT_UINT> { using Value = UInt; };
template <> struct sPropertyType<PT_LONG> { using Value = Long; };
template <> struct sPropertyType<PT_ULONG> { using Value = ULong; };
template <> struct sPropertyType<PT_LONGLONG> { using Value = LongLong; };
template <> struct sPropertyType<PT_DXCOLOR> { using Value = DXColor; };
template <> struct sPropertyType<PT_BOOL> { using Value = Bool; };
template <> struct sPropertyType<PT_UINT16> { using Value = UInt16; };
template <> struct sPropertyType<PT_VECTOR2> { using Value = Vector2; };
template <> struct sPropertyType<PT_STRING> { using Value = String; };
template <> struct sPropertyType<PT_WSTRING> { using Value = WString; };

template <ePropertyType Type>
using tPropertyValue = typename sPropertyType<Type>::Value;

template <ePropertyType Type>
using tPropertyMap = std::map<String, tPropertyValue<Type>>;

// The process-wide map of one type; empty at start. Reading a missing key through
// operator[] adds it with 0 (or false, or empty), and it is saved like any other.
template <ePropertyType Type>
tPropertyMap<Type>& propertyMap()
{
    static tPropertyMap<Type> s_map;
    return s_map;
}

// The tag that names the type in property files: "Float", "Double", ... "WString".
template <ePropertyType Type>
const String& getTypeName();
const String& getTypeName(ePropertyType _type);

// The value as the property file writes it. Floating point numbers keep six significant
// digits, the form stored files were written in.
template <ePropertyType Type>
WString writePropertyValue(const tPropertyValue<Type>& _value);

// Parses _val into the value under _name, adding the key when missing. A text that does not
// read leaves a value already there (the game's default) as it was, or 0 for a new key.
template <ePropertyType Type>
void setTypedProperty(const String& _name, const WString& _val);

// Whether _val reads whole as the type's value, as setTypedProperty takes it: a finite real
// number, a whole number in the type's range, 0 or 1 for a Bool. Only then is _value set.
template <ePropertyType Type>
Bool readPropertyValue(const WString& _val, tPropertyValue<Type>& _value);

// One property file element: the type whose tag equals _type_name exactly (case matters)
// takes the value; an unknown tag is ignored without a message. Failures carry the
// profile's signature line, so the profile hands its elements straight to this.
void setProperty(const String& _type_name, const String& _name, const WString& _val);
// Whether the element's value reads as its type (an unknown tag reads, as setProperty ignores
// it); a value that does not is logged like one that setProperty refuses.
Bool isPropertyReadable(const String& _type_name, const String& _name, const WString& _val);

// While one lives, a value that does not read is logged with the file it came from.
class cVariablesSource {
public:
    explicit cVariablesSource(const String& _file);
    ~cVariablesSource();
    cVariablesSource(const cVariablesSource&) = delete;
    cVariablesSource& operator=(const cVariablesSource&) = delete;
};

// Appends one element per entry of the map, in key order:
//     <prop Name="Money" Val="150" Type="Float" />
// with no line breaks. Name and Val are escaped, so any key or text reads back as written.
template <ePropertyType Type>
void writeProperties(WString& _out);
// All thirteen maps, in the fixed order.
void writeAllProperties(WString& _out);

// Clears every map. Nothing else may erase from them: a reference into a map, kept by a
// per-frame reader, holds until the next clear.
void clearProperties();
// How many times the maps were cleared: a reference taken before another clear is gone.
std::uint64_t getPropertyClears();
