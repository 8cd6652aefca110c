#include "engine/progress/GameVariables.h"

#include "engine/logs/ErrorStack.h"
#include "engine/logs/Log.h"
#include "engine/logs/LogManager.h"
#include "engine/text/NumberReader.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XmlEscape.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <optional>
#include <sstream>
#include <type_traits>
#include <utility>

template <ePropertyType Type>
Bool isTypedPropertyReadable(const String& _name, const WString& _val);

namespace {

const char* const kTypeNames[PT_COUNT] = {"Float", "Double", "Int", "UInt", "Long", "ULong", "LongLong",
    "DXColor", "Bool", "UInt16", "Vector2", "String", "WString"};

// A stream's default form, exponent form when very large or small. Always the classic locale, so a decimal comma never reaches a file.
template <class T>
WString streamText(const T& _value, std::ios_base& (*_base)(std::ios_base&) = std::dec)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << _base << _value;
    return toWString(stream.str());
}

// A real number in the stream's form with the fewest digits, six or more, that read back to the
// very same value: a clock just short of an event's time must not come back as that time.
template <class T>
WString realText(T _value)
{
    char text[64];
    for (int digits = 6;; ++digits) {
        const auto written = std::to_chars(text, text + sizeof text, _value, std::chars_format::general, digits);
        T back = 0;
        std::from_chars(text, written.ptr, back, std::chars_format::general);
        if (back == _value || digits >= std::numeric_limits<T>::max_digits10)
            return toWString(String(text, written.ptr));
    }
}

// A real number is the whole text (white space around it allowed), finite, in its type's range:
// a damaged "1>8.27913" reads 1 only in part, and is no number. The two of a Vector2 stand one
// character apart, as the type's reader takes them.
template <class T, class tRead>
Bool readWholeReal(const WString& _text, T& _value, tRead _read)
{
    cNumberReader reader(_text);
    const auto value = _read(reader);
    if (!value || !reader.atEnd())
        return false;
    _value = T(*value);
    return true;
}
Bool readWholeReal(const WString& _text, Float& _value)
{
    return readWholeReal(_text, _value, [](cNumberReader& _reader) { return _reader.readFloat(); });
}
Bool readWholeReal(const WString& _text, Double& _value)
{
    return readWholeReal(_text, _value, [](cNumberReader& _reader) { return _reader.readDouble(); });
}
Bool readWholeReal(const WString& _text, Vector2& _value)
{
    return readWholeReal(_text, _value, [](cNumberReader& _reader) -> std::optional<Vector2> {
        const std::optional<float> x = _reader.readFloat();
        const std::optional<float> y = x && _reader.skipOne() ? _reader.readFloat() : std::nullopt;
        return y ? std::optional<Vector2>(Vector2(*x, *y)) : std::nullopt;
    });
}

// How each type is written and read; the readers leave _res alone when the text does not read.
template <ePropertyType Type> struct sCodec;

template <> struct sCodec<PT_FLOAT> {
    static WString write(Float _v) { return realText(_v); }
    static constexpr bool real = true;
    static void read(Float& _res, const WString& _text) { toFloat(_res, _text); }
};
template <> struct sCodec<PT_DOUBLE> {
    static WString write(Double _v) { return realText(_v); }
    static constexpr bool real = true;
    static void read(Double& _res, const WString& _text) { toDouble(_res, _text); }
};
template <> struct sCodec<PT_INT> {
    static WString write(Int _v) { return streamText(_v); }
    static void read(Int& _res, const WString& _text) { toInt(_res, _text); }
};
template <> struct sCodec<PT_UINT> {
    static WString write(UInt _v) { return streamText(_v); }
    static void read(UInt& _res, const WString& _text) { toUInt(_res, _text); }
};
template <> struct sCodec<PT_LONG> {
    static WString write(Long _v) { return streamText(_v); }
    static void read(Long& _res, const WString& _text) { toLong(_res, _text); }
};
template <> struct sCodec<PT_ULONG> {
    static WString write(ULong _v) { return streamText(_v); }
    static void read(ULong& _res, const WString& _text) { toULong(_res, _text); }
};
template <> struct sCodec<PT_LONGLONG> {
    static WString write(LongLong _v) { return streamText(_v); }
    static void read(LongLong& _res, const WString& _text) { toLongLong(_res, _text); }
};
template <> struct sCodec<PT_DXCOLOR> {
    static WString write(const DXColor& _v) { return u"0x" + streamText(colorToARGB(_v), std::hex); }
    static void read(DXColor& _res, const WString& _text) { toDXColor(_res, _text); }
};
template <> struct sCodec<PT_BOOL> {
    static WString write(Bool _v) { return _v ? u"1" : u"0"; }
    static void read(Bool& _res, const WString& _text) { toBool(_res, _text); }
};
template <> struct sCodec<PT_UINT16> {
    static WString write(UInt16 _v) { return streamText(_v); }
    static void read(UInt16& _res, const WString& _text) { toUInt16(_res, _text); }
};
template <> struct sCodec<PT_VECTOR2> {
    static WString write(const Vector2& _v) { return realText(_v.x) + u" " + realText(_v.y); }
    static constexpr bool real = true;
    static void read(Vector2& _res, const WString& _text) { toVector2(_res, _text); }
};
template <> struct sCodec<PT_STRING> {
    static WString write(const String& _v) { return toWString(_v); }
    static void read(String& _res, const WString& _text) { _res = toString(_text); }
};
template <> struct sCodec<PT_WSTRING> {
    static WString write(const WString& _v) { return _v; }
    static void read(WString& _res, const WString& _text) { _res = _text; }
};

template <ePropertyType Type>
void clearMap()
{
    propertyMap<Type>().clear();
}

// Per-type operations indexed by ePropertyType, so the fixed order lives in one place.
struct sTypeOps {
    void (*set)(const String& _name, const WString& _val);
    Bool (*readable)(const String& _name, const WString& _val);
    void (*write)(WString& _out);
    void (*clear)();
};

template <std::size_t... Types>
constexpr std::array<sTypeOps, PT_COUNT> makeOps(std::index_sequence<Types...>)
{
    return {{{&setTypedProperty<ePropertyType(Types)>, &isTypedPropertyReadable<ePropertyType(Types)>,
        &writeProperties<ePropertyType(Types)>, &clearMap<ePropertyType(Types)>}...}};
}

const std::array<sTypeOps, PT_COUNT> kOps = makeOps(std::make_index_sequence<PT_COUNT>());

} // namespace

template <ePropertyType Type>
const String& getTypeName()
{
    static const String s_name(kTypeNames[Type]);
    return s_name;
}

const String& getTypeName(ePropertyType _type)
{
    static const String s_names[PT_COUNT] = {getTypeName<PT_FLOAT>(), getTypeName<PT_DOUBLE>(),
        getTypeName<PT_INT>(), getTypeName<PT_UINT>(), getTypeName<PT_LONG>(), getTypeName<PT_ULONG>(),
        getTypeName<PT_LONGLONG>(), getTypeName<PT_DXCOLOR>(), getTypeName<PT_BOOL>(),
        getTypeName<PT_UINT16>(), getTypeName<PT_VECTOR2>(), getTypeName<PT_STRING>(),
        getTypeName<PT_WSTRING>()};
    return s_names[_type];
}

template <ePropertyType Type>
WString writePropertyValue(const tPropertyValue<Type>& _value)
{
    return sCodec<Type>::write(_value);
}

// Whether _text is one whole number in T's range, as the writer writes it (white space
// around it allowed): "1e9", "12abc" or a number past the type's range are not.
template <class T>
Bool isWholeInteger(const WString& _text)
{
    std::size_t from = 0, to = _text.size();
    while (from < to && (_text[from] == u' ' || _text[from] == u'\t'))
        ++from;
    while (to > from && (_text[to - 1] == u' ' || _text[to - 1] == u'\t'))
        --to;
    String digits;
    for (std::size_t i = from; i < to; ++i) {
        if (_text[i] > 0x7F)
            return false;
        digits += char(_text[i]);
    }
    if (!digits.empty() && digits[0] == '+')
        digits.erase(0, 1);
    T value = 0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return !digits.empty() && read.ec == std::errc() && read.ptr == digits.data() + digits.size();
}

// The form every save writes a whole number in (digits after a minus at most, in T's range),
// read in one pass; false leaves any other text to isWholeInteger and the type's reader, which
// read this form to the same value. A large farm's load reads thousands of them.
template <class T>
Bool readPlainInteger(const WString& _text, T& _value)
{
    const Bool negative = std::is_signed_v<T> && !_text.empty() && _text[0] == u'-';
    const std::size_t from = negative ? 1 : 0;
    if (_text.size() <= from || _text.size() - from > 18)
        return false;
    long long magnitude = 0;
    for (std::size_t i = from; i < _text.size(); ++i) {
        if (_text[i] < u'0' || _text[i] > u'9')
            return false;
        magnitude = magnitude * 10 + (_text[i] - u'0');
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value < static_cast<long long>(std::numeric_limits<T>::min()) ||
        (value > 0 && static_cast<unsigned long long>(value) > static_cast<unsigned long long>(std::numeric_limits<T>::max())))
        return false;
    _value = T(value);
    return true;
}

// The file the variables are being read from, for the log; empty outside a read.
String& variablesSource()
{
    static String s_source;
    return s_source;
}

String variableLabel(const String& _name)
{
    return "Game variable " + _name + (variablesSource().empty() ? String() : " in \"" + variablesSource() + "\"");
}

template <class Codec, class = void> struct sIsReal : std::false_type {};
template <class Codec> struct sIsReal<Codec, std::void_t<decltype(Codec::real)>> : std::true_type {};

template <ePropertyType Type>
Bool readPropertyValue(const WString& _val, tPropertyValue<Type>& _value)
{
    if constexpr (sIsReal<sCodec<Type>>::value) {
        return readWholeReal(_val, _value);
    } else if constexpr (std::is_same_v<tPropertyValue<Type>, Bool>) {
        // The writer writes 0 or 1; the reader keeps the value there for anything else.
        if (_val == u"0" || _val == u"1") {
            _value = _val[0] == u'1';
            return true;
        }
        Int read = 0;
        if (!isWholeInteger<Int>(_val))
            return false;
        toInt(read, _val);
        if (read != 0 && read != 1)
            return false;
        _value = read == 1;
    } else if constexpr (std::is_integral_v<tPropertyValue<Type>>) {
        if (readPlainInteger(_val, _value))
            return true;
        if (!isWholeInteger<tPropertyValue<Type>>(_val))
            return false;
        sCodec<Type>::read(_value, _val);
    } else {
        sCodec<Type>::read(_value, _val);
    }
    return true;
}

template <ePropertyType Type>
String refusal(const String& _name, const WString& _val)
{
    const Bool real = sIsReal<sCodec<Type>>::value;
    return variableLabel(_name) + " held \"" + cutForLog(toString(_val)) + "\", " +
           (real ? "not a finite number" : "not a whole number in its range");
}

template <ePropertyType Type>
void setTypedProperty(const String& _name, const WString& _val)
{
    // Files list each type's names in order, so the place is nearly always the map's end.
    tPropertyMap<Type>& map = propertyMap<Type>();
    tPropertyValue<Type>& value = map.try_emplace(map.end(), _name)->second;
    // A clock or a count that does not read (NaN, infinity, past the type's range, "1e9" read
    // only in part, a damaged text) never reaches the game: the value there (the game's
    // default) stays, and the log names it.
    if (!readPropertyValue<Type>(_val, value))
        logError(refusal<Type>(_name, _val) + "; its default is used.");
}

template <ePropertyType Type>
Bool isTypedPropertyReadable(const String& _name, const WString& _val)
{
    tPropertyValue<Type> value{};
    if (readPropertyValue<Type>(_val, value))
        return true;
    logError(refusal<Type>(_name, _val) + ".");
    return false;
}

cVariablesSource::cVariablesSource(const String& _file)
{
    variablesSource() = _file;
}

cVariablesSource::~cVariablesSource()
{
    variablesSource().clear();
}

void setProperty(const String& _type_name, const String& _name, const WString& _val)
{
    GUARD_BEGIN
    for (std::size_t type = 0; type < PT_COUNT; ++type) {
        if (_type_name == kTypeNames[type]) {
            kOps[type].set(_name, _val);
            return;
        }
    }
    GUARD_END("void cProfile::setProperty(const String& _type_name, const String& _name, const WString& _val)")
}

Bool isPropertyReadable(const String& _type_name, const String& _name, const WString& _val)
{
    for (std::size_t type = 0; type < PT_COUNT; ++type)
        if (_type_name == kTypeNames[type])
            return kOps[type].readable(_name, _val);
    return true;
}

template <ePropertyType Type>
void writeProperties(WString& _out)
{
    const WString type = toWString(getTypeName<Type>());
    for (const auto& entry : propertyMap<Type>()) {
        _out += u"<prop ";
        appendXmlAttribute(_out, u"Name", toWString(entry.first));
        appendXmlAttribute(_out, u"Val", writePropertyValue<Type>(entry.second));
        appendXmlAttribute(_out, u"Type", type);
        _out += u"/>";
    }
}

void writeAllProperties(WString& _out)
{
    for (const sTypeOps& ops : kOps)
        ops.write(_out);
}

namespace {

std::uint64_t& clears()
{
    static std::uint64_t s_clears = 0;
    return s_clears;
}

} // namespace

void clearProperties()
{
    ++clears();
    for (const sTypeOps& ops : kOps)
        ops.clear();
}

std::uint64_t getPropertyClears()
{
    return clears();
}

#define FURROW_PROPERTY_TYPE(Type)                                                                \
    template const String& getTypeName<Type>();                                                  \
    template WString writePropertyValue<Type>(const tPropertyValue<Type>& _value);               \
    template void setTypedProperty<Type>(const String& _name, const WString& _val);              \
    template Bool readPropertyValue<Type>(const WString& _val, tPropertyValue<Type>& _value);     \
    template void writeProperties<Type>(WString & _out);
FURROW_PROPERTY_TYPE(PT_FLOAT)
FURROW_PROPERTY_TYPE(PT_DOUBLE)
FURROW_PROPERTY_TYPE(PT_INT)
FURROW_PROPERTY_TYPE(PT_UINT)
FURROW_PROPERTY_TYPE(PT_LONG)
FURROW_PROPERTY_TYPE(PT_ULONG)
FURROW_PROPERTY_TYPE(PT_LONGLONG)
FURROW_PROPERTY_TYPE(PT_DXCOLOR)
FURROW_PROPERTY_TYPE(PT_BOOL)
FURROW_PROPERTY_TYPE(PT_UINT16)
FURROW_PROPERTY_TYPE(PT_VECTOR2)
FURROW_PROPERTY_TYPE(PT_STRING)
FURROW_PROPERTY_TYPE(PT_WSTRING)
#undef FURROW_PROPERTY_TYPE
