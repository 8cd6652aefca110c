#include "engine/files/XML.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileSizeLimit.h"
#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XMLStore.h"

#include <expat.h>

#include <algorithm>
#include <exception>
#include <iterator>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

static_assert(sizeof(XML_Char) == sizeof(char16_t), "expat must be the UTF-16 build");

namespace {

// A copy, not a cast: XML_Char and char16_t are distinct types of the same size.
void copyUnits(char16_t* _out, const XML_Char* _text, std::size_t _length)
{
    std::copy(_text, _text + _length, _out);
}

std::size_t lengthOf(const XML_Char* _text)
{
    std::size_t length = 0;
    while (_text[length])
        ++length;
    return length;
}

} // namespace

// The parser's handlers. The children and the text of every open element wait at the ends
// of two shared buffers, innermost last, and move into the store when the element closes.
struct sXMLBuilder {
    struct sOpen {
        cXML* node;
        std::size_t firstChild, firstText;
    };

    cXML& root;
    cXMLStore& store;
    std::vector<sOpen> open;
    std::vector<cXML::sChild> children;
    WString text;
    WString name;

    const char16_t* copy(const XML_Char* _text, std::size_t _length)
    {
        char16_t* out = store.allocate<char16_t>(_length);
        copyUnits(out, _text, _length);
        return out;
    }

    void readAttributes(cXML& _node, const XML_Char** _attributes)
    {
        std::size_t count = 0;
        while (_attributes[count * 2])
            ++count;
        if (count == 0)
            return;
        auto* attributes = store.allocate<cXML::sAttribute>(count);
        for (std::size_t i = 0; i < count; ++i) {
            cXML::sAttribute& attribute = attributes[i];
            attribute.nameLength = lengthOf(_attributes[i * 2]);
            attribute.name = copy(_attributes[i * 2], attribute.nameLength);
            attribute.valueLength = lengthOf(_attributes[i * 2 + 1]);
            attribute.value = copy(_attributes[i * 2 + 1], attribute.valueLength);
        }
        _node.m_attributes = attributes;
        _node.m_attributeCount = static_cast<UInt>(count);
    }

    // Documents list most children in tag order already; the sort keeps document order
    // among equal tags.
    void closeChildren(cXML& _node, std::size_t _first)
    {
        const auto begin = children.begin() + static_cast<std::ptrdiff_t>(_first);
        const std::size_t count = children.size() - _first;
        if (count == 0)
            return;
        const auto byTag = [](const cXML::sChild& _a, const cXML::sChild& _b) {
            return _a.tag != _b.tag && *_a.tag < *_b.tag;
        };
        if (!std::is_sorted(begin, children.end(), byTag))
            std::stable_sort(begin, children.end(), byTag);
        auto* own = store.allocate<cXML::sChild>(count);
        std::copy(begin, children.end(), own);
        _node.m_children = own;
        _node.m_childCount = static_cast<UInt>(count);
        children.erase(begin, children.end());
    }

    void closeText(cXML& _node, std::size_t _first)
    {
        const std::size_t length = text.size() - _first;
        if (length == 0)
            return;
        char16_t* own = store.allocate<char16_t>(length);
        std::copy(text.begin() + static_cast<std::ptrdiff_t>(_first), text.end(), own);
        _node.m_text = own;
        _node.m_textLength = length;
        text.resize(_first);
    }

    static void XMLCALL onStart(void* _data, const XML_Char* _name, const XML_Char** _attributes)
    {
        auto* builder = static_cast<sXMLBuilder*>(_data);
        cXML* node = &builder->root;
        if (!builder->open.empty()) {
            builder->name.resize(lengthOf(_name));
            copyUnits(&builder->name[0], _name, builder->name.size());
            node = new (builder->store.allocate<cXML>(1)) cXML(builder->store, builder->root);
            // Filled in place: a braced temporary copied in cost a measurable stall per element.
            cXML::sChild& child = builder->children.emplace_back();
            child.tag = builder->store.tag(builder->name);
            child.node = node;
        }
        builder->readAttributes(*node, _attributes);
        sOpen& open = builder->open.emplace_back();
        open.node = node;
        open.firstChild = builder->children.size();
        open.firstText = builder->text.size();
    }

    static void XMLCALL onEnd(void* _data, const XML_Char*)
    {
        auto* builder = static_cast<sXMLBuilder*>(_data);
        const sOpen top = builder->open.back();
        builder->open.pop_back();
        builder->closeText(*top.node, top.firstText);
        builder->closeChildren(*top.node, top.firstChild);
    }

    static void XMLCALL onText(void* _data, const XML_Char* _text, int _length)
    {
        auto* builder = static_cast<sXMLBuilder*>(_data);
        if (builder->open.empty() || _length <= 0)
            return;
        const std::size_t at = builder->text.size();
        builder->text.resize(at + static_cast<std::size_t>(_length));
        copyUnits(&builder->text[at], _text, static_cast<std::size_t>(_length));
    }
};

const WString* findAttribute(iXML* _xml, const char16_t* _name)
{
    const ATTRIBUTE_MAP& attributes = _xml->getAttributeMap();
    const auto found = attributes.find(_name);
    return found == attributes.end() ? nullptr : &found->second;
}

cXML::cXML(cXMLStore& _store, const cXML& _document) : cResource(String()), m_document(&_document), m_store(&_store)
{
}

cXML::cXML(const String& _path) : cResource(_path)
{
    GUARD_BEGIN
    clear();
    try {
        load(_path);
    } catch (...) {
        rethrowWithFile(_path);
    }
    GUARD_END("cXML::cXML(const String& _path)")
}

cXML::cXML(const String& _name, const void* _bytes, ULong _size) : cResource(_name)
{
    try {
        clear();
        parse(_bytes, _size);
    } catch (...) {
        clear();
        rethrowWithSignature("cXML::cXML(const String& _name, const void* _bytes, ULong _size)");
    }
}

cXML::~cXML() = default;

void cXML::clear()
{
    // The old store takes every element with it, however deep the nesting.
    m_ownStore = std::make_unique<cXMLStore>();
    m_store = m_ownStore.get();
    m_attributes = nullptr;
    m_children = nullptr;
    m_text = u"";
    m_textLength = 0;
    m_attributeCount = 0;
    m_childCount = 0;
    m_attributeMap = nullptr;
    m_childMap = nullptr;
}

void cXML::load(const String& _path)
{
    cFileManager* files = &cFileManager::get();
    String key = _path;
    Bool fromCommon = files->isCommonExist(toLowerCase(key));
    for (;;) {
        std::exception_ptr damage;
        String why = "cannot be opened";
        try {
            // A player's copy that cannot even be opened (no right to read it, a loop of links)
            // is damage like any other, as is one past the limit: it goes aside too.
            std::unique_ptr<iFile> file(files->open(_path, 0));
            // Uninitialised: the read fills every byte or fails.
            const ULong size = file->getSize();
            why = "cannot be read";
            if (size > getFileSizeLimit(_path)) {
                why = "is too large (" + std::to_string(size) + " bytes)";
                throw "File \"" + _path + "\" is too large: " + std::to_string(size) + " bytes.";
            }
            const std::unique_ptr<char[]> bytes(new char[size]);
            if (size > 0 && file->read(bytes.get(), size) != size)
                throw "File \"" + _path + "\" can't be read.";
            why = "cannot be parsed";
            file.reset();
            parse(bytes.get(), size);
            return;
        } catch (...) {
            if (!fromCommon)
                throw;
            damage = std::current_exception();
        }
        // The player's copy is damaged: keep it for inspection and read the shipped one. With
        // no shipped copy the parser's error is what the caller needs to hear, not "not found".
        clear();
        files->moveAside(_path, why);
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
    sXMLBuilder builder{*this, *m_store, {}, {}, {}, {}};
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
    const String text = describeXmlError(parser);
    XML_ParserFree(parser);
    clear();
    throw text;
}

String describeXmlError(XML_ParserStruct* _parser)
{
    return String(XML_ErrorString(XML_GetErrorCode(_parser))) + " line " +
           std::to_string(XML_GetCurrentLineNumber(_parser)) + " char " +
           std::to_string(XML_GetCurrentColumnNumber(_parser));
}

const cXML::sChild* cXML::firstChild(const String& _propName) const
{
    return std::lower_bound(m_children, m_children + m_childCount, _propName,
                            [](const sChild& _child, const String& _tag) { return *_child.tag < _tag; });
}

const cXML::sAttribute* cXML::attributeNamed(const char16_t* _name, std::size_t _length) const
{
    const std::u16string_view name(_name, _length);
    for (UInt i = 0; i < m_attributeCount; ++i)
        if (std::u16string_view(m_attributes[i].name, m_attributes[i].nameLength) == name)
            return &m_attributes[i];
    return nullptr;
}

UInt cXML::get(const String& _propName, const ATTRIBUTE_MAP& _attr, TAG_LIST& _res)
{
    const sChild* end = m_children + m_childCount;
    for (const sChild* it = firstChild(_propName); it != end && *it->tag == _propName; ++it) {
        Bool matches = true;
        for (const auto& pair : _attr) {
            const sAttribute* found = it->node->attributeNamed(pair.first.data(), pair.first.size());
            if (!found || std::u16string_view(found->value, found->valueLength) != pair.second) {
                matches = false;
                break;
            }
        }
        if (matches)
            _res.push_back(it->node);
    }
    return 0;
}

UInt cXML::get(const String& _propName, TAG_LIST& _res)
{
    UInt count = 0;
    const sChild* end = m_children + m_childCount;
    for (const sChild* it = firstChild(_propName); it != end && *it->tag == _propName; ++it, ++count)
        _res.push_back(it->node);
    return count;
}

Bool cXML::get(const String& _propName, iXML*& _res)
{
    const sChild* found = firstChild(_propName);
    if (found == m_children + m_childCount || *found->tag != _propName)
        return false;
    _res = found->node;
    return true;
}

Bool cXML::get(UInt _index, iXML*& _res, String* _tag)
{
    if (_index >= m_childCount)
        return false;
    _res = m_children[_index].node;
    if (_tag)
        *_tag = *m_children[_index].tag;
    return true;
}

UInt cXML::getNodeCount(const String& _propName)
{
    const sChild* end = m_children + m_childCount;
    UInt count = 0;
    for (const sChild* it = firstChild(_propName); it != end && *it->tag == _propName; ++it)
        ++count;
    return count;
}

void cXML::childrenBegin(XML_CHILDREN::const_iterator& _it)
{
    if (!m_childMap) {
        auto map = std::make_unique<XML_CHILDREN>();
        for (UInt i = 0; i < m_childCount; ++i)
            map->emplace_hint(map->end(), *m_children[i].tag, m_children[i].node);
        m_childMap = m_store->keep(std::move(map));
    }
    _it = m_childMap->begin();
}

template <class T>
Bool cXML::getNodeAs(const String& _propName, T& _res, T (cXML::*_getter)())
{
    const sChild* found = firstChild(_propName);
    if (found == m_children + m_childCount || *found->tag != _propName)
        return false;
    _res = (found->node->*_getter)();
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
    return toString(getWString());
}

Float cXML::getFloat() { return convertTextOf<Float>(getWString(), toFloat); }
Double cXML::getDouble() { return convertTextOf<Double>(getWString(), toDouble); }
Int cXML::getInt() { return convertTextOf<Int>(getWString(), toInt); }
UInt cXML::getUInt() { return convertTextOf<UInt>(getWString(), toUInt); }
Long cXML::getLong() { return convertTextOf<Long>(getWString(), toLong); }
ULong cXML::getULong() { return convertTextOf<ULong>(getWString(), toULong); }
LongLong cXML::getLongLong() { return convertTextOf<LongLong>(getWString(), toLongLong); }
Vector2 cXML::getVector2() { return convertTextOf<Vector2>(getWString(), toVector2); }
DXColor cXML::getDXColor() { return convertTextOf<DXColor>(getWString(), toDXColor); }
Bool cXML::getBool() { return convertTextOf<Bool>(getWString(), toBool); }

const ATTRIBUTE_MAP& cXML::attributeMap()
{
    if (!m_attributeMap) {
        auto map = std::make_unique<ATTRIBUTE_MAP>();
        for (UInt i = 0; i < m_attributeCount; ++i)
            map->emplace(WString(m_attributes[i].name, m_attributes[i].nameLength),
                         WString(m_attributes[i].value, m_attributes[i].valueLength));
        m_attributeMap = m_store->keep(std::move(map));
    }
    return *m_attributeMap;
}

ATTRIBUTE_MAP::const_iterator cXML::getAttribute(UInt _index)
{
    const ATTRIBUTE_MAP& map = attributeMap();
    if (_index >= map.size())
        return map.end();
    auto it = map.cbegin();
    std::advance(it, _index);
    return it;
}

WString cXML::operator[](const char16_t* _propName)
{
    const sAttribute* found = attributeNamed(_propName, std::char_traits<char16_t>::length(_propName));
    return found ? WString(found->value, found->valueLength) : WString();
}

WString cXML::operator[](const WString _propName)
{
    const sAttribute* found = attributeNamed(_propName.data(), _propName.size());
    return found ? WString(found->value, found->valueLength) : WString();
}
