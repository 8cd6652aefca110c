#pragma once
#include "engine/resources/Resource.h"
#include "engine/Types.h"

#include <list>
#include <map>
#include <memory>

class iXML;

// Children borrowed from their document, and attributes by name.
using TAG_LIST = std::list<iXML*>;
using ATTRIBUTE_MAP = std::map<WString, WString>;
// Children by tag; one tag's children keep their document order.
using XML_CHILDREN = std::multimap<String, iXML*>;

// A parsed XML element. Lookups never raise: a missing child gives false or 0, a missing
// attribute an empty text. Tags and attribute names compare exactly.
class iXML {
public:
    // Documents are shared and never counted down: release only says it was called.
    virtual Bool release() = 0;
    virtual ~iXML() = default;

    // Appends every child tagged _propName whose attributes hold every pair of _attr; returns 0.
    virtual UInt get(const String& _propName, const ATTRIBUTE_MAP& _attr, TAG_LIST& _res) = 0;
    // Appends every child tagged _propName in document order; returns how many.
    virtual UInt get(const String& _propName, TAG_LIST& _res) = 0;
    // The first child tagged _propName; false and _res unchanged when there is none.
    virtual Bool get(const String& _propName, iXML*& _res) = 0;
    // The child at _index in tag order, then document order.
    virtual Bool get(UInt _index, iXML*& _res, String* _tag = nullptr) = 0;

    // The own text of the first child tagged _propName; false and _res unchanged without one.
    // (Int, UInt and Long share the 32-bit overloads.)
    virtual Bool getNode(const String& _propName, Bool& _res) = 0;
    virtual Bool getNode(const String& _propName, DXColor& _res) = 0;
    virtual Bool getNode(const String& _propName, Vector2& _res) = 0;
    virtual Bool getNode(const String& _propName, LongLong& _res) = 0;
    virtual Bool getNode(const String& _propName, Double& _res) = 0;
    virtual Bool getNode(const String& _propName, Float& _res) = 0;
    virtual Bool getNode(const String& _propName, ULong& _res) = 0;
    virtual Bool getNode(const String& _propName, Long& _res) = 0;
    virtual Bool getNode(const String& _propName, WString& _res) = 0;
    virtual Bool getNode(const String& _propName, String& _res) = 0;

    virtual void childrenBegin(XML_CHILDREN::const_iterator& _it) = 0;

    // The element's own text: all character data directly inside it, whitespace between
    // children included. A text that does not convert gives 0 (or false, or zero vectors).
    virtual String getString() = 0;
    virtual WString getWString() = 0;
    virtual Float getFloat() = 0;
    virtual Double getDouble() = 0;
    virtual Int getInt() = 0;
    virtual UInt getUInt() = 0;
    virtual Long getLong() = 0;
    // Decimal, or hexadecimal after "0x".
    virtual ULong getULong() = 0;
    virtual LongLong getLongLong() = 0;
    virtual Vector2 getVector2() = 0;
    // Hexadecimal ARGB.
    virtual DXColor getDXColor() = 0;
    // "0" or "1".
    virtual Bool getBool() = 0;

    // The attribute at _index in name order, or the end.
    virtual ATTRIBUTE_MAP::const_iterator getAttribute(UInt _index) = 0;
    virtual WString operator[](const char16_t* _propName) = 0;
    // Empty when the element has no such attribute.
    virtual WString operator[](const WString _propName) = 0;
    virtual void attributesBegin(ATTRIBUTE_MAP::const_iterator& _it) = 0;
    virtual UInt getNodeCount() = 0;
    virtual UInt getNodeCount(const String& _propName) = 0;
    virtual const ATTRIBUTE_MAP& getAttributeMap() = 0;
    virtual UInt getAttributeCount() = 0;
    virtual UInt getChildCount() = 0;
    // The path of the document the element belongs to, for error texts; empty when unknown.
    virtual String getDocumentName() { return String(); }
};

// The attribute's text, or null when the element lacks it (an empty text is still there).
const WString* findAttribute(iXML* _xml, const char16_t* _name);

// Converts the attribute into _field when the element has it; a missing attribute, or one
// that does not convert, leaves _field as it was.
template <class T>
void readAttribute(iXML* _xml, const char16_t* _name, T& _field, T& (*_convert)(T&, const WString&))
{
    if (const WString* text = findAttribute(_xml, _name))
        _convert(_field, *text);
}

struct sXMLBuilder;
class cXMLStore;
struct XML_ParserStruct;

// The parser's error where it stopped, with its line and column, as a document's load raises it.
String describeXmlError(XML_ParserStruct* _parser);

// A document, or one of its elements. The document is its root element (the root's tag is
// not kept); it owns every node below it. Elements live in the document's store and are
// freed with it, all at once; children are kept in tag order, so any of them is found by
// index at once and by tag in a binary search.
class cXML : public iXML, public cResource {
public:
    // Loads the file through the file manager. A player's copy that does not parse is moved
    // aside and the shipped copy is loaded instead, once. Raises the parser's error with its
    // line and column otherwise.
    explicit cXML(const String& _path);
    // A document from bytes already in memory, named _name; no fallback.
    cXML(const String& _name, const void* _bytes, ULong _size);
    ~cXML() override;
    // A node owns its children: copies would delete them twice.
    cXML(const cXML&) = delete;
    cXML& operator=(const cXML&) = delete;

    UInt getType() const override { return RT_XML; }
    Bool release() override { return true; }

    UInt get(const String& _propName, const ATTRIBUTE_MAP& _attr, TAG_LIST& _res) override;
    UInt get(const String& _propName, TAG_LIST& _res) override;
    Bool get(const String& _propName, iXML*& _res) override;
    Bool get(UInt _index, iXML*& _res, String* _tag = nullptr) override;

    Bool getNode(const String& _propName, Bool& _res) override;
    Bool getNode(const String& _propName, DXColor& _res) override;
    Bool getNode(const String& _propName, Vector2& _res) override;
    Bool getNode(const String& _propName, LongLong& _res) override;
    Bool getNode(const String& _propName, Double& _res) override;
    Bool getNode(const String& _propName, Float& _res) override;
    Bool getNode(const String& _propName, ULong& _res) override;
    Bool getNode(const String& _propName, Long& _res) override;
    Bool getNode(const String& _propName, WString& _res) override;
    Bool getNode(const String& _propName, String& _res) override;

    void childrenBegin(XML_CHILDREN::const_iterator& _it) override;

    String getString() override;
    WString getWString() override { return WString(m_text, m_textLength); }
    Float getFloat() override;
    Double getDouble() override;
    Int getInt() override;
    UInt getUInt() override;
    Long getLong() override;
    ULong getULong() override;
    LongLong getLongLong() override;
    Vector2 getVector2() override;
    DXColor getDXColor() override;
    Bool getBool() override;

    ATTRIBUTE_MAP::const_iterator getAttribute(UInt _index) override;
    WString operator[](const char16_t* _propName) override;
    WString operator[](const WString _propName) override;
    void attributesBegin(ATTRIBUTE_MAP::const_iterator& _it) override { _it = attributeMap().begin(); }
    UInt getNodeCount() override { return m_childCount; }
    UInt getNodeCount(const String& _propName) override;
    const ATTRIBUTE_MAP& getAttributeMap() override { return attributeMap(); }
    UInt getAttributeCount() override { return m_attributeCount; }
    UInt getChildCount() override { return m_childCount; }
    String getDocumentName() override { return m_document ? m_document->getName() : getName(); }

private:
    friend struct sXMLBuilder;

    struct sAttribute {
        const char16_t* name;
        const char16_t* value;
        std::size_t nameLength, valueLength;
    };
    struct sChild {
        const String* tag;
        cXML* node;
    };

    // An inner element of _document, placed in its store and never destroyed: it owns nothing.
    cXML(cXMLStore& _store, const cXML& _document);
    void load(const String& _path);
    void parse(const void* _bytes, std::size_t _size);
    void clear();
    const sChild* firstChild(const String& _propName) const;
    const sAttribute* attributeNamed(const char16_t* _name, std::size_t _length) const;
    const ATTRIBUTE_MAP& attributeMap();
    template <class T>
    Bool getNodeAs(const String& _propName, T& _res, T (cXML::*_getter)());

    // The document that owns an inner element, and so outlives it; null for the document.
    const cXML* m_document = nullptr;
    std::unique_ptr<cXMLStore> m_ownStore; // the document's alone
    cXMLStore* m_store = nullptr;
    const sAttribute* m_attributes = nullptr;
    const sChild* m_children = nullptr;
    const char16_t* m_text = u"";
    std::size_t m_textLength = 0;
    UInt m_attributeCount = 0;
    UInt m_childCount = 0;
    // The shapes of the interface, made on first demand and kept by the store.
    ATTRIBUTE_MAP* m_attributeMap = nullptr;
    XML_CHILDREN* m_childMap = nullptr;
};
