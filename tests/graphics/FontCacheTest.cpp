#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "graphics/Font.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

std::string demoDataFolder()
{
    const char* folder = std::getenv("FURROW_DATA");
    return folder ? folder : "Data";
}

// The demo data as the game opens it, with the player's folder of its own.
class DemoFont : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("FURROW_HOME", m_home.path().c_str(), 1);
        m_files = std::make_unique<cFileManager>(demoDataFolder(), "pack");
        m_resources = std::make_unique<cResourceManager>();
        registerFontMaker();
    }
    void TearDown() override
    {
        m_resources.reset();
        m_files.reset();
        unsetenv("FURROW_HOME");
    }

    cTempFolder m_home{true};
    std::unique_ptr<cFileManager> m_files;
    std::unique_ptr<cResourceManager> m_resources;
};

// The baker's own tests check glyph rectangles and advances; here, that the game's fonts came out whole.
TEST_F(DemoFont, LatinAndCyrillicLettersHaveGlyphs)
{
    ASSERT_TRUE(m_files->isExist("fonts/main.png")) << "the picture is baked beside the font";
    for (const char* path : {"fonts/main.fnt", "Fonts/Title.fnt"}) {
        auto* font = dynamic_cast<cFont*>(m_resources->getFont(path));
        ASSERT_NE(font, nullptr) << path;
        sGlyph glyph, narrow;
        for (char16_t c : std::u16string(u"\u041D\u043E\u0432\u044B\u0439 Play"))
            EXPECT_TRUE(font->getLetter(c, glyph)) << path << " " << int(c);
        ASSERT_TRUE(font->getLetter(u'\u0416', glyph) && font->getLetter(u'l', narrow));
        EXPECT_GT(glyph.advance, narrow.advance) << path;
    }
}

} // namespace
