#include "GraphicsHarness.h"
#include "platform/DdsFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(Screenshot, WritesADdsFileThatReadsBack)
{
    cGraphicsHarness h("back_color=\"0xFF123456\"");
    h.frame([](cGraphics&) {});
    h.graphics().screenshot();
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::current_path()))
        if (entry.path().extension() == ".dds")
            found.push_back(entry.path());
    ASSERT_EQ(1u, found.size());
    // MM-DD-YYHH-MM-SS.dds
    EXPECT_EQ(20u, found[0].filename().string().size()) << found[0];
    const std::string bytes = readFileBytes(found[0].string());
    const sImage image = readDds(bytes.data(), bytes.size(), found[0].string());
    EXPECT_EQ(800u, image.width);
    EXPECT_EQ(600u, image.height);
    EXPECT_EQ(0xFF123456u, image.at(799, 599));
}

} // namespace
