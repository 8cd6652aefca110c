#include "engine/File.h"
#include "engine/ResourceManager.h"
#include "engine/XML.h"
#include "support/EngineCore.h"
#include "support/Thrown.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A resource of a made-up kind, counting how many are alive.
class cFake : public cResource {
public:
    explicit cFake(const String& _name, UInt _type) : cResource(_name), m_type(_type) { ++alive; }
    ~cFake() override { --alive; }
    UInt getType() const override { return m_type; }
    void preUpdate() override { ++resets; }
    static int alive;
    static int resets;

private:
    UInt m_type;
};
int cFake::alive = 0;
int cFake::resets = 0;

iResource* makeTexture(const String& _path)
{
    if (_path.find("missing") != String::npos)
        throw "File \"missing\" not found.";
    return new cFake(_path, RT_TEXTURE);
}

iResource* makeFont(const String& _path)
{
    return new cFake(_path, RT_FONT);
}

// "ui/ферма.xml": a data file whose path is not ASCII.
const std::string kFarm = "ui/\xD1\x84\xD0\xB5\xD1\x80\xD0\xBC\xD0\xB0.xml";

class ResourceCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        cFake::alive = 0;
        cFake::resets = 0;
        cResourceManager::registerMaker(RT_TEXTURE, makeTexture);
        cResourceManager::registerMaker(RT_FONT, makeFont);
        writeXml16(m_data.data("UI/A.xml"), "<a x=\"1\" />");
        writeXml16(m_data.data(kFarm), "<farm />");
        m_core = std::make_unique<cEngineCore>(m_data, false);
    }
    void TearDown() override
    {
        m_core.reset();
        EXPECT_EQ(cFake::alive, 0) << "the cache deletes everything it made";
    }
    cResourceManager& cache() { return *cResourceManager::getInstance(); }
    void restart()
    {
        m_core.reset();
        m_core = std::make_unique<cEngineCore>(m_data, false);
    }

    cTestData m_data;
    std::unique_ptr<cEngineCore> m_core;
};

TEST_F(ResourceCache, OnePathOneObjectWhateverTheCase)
{
    iResource* first = cache().getTexture("UI/Back.png");
    iResource* second = cache().getTexture("ui/back.PNG");
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->getRefCount(), 2);
    EXPECT_EQ(first->getName(), "ui/back.png");
    EXPECT_EQ(cache().getResourceName(first), "ui/back.png");

    iXML* document = cache().getXML("UI/A.xml");
    EXPECT_EQ(cache().getXML("ui/a.xml"), document);
    EXPECT_EQ((*document)[u"x"], u"1");
}

TEST_F(ResourceCache, WrongTypeOrFailedMakerLeavesTheCacheAsItWas)
{
    iResource* texture = cache().getTexture("ui/back.png");
    EXPECT_EQ(thrownText([&] { cache().getFont("UI/back.png"); }),
        "Wrong resource type.\niResource* cResourceManager::getFont(const String& _path)");
    EXPECT_EQ(cache().getTexture("ui/back.png"), texture);
    EXPECT_EQ(texture->getRefCount(), 2);
    EXPECT_THROW(cache().getTexture("missing.png"), String);
    EXPECT_THROW(cache().getResourceName(nullptr), const char*);
    EXPECT_EQ(cFake::alive, 1);
}

TEST_F(ResourceCache, ForgottenObjectStaysUsableAndIsDeletedOnceUnused)
{
    iResource* old = cache().getTexture("ui/back.png");
    cache().releaseResource("ui/back.png");
    iResource* fresh = cache().getTexture("ui/back.png");
    EXPECT_NE(old, fresh);
    EXPECT_EQ(old->getName(), "ui/back.png") << "its holder keeps a working object";
    EXPECT_EQ(cFake::alive, 2);

    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 2) << "still counted";
    old->release();
    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 1);
    EXPECT_EQ(cache().getTexture("ui/back.png"), fresh) << "the old object's deletion leaves the new entry";
}

TEST_F(ResourceCache, ClearUselessKeepsCountedObjectsAndDocuments)
{
    iResource* used = cache().getTexture("used.png");
    cache().getTexture("preloaded.png")->release();
    iXML* document = cache().getXML("ui/a.xml");
    document->release();
    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 1);
    EXPECT_EQ(cache().getTexture("used.png"), used);
    EXPECT_EQ(cache().getXML("ui/a.xml"), document);
}

TEST_F(ResourceCache, DeviceHooksReachTexturesOnly)
{
    cache().getTexture("a.png");
    cache().getFont("a.fnt");
    cache().preResetGraphics();
    EXPECT_EQ(cFake::resets, 1);
    cache().refresh();
    EXPECT_EQ(cFake::resets, 2);
}

TEST_F(ResourceCache, CreatingAFileDropsItsCachedCopy)
{
    iXML* old = cache().getXML("ui/a.xml");
    {
        std::unique_ptr<iFile> file(cFileManager::getInstance()->create(String("UI/A.xml")));
        const std::string bytes = makeXml16("<a x=\"2\" />");
        file->write(bytes.data(), static_cast<ULong>(bytes.size()));
    }
    iXML* fresh = cache().getXML("ui/a.xml");
    EXPECT_NE(fresh, old);
    EXPECT_EQ((*fresh)[u"x"], u"2");
    EXPECT_EQ((*old)[u"x"], u"1");
}

TEST_F(ResourceCache, LogIsWrittenByteForByte)
{
    cache().resourcesToLog("empty.xml");
    EXPECT_EQ(readFileBytes(m_data.common("empty.xml")),
        utf16Bytes("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<ResourceLog>\n</ResourceLog>", false));

    cache().getTexture("UI/B.png");
    cache().getXML("UI/A.xml");
    cache().resourcesToLog("log.xml");
    EXPECT_EQ(readFileBytes(m_data.common("log.xml")),
        utf16Bytes("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<ResourceLog>\n"
                   "<Tag Path=\"ui/a.xml\" Type=\"1\" />\n<Tag Path=\"ui/b.png\" Type=\"0\" />\n</ResourceLog>",
            false));
}

TEST_F(ResourceCache, LogPreloadsItsRangeUncounted)
{
    // The common folder was indexed at start: the log goes in through the file manager.
    std::unique_ptr<iFile> file(cFileManager::getInstance()->create(String("log.xml")));
    const std::string bytes = makeXml16(
        "<ResourceLog><Tag Path=\"a.png\" Type=\"0\" /><Tag Path=\"b.mesh\" Type=\"5\" />"
        "<Tag Path=\"c.anim\" Type=\"6\" /><Tag Path=\"d.png\" /><Tag Path=\"e.fnt\" Type=\"2\" /></ResourceLog>");
    file->write(bytes.data(), static_cast<ULong>(bytes.size()));
    file.reset();
    iXML* log = cache().getXML("log.xml");
    cache().logToResources(log, 3, 3);
    EXPECT_EQ(cFake::alive, 0);
    cache().logToResources(log, 0, 10);
    EXPECT_EQ(cFake::alive, 2) << "meshes, animations and entries without a type are skipped";
    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 0) << "preloaded entries wait uncounted";
}

TEST_F(ResourceCache, ANonAsciiPathLoggedIsReadBackByTheCache)
{
    cache().getXML(kFarm);
    cache().resourcesToLog("first.xml");
    restart();
    cXML log("first.xml");
    ASSERT_NO_THROW(cache().logToResources(&log, 0, log.getNodeCount()));
    cache().resourcesToLog("second.xml");
    EXPECT_EQ(readFileBytes(m_data.common("second.xml")), readFileBytes(m_data.common("first.xml")));
    EXPECT_EQ(readFileBytes("error.log").find("does not load"), std::string::npos);
}

TEST_F(ResourceCache, OddLogEntriesAreLoggedAndPassedOver)
{
    // Each byte of the path as one code unit, as earlier logs held it.
    std::string bytewise;
    for (unsigned char c : kFarm)
        bytewise += c < 0x80 ? std::string(1, char(c)) : std::string{char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
    writeXml16(m_data.common("log.xml"),
        "<ResourceLog><Tag Path=\"" + bytewise + "\" Type=\"1\" /><Tag Path=\"nowhere.xml\" Type=\"1\" />"
        "<Tag Path=\"../../etc/passwd\" Type=\"1\" /><Tag Path=\"\" Type=\"1\" /><Tag Type=\"1\" /></ResourceLog>");
    restart();
    cXML log("log.xml");
    EXPECT_NO_THROW(cache().logToResources(&log, 0, log.getNodeCount()));
    cache().resourcesToLog("now.xml");
    EXPECT_NE(readFileBytes(m_data.common("now.xml")).find(makeXml16(kFarm).substr(2)), std::string::npos);
    EXPECT_NE(readFileBytes("error.log").find("nowhere.xml"), std::string::npos);
}

} // namespace
