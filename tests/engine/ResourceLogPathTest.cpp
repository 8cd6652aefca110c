#include "engine/ResourceManager.h"
#include "engine/XML.h"
#include "support/EngineCore.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

namespace {

// "ui/ферма.xml": a data file whose path is not ASCII.
const std::string kFarm = "ui/\xD1\x84\xD0\xB5\xD1\x80\xD0\xBC\xD0\xB0.xml";

class ResourceLogPaths : public ::testing::Test {
protected:
    ResourceLogPaths() { writeXml16(m_data.data(kFarm), "<farm />"); }
    cResourceManager& cache() { return *cResourceManager::getInstance(); }

    cTestData m_data;
};

TEST_F(ResourceLogPaths, LogWrittenByTheCacheIsReadBackByIt)
{
    {
        cEngineCore core(m_data, false);
        cache().getXML(kFarm);
        cache().resourcesToLog("first.xml");
    }
    cEngineCore core(m_data, false);
    cXML log("first.xml");
    ASSERT_NO_THROW(cache().logToResources(&log, 0, log.getNodeCount()));
    cache().resourcesToLog("second.xml");
    EXPECT_EQ(readFileBytes(m_data.common("second.xml")), readFileBytes(m_data.common("first.xml")))
        << "the same path was preloaded";
    EXPECT_EQ(readFileBytes("error.log").find("does not load"), std::string::npos);
}

TEST_F(ResourceLogPaths, OddEntriesAreLoggedAndPassedOver)
{
    // Each byte of the path as one code unit, as earlier logs held it.
    std::string bytewise;
    for (unsigned char c : kFarm)
        bytewise += c < 0x80 ? std::string(1, char(c)) : std::string{char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
    writeXml16(m_data.common("log.xml"),
        "<ResourceLog><Tag Path=\"" + bytewise + "\" Type=\"1\" /><Tag Path=\"nowhere.xml\" Type=\"1\" />"
        "<Tag Path=\"../../etc/passwd\" Type=\"1\" /><Tag Path=\"\" Type=\"1\" /><Tag Type=\"1\" /></ResourceLog>");
    cEngineCore core(m_data, false);
    cXML log("log.xml");
    EXPECT_NO_THROW(cache().logToResources(&log, 0, log.getNodeCount()));
    cache().resourcesToLog("now.xml");
    EXPECT_NE(readFileBytes(m_data.common("now.xml")).find(makeXml16(kFarm).substr(2)), std::string::npos);
    EXPECT_NE(readFileBytes("error.log").find("nowhere.xml"), std::string::npos);
}

} // namespace
