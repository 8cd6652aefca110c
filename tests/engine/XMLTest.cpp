#include "engine/FileManager.h"
#include "engine/XML.h"
#include "engine/TextConvert.h"
#include "support/TestData.h"
#include "support/Thrown.h"
#include "support/Xml16.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

cXML parsed(const std::string& _utf8)
{
    const std::string bytes = makeXml16(_utf8);
    return cXML("test.xml", bytes.data(), static_cast<ULong>(bytes.size()));
}

String parseError(const std::string& _bytes)
{
    return thrownText([&] { cXML document("bad.xml", _bytes.data(), static_cast<ULong>(_bytes.size())); }, true);
}

TEST(XMLTree, ChildrenInTagOrderThenDocumentOrderAndByMatchingAttributes)
{
    cXML document = parsed("<r><b n=\"1\" k=\"x\"/><a/><b n=\"2\" k=\"y\"/><b n=\"3\" k=\"x\"/></r>");
    std::vector<std::string> seen;
    iXML* child = nullptr;
    String tag;
    for (UInt i = 0; document.get(i, child, &tag); ++i)
        seen.push_back(tag + toString((*child)[u"n"]));
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b1", "b2", "b3"}));
    EXPECT_EQ(document.getNodeCount("b"), 3u);
    EXPECT_EQ(document.getChildCount(), 4u);
    TAG_LIST bs;
    EXPECT_EQ(document.get("b", bs), 3u);
    EXPECT_EQ((*bs.front())[u"n"], u"1");
    EXPECT_EQ((*bs.back())[u"n"], u"3");
    EXPECT_FALSE(document.get(4, child));
    XML_CHILDREN::const_iterator it;
    document.childrenBegin(it);
    EXPECT_EQ(it->first, "a");
    EXPECT_EQ((++it)->second, bs.front()) << "the map view keeps the same order";
    TAG_LIST found;
    EXPECT_EQ(document.get("b", ATTRIBUTE_MAP{{u"k", u"x"}}, found), 0u);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ((*found.back())[u"n"], u"3");
    ASSERT_TRUE(document.get("b", child));
    EXPECT_EQ((*child)[u"n"], u"1");
}

TEST(XMLTree, AttributesByNameOrder)
{
    cXML document = parsed("<r zeta=\"z\" alpha=\"a\" mid=\"м\"/>");
    EXPECT_EQ(document.getAttributeCount(), 3u);
    EXPECT_EQ(document.getAttribute(0)->first, u"alpha");
    EXPECT_EQ(document.getAttribute(2)->first, u"zeta");
    EXPECT_EQ(document.getAttribute(3), document.getAttributeMap().end());
    EXPECT_EQ(document[u"mid"], u"м");
    EXPECT_EQ(document[u"missing"], u"");
}

TEST(XMLTree, TextPiecesAreJoinedAroundChildren)
{
    cXML document = parsed("<r>one<c> 12 </c>two&amp;<c/>three</r>");
    EXPECT_EQ(document.getWString(), u"onetwo&three");
    EXPECT_EQ(parsed("<r>\n  <c/>\n</r>").getWString(), u"\n  \n") << "lines between children stay";
}

TEST(XMLTree, DeepNestingParsesAndGoesAway)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "<d>";
    for (int i = 0; i < 20000; ++i)
        text += "</d>";
    cXML document = parsed(text);
    EXPECT_EQ(document.getChildCount(), 1u);
}

template <class T>
T node(cXML& _document, const char* _tag, T _value = T())
{
    EXPECT_TRUE(_document.getNode(_tag, _value)) << _tag;
    return _value;
}

TEST(XMLTypedGetters, ReadTheChildsOwnTextOrLeaveTheResult)
{
    cXML document = parsed("<r><f>1.5</f><i>-7</i><u>0x1F</u><b>1</b><v>2, 3</v><c>FF102030</c>"
                           "<ll>9000000000</ll><s>текст</s><bad>abc</bad><n> 12 </n></r>");
    EXPECT_EQ(node<Float>(document, "f"), 1.5f);
    EXPECT_EQ(node<Long>(document, "i"), -7);
    EXPECT_EQ(node<ULong>(document, "u"), 31u);
    EXPECT_TRUE(node<Bool>(document, "b"));
    EXPECT_EQ(node<Vector2>(document, "v"), Vector2(2, 3));
    const DXColor colour = node<DXColor>(document, "c");
    EXPECT_FLOAT_EQ(colour.a, 1.0f);
    EXPECT_FLOAT_EQ(colour.r, 16 / 255.0f);
    EXPECT_EQ(node<LongLong>(document, "ll"), 9000000000LL);
    EXPECT_EQ(node<String>(document, "s"), "текст");
    EXPECT_EQ(node<WString>(document, "s"), u"текст");
    EXPECT_EQ(node<Long>(document, "bad", 5), 0) << "an unreadable text gives 0";
    iXML* child = nullptr;
    ASSERT_TRUE(document.get("n", child));
    EXPECT_EQ(child->getInt(), 12) << "spaces around a number";
    Long value = 42;
    WString text = u"kept";
    EXPECT_FALSE(document.getNode("none", value));
    EXPECT_FALSE(document.getNode("none", text));
    EXPECT_EQ(value, 42);
    EXPECT_EQ(text, u"kept");
}

// The parser counts the byte order mark as the first column.
TEST(XMLErrors, GiveTheParserTextWithLineAndColumn)
{
    const std::pair<std::string, const char*> cases[] = {{makeXml16("<r>\n  <a></b>\n</r>"), "mismatched tag line 2 char 7"},
        {"", "no element found line 1 char 0"}, {makeXml16("<r>\x01</r>"), "not well-formed (invalid token) line 1 char 4"},
        {makeXml16("<r><a>"), "no element found line 1 char 7"}, {makeXml16("<r/>") + "\x01", "unclosed token line 1 char 5"}};
    for (const auto& c : cases)
        EXPECT_EQ(parseError(c.first), c.second);
}

class XMLFiles : public ::testing::Test {
protected:
    std::unique_ptr<cFileManager> start()
    {
        return std::make_unique<cFileManager>(m_data.root(), "pack");
    }
    cTestData m_data;
};

TEST_F(XMLFiles, LoadsThroughTheFileManagerFromAPackage)
{
    writeZip(m_data.data("p.pack"), {{"UI/Screen.xml", makeXml16("<screen x=\"5\"/>")}});
    auto files = start();
    cXML document("ui/screen.xml");
    EXPECT_EQ(document[u"x"], u"5");
    EXPECT_EQ(document.getName(), "ui/screen.xml");
    EXPECT_EQ(document.getType(), 1u);
    EXPECT_TRUE(document.release());
}

TEST_F(XMLFiles, BrokenPlayerCopyIsMovedAsideAndTheShippedOneRead)
{
    writeXml16(m_data.data("sys/opts.xml"), "<o v=\"shipped\"/>");
    m_data.write(m_data.common("sys/opts.xml"), makeXml16("<o v=\"mine\""));
    auto files = start();
    cXML document("sys/opts.xml");
    EXPECT_EQ(document[u"v"], u"shipped");
    EXPECT_EQ(readFileBytes(m_data.common("sys/opts.xml.broken")), makeXml16("<o v=\"mine\""));
    EXPECT_FALSE(files->isCommonExist("sys/opts.xml"));
    EXPECT_NE(readFileBytes("error.log").find("opts.xml.broken"), std::string::npos);
}

TEST_F(XMLFiles, BrokenPlayerCopyWithoutShippedOneRaisesTheParseError)
{
    m_data.write(m_data.common("own.xml"), "garbage");
    auto files = start();
    const String error = thrownText([] { cXML document("own.xml"); });
    EXPECT_EQ(error.find("not found"), std::string::npos) << error;
    EXPECT_NE(error.find(" line 1 char "), std::string::npos) << error;
    EXPECT_EQ(readFileBytes(m_data.common("own.xml.broken")), "garbage");
}

TEST_F(XMLFiles, BrokenShippedFileRaisesWithTheSignature)
{
    writeXml16(m_data.data("b.xml"), "<a>");
    auto files = start();
    EXPECT_EQ(thrownText([] { cXML document("b.xml"); }), "no element found line 1 char 4\ncXML::cXML(const String& _path)");
}

TEST_F(XMLFiles, CorruptPackageEntryIsAReadError)
{
    writeZip(m_data.data("p.pack"), {{"c.xml", makeXml16("<c>" + std::string(500, 'x') + "</c>"), false}});
    std::string bytes = readFileBytes(m_data.data("p.pack"));
    bytes[findEntryData(bytes, "c.xml") + 100] ^= 1;
    m_data.write(m_data.data("p.pack"), bytes);
    auto files = start();
    EXPECT_EQ(thrownText([] { cXML document("c.xml"); }, true), "File \"c.xml\" can't be read.");
}

} // namespace
