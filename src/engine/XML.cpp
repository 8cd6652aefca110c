#include "engine/XML.h"

#include "engine/ErrorStack.h"
#include "engine/File.h"
#include "engine/FileManager.h"
#include "engine/TextConvert.h"
#include "engine/ValueConvert.h"

#include <expat.h>

#include <exception>
#include <memory>
#include <vector>

static_assert(sizeof(XML_Char) == sizeof(char16_t), "expat must be the UTF-16 build");

namespace {

WString toWide(const XML_Char* _text, std::size_t _length)
{
    // A copy, not a cast: XML_Char and char16_t are distinct types of the same size.
    WString result(_length, u'\0');
    for (std::size_t i = 0; i < _length; ++i)
        result[i] = static_cast<char16_t>(_text[i]);
    return result;
}

WString toWide(const XML_Char* _text)
{
    std::size_t length = 0;
    while (_text[length])
        ++length;
    return toWide(_text, length);
}

String toTag(const XML_Char* _name)
{
    String tag;
    std::size_t i = 0;
    for (; _name[i] && _name[i] < 0x80; ++i)
        tag.push_back(static_cast<char>(_name[i]));
    if (_name[i])
        return toString(toWide(_name));
    return tag;
}

} // namespace

// The parser's handlers: the stack of open elements belongs to one parse.
struct sXMLBuilder {
    cXML* root = nullptr;
    cXML* current = nullptr;
    std::vector<cXML*> open;

    static void XMLCALL onStart(void* _data, const XML_Char* _name, const XML_Char** _attributes)
    {
        auto* builder = static_cast<sXMLBuilder*>(_data);
        cXML* node = builder->current;
        if (!builder->open.empty()) {
            auto child = std::unique_ptr<cXML>(new cXML);
            child->m_document = builder->root;
            // Documents list most children in tag order: the end is then the right place at
            // once, and a wrong hint still inserts after the equal tags.
            node->m_children.emplace_hint(node->m_children.end(), toTag(_name), child.get());
            node = child.release();
        }
        builder->open.push_back(builder->current);
        builder->current = node;
        for (const XML_Char** pair = _attributes; pair[0]; pair += 2)
            node->m_attributes[toWide(pair[0])] = toWide(pair[1]);
    }

    static void XMLCALL onEnd(void* _data, const XML_Char*)
    {
        auto* builder = static_cast<sXMLBuilder*>(_data);
        builder->current = builder->open.back();
        builder->open.pop_back();
    }

    static void XMLCALL onText(void* _data, const XML_Char* _text, int _length)
    {
        auto* builder = static_cast<sXMLBuilder*>(_data);
        const std::size_t at = builder->current->m_text.size();
        builder->current->m_text.resize(at + static_cast<std::size_t>(_length));
        for (int i = 0; i < _length; ++i)
            builder->current->m_text[at + i] = static_cast<char16_t>(_text[i]);
    }
};

const WString* findAttribute(iXML* _xml, const char16_t* _name)
{
    const ATTRIBUTE_MAP& attributes = _xml->getAttributeMap();
    const auto found = attributes.find(_name);
    return found == attributes.end() ? nullptr : &found->second;
}

cXML::cXML() : cResource(String()) {}

cXML::cXML(const String& _path) : cResource(_path)
{
    GUARD_BEGIN
    load(_path);
    GUARD_END("cXML::cXML(const String& _path)")
}

cXML::cXML(const String& _name, const void* _bytes, ULong _size) : cResource(_name)
{
    try {
        parse(_bytes, _size);
    } catch (...) {
        clear();
        rethrowWithSignature("cXML::cXML(const String& _name, const void* _bytes, ULong _size)");
    }
}

cXML::~cXML()
{
    clear();
}

void cXML::clear()
{
    // Without recursion: a deeply nested document must not exhaust the stack when it goes.
    std::vector<iXML*> pending;
    for (auto& child : m_children)
        pending.push_back(child.second);
    m_children.clear();
    while (!pending.empty()) {
        auto* node = static_cast<cXML*>(pending.back());
        pending.pop_back();
        for (auto& child : node->m_children)
            pending.push_back(child.second);
        node->m_children.clear();
        delete node;
    }
    m_attributes.clear();
    m_text.clear();
}

void cXML::load(const String& _path)
{
    cFileManager* files = cFileManager::getInstance();
    if (!files)
        throw "File manager not created.";
    String key = _path;
    Bool fromCommon = files->isCommonExist(toLowerCase(key));
    for (;;) {
        std::unique_ptr<iFile> file(files->open(_path, 0));
        std::vector<char> bytes(file->getSize());
        if (!bytes.empty() && file->read(bytes.data(), static_cast<ULong>(bytes.size())) != bytes.size())
            throw "File \"" + _path + "\" can't be read.";
        file.reset();
        std::exception_ptr damage;
        try {
            parse(bytes.data(), bytes.size());
            return;
        } catch (...) {
            if (!fromCommon)
                throw;
            damage = std::current_exception();
        }
        // The player's copy is damaged: keep it for inspection and read the shipped one. With
        // no shipped copy the parser's error is what the caller needs to hear, not "not found".
        clear();
        files->moveAside(_path);
        if (!files->isExist(_path))
            std::rethrow_exception(damage);
        fromCommon = false;
    }
}

void cXML::parse(const void* _bytes, std::size_t _size)
{
    XML_Parser parser = XML_ParserCreate(reinterpret_cast<const XML_Char*>(u"UTF-16"));
    if (!parser)
        throw "Can't create XML parser.";
    sXMLBuilder builder;
    builder.root = this;
    builder.current = this;
    XML_SetUserData(parser, &builder);
    XML_SetElementHandler(parser, sXMLBuilder::onStart, sXMLBuilder::onEnd);
    XML_SetCharacterDataHandler(parser, sXMLBuilder::onText);
    const char* bytes = static_cast<const char*>(_bytes);
    // One call in practice; only a file over a gigabyte goes in pieces.
    constexpr std::size_t piece = std::size_t(1) << 30;
    XML_Status status = XML_STATUS_OK;
    do {
        const std::size_t now = _size < piece ? _size : piece;
        status = XML_Parse(parser, bytes, static_cast<int>(now), now == _size);
        bytes += now;
        _size -= now;
    } while (status == XML_STATUS_OK && _size > 0);
    if (status == XML_STATUS_OK) {
        XML_ParserFree(parser);
        return;
    }
    const String text = String(XML_ErrorString(XML_GetErrorCode(parser))) + " line "
        + std::to_string(XML_GetCurrentLineNumber(parser)) + " char " + std::to_string(XML_GetCurrentColumnNumber(parser));
    XML_ParserFree(parser);
    clear();
    throw text;
}

UInt cXML::get(const String& _propName, const ATTRIBUTE_MAP& _attr, TAG_LIST& _res)
{
    const auto range = m_children.equal_range(_propName);
    for (auto it = range.first; it != range.second; ++it) {
        const ATTRIBUTE_MAP& own = it->second->getAttributeMap();
        Bool matches = true;
        for (const auto& pair : _attr) {
            const auto found = own.find(pair.first);
            if (found == own.end() || found->second != pair.second) {
                matches = false;
                break;
            }
        }
        if (matches)
            _res.push_back(it->second);
    }
    return 0;
}

UInt cXML::get(const String& _propName, TAG_LIST& _res)
{
    UInt count = 0;
    const auto range = m_children.equal_range(_propName);
    for (auto it = range.first; it != range.second; ++it, ++count)
        _res.push_back(it->second);
    return count;
}

Bool cXML::get(const String& _propName, iXML*& _res)
{
    const auto found = m_children.find(_propName);
    if (found == m_children.end())
        return false;
    _res = found->second;
    return true;
}

Bool cXML::get(UInt _index, iXML*& _res, String* _tag)
{
    if (_index >= m_children.size())
        return false;
    auto it = m_children.begin();
    std::advance(it, _index);
    _res = it->second;
    if (_tag)
        *_tag = it->first;
    return true;
}

template <class T>
Bool cXML::getNodeAs(const String& _propName, T& _res, T (cXML::*_getter)())
{
    const auto found = m_children.find(_propName);
    if (found == m_children.end())
        return false;
    _res = (static_cast<cXML*>(found->second)->*_getter)();
    return true;
}

Bool cXML::getNode(const String& _propName, Bool& _res) { return getNodeAs(_propName, _res, &cXML::getBool); }
Bool cXML::getNode(const String& _propName, DXColor& _res) { return getNodeAs(_propName, _res, &cXML::getDXColor); }
Bool cXML::getNode(const String& _propName, Vector2& _res) { return getNodeAs(_propName, _res, &cXML::getVector2); }
Bool cXML::getNode(const String& _propName, LongLong& _res) { return getNodeAs(_propName, _res, &cXML::getLongLong); }
Bool cXML::getNode(const String& _propName, Double& _res) { return getNodeAs(_propName, _res, &cXML::getDouble); }
Bool cXML::getNode(const String& _propName, Float& _res) { return getNodeAs(_propName, _res, &cXML::getFloat); }
Bool cXML::getNode(const String& _propName, ULong& _res) { return getNodeAs(_propName, _res, &cXML::getULong); }
Bool cXML::getNode(const String& _propName, Long& _res) { return getNodeAs(_propName, _res, &cXML::getLong); }
Bool cXML::getNode(const String& _propName, WString& _res) { return getNodeAs(_propName, _res, &cXML::getWString); }
Bool cXML::getNode(const String& _propName, String& _res) { return getNodeAs(_propName, _res, &cXML::getString); }

namespace {

// The own text through one conversion, from a zero value when the text does not read.
template <class T>
T convertTextOf(const WString& _text, T& (*_convert)(T&, const WString&))
{
    T value{};
    return _convert(value, _text);
}

} // namespace

String cXML::getString()
{
    return toString(m_text);
}

Float cXML::getFloat() { return convertTextOf<Float>(m_text, toFloat); }
Double cXML::getDouble() { return convertTextOf<Double>(m_text, toDouble); }
Int cXML::getInt() { return convertTextOf<Int>(m_text, toInt); }
UInt cXML::getUInt() { return convertTextOf<UInt>(m_text, toUInt); }
Long cXML::getLong() { return convertTextOf<Long>(m_text, toLong); }
ULong cXML::getULong() { return convertTextOf<ULong>(m_text, toULong); }
LongLong cXML::getLongLong() { return convertTextOf<LongLong>(m_text, toLongLong); }
Vector2 cXML::getVector2() { return convertTextOf<Vector2>(m_text, toVector2); }
DXColor cXML::getDXColor() { return convertTextOf<DXColor>(m_text, toDXColor); }
Bool cXML::getBool() { return convertTextOf<Bool>(m_text, toBool); }

ATTRIBUTE_MAP::const_iterator cXML::getAttribute(UInt _index)
{
    if (_index >= m_attributes.size())
        return m_attributes.end();
    auto it = m_attributes.cbegin();
    std::advance(it, _index);
    return it;
}

WString cXML::operator[](const char16_t* _propName)
{
    return (*this)[WString(_propName)];
}

WString cXML::operator[](const WString _propName)
{
    const auto found = m_attributes.find(_propName);
    return found == m_attributes.end() ? WString() : found->second;
}
