#include "engine/Engine.h"
#include "graphics/GraphicsFactory.h"
#include "graphics/NullGraphics.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/ImageFixtures.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct sIconCase {
    const char* what;
    std::optional<std::string> file; // "Icon.png" in the data folder, or none
    UInt expectedWidth;
};

TEST(WindowIcon, TheWindowShowsTheDataFoldersIconWhenThereIsAGoodOne)
{
    const sImage picture = makeImage(32, 16, [](UInt _x, UInt _y) { return 0xFF000000u | (_x << 16) | _y; });
    const sIconCase cases[] = {
        {"a good icon", makePng(picture), 32},
        {"no icon", std::nullopt, 0},
        {"a damaged icon", std::string("\x89PNG\r\n\x1a\n broken"), 0},
    };
    graphics::setGraphicsMaker([](iWindow* _window) -> iGraphics* { return new cNullGraphics(_window); });
    for (const sIconCase& c : cases) {
        cTestData data("<game window_title=\"T\" app_directory=\"Test\" />");
        if (c.file)
            data.write(data.data("Icon.png"), *c.file);
        cHeadlessPlatform platform;
        cEngine engine(data.root().c_str(), nullptr);
        const sImage& icon = platform.getHeadlessWindow().getIcon();
        EXPECT_EQ(icon.width, c.expectedWidth) << c.what;
        if (c.expectedWidth) {
            EXPECT_EQ(icon.pixels, picture.pixels) << c.what;
        }
        EXPECT_TRUE(platform.getHeadlessWindow().isShown()) << c.what;
    }
    graphics::setGraphicsMaker(nullptr);
}

} // namespace
