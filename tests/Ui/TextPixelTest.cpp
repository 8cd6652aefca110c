#include "Ui/FlyText.h"
#include "Ui/Letter.h"
#include "Ui/MultilineText.h"
#include "Ui/PriceText.h"
#include "Ui/Text.h"
#include "Ui/UI.h"
#include "engine/FileManager.h"
#include "engine/Logic.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/StringManager.h"
#include "engine/XML.h"
#include "graphics/GraphicsImpl.h"
#include "platform/FileSystem.h"
#include "platform/ImageLoader.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

std::string demoData()
{
    const char* folder = std::getenv("FURROW_DATA");
    return folder ? folder : "Data";
}

Int channelDistance(UInt _a, UInt _b)
{
    Int worst = 0;
    for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(Int(_a >> shift & 0xFF) - Int(_b >> shift & 0xFF)));
    return worst;
}

// Texts of the demo data drawn by the real renderer into a hidden GL window.
class DemoTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("FURROW_HOME", m_home.path().c_str(), 1);
        m_files = std::make_unique<cFileManager>(demoData(), "pack");
        m_resources = std::make_unique<cResourceManager>();
        m_settings = std::make_unique<cSettings>();
        m_strings = std::make_unique<cStringManager>();
        try {
            m_window = std::make_unique<cHiddenGlWindow>(800, 600);
            m_graphics = std::make_unique<cGraphics>(std::make_unique<cGlRasterDevice>(m_window->window()),
                                                     m_headlessWindow, m_system);
        } catch (const String& _error) {
            if (std::getenv("CI"))
                FAIL() << "no GL context in CI: " << _error;
            GTEST_SKIP() << "no GL context: " << _error;
        }
        const std::string picture = readFileBytes(demoData() + "/fonts/title.png");
        m_glyphs = loadImage(picture.data(), picture.size(), "fonts/title.png");
    }
    void TearDown() override
    {
        cUI::shutAfterAll();
        m_ui.reset();
        m_graphics.reset();
        m_window.reset();
        m_strings.reset();
        m_settings.reset();
        m_resources.reset();
        m_files.reset();
        unsetenv("FURROW_HOME");
    }
    UInt pixel(Int _x, Int _y) { return m_graphics->getDevice().readPixels({UInt(_x), UInt(_y), 1, 1})[0]; }
    // The glyph picture's coverage at texel (x, y); outside the picture nothing is covered.
    UInt coverage(Int _x, Int _y) const
    {
        if (_x < 0 || _y < 0 || UInt(_x) >= m_glyphs.width || UInt(_y) >= m_glyphs.height)
            return 0;
        return m_glyphs.at(UInt(_x), UInt(_y)) >> 24;
    }
    // A texel whose four neighbours share its coverage (full or none), so that filtering
    // cannot blur it.
    Bool isSolid(Int _x, Int _y, Bool _covered) const
    {
        for (const auto& d : {std::pair{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const UInt c = coverage(_x + d.first, _y + d.second);
            if (_covered ? c < 250 : c > 5)
                return false;
        }
        return true;
    }
    // Compares the screen with the picture at every solid texel of _letter's glyph; returns
    // how many covered texels were checked.
    int checkLetter(const cLetter& _letter, UInt _ink, UInt _back)
    {
        const cLetter::sTextureRect& r = const_cast<cLetter&>(_letter).getTextureRect();
        const Int x0 = Int(r.left * Float(m_glyphs.width) + 0.5f), x1 = Int(r.right * Float(m_glyphs.width) + 0.5f);
        const Int y0 = Int(r.top * Float(m_glyphs.height) + 0.5f), y1 = Int(r.bottom * Float(m_glyphs.height) + 0.5f);
        const Vector2 at = _letter.getPosition();
        const Vector2 size = const_cast<cLetter&>(_letter).getSize();
        int inked = 0;
        for (Int ty = y0; ty < y1; ++ty)
            for (Int tx = x0; tx < x1; ++tx) {
                const Bool covered = coverage(tx, ty) >= 250;
                if (!isSolid(tx, ty, covered))
                    continue;
                const Float sx = at.x - size.x / 2 + (Float(tx - x0) + 0.5f) / Float(x1 - x0) * size.x;
                const Float sy = at.y - size.y / 2 + (Float(ty - y0) + 0.5f) / Float(y1 - y0) * size.y;
                const UInt expected = covered ? _ink : _back;
                // The pixel whose centre lies nearest the texel's.
                const UInt actual = pixel(Int(std::lround(sx - 0.5f)), Int(std::lround(sy - 0.5f)));
                EXPECT_LE(channelDistance(expected, actual), 24)
                    << "texel " << tx << "," << ty << " at " << sx << "," << sy << " is " << std::hex << actual;
                inked += covered;
            }
        return inked;
    }

    cTempFolder m_home{true};
    std::unique_ptr<cFileManager> m_files;
    std::unique_ptr<cResourceManager> m_resources;
    std::unique_ptr<cSettings> m_settings;
    std::unique_ptr<cStringManager> m_strings;
    cHeadlessWindow m_headlessWindow;
    cHeadlessSystem m_system;
    std::unique_ptr<cHiddenGlWindow> m_window;
    std::unique_ptr<cGraphics> m_graphics;
    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
    sImage m_glyphs;
};

TEST_F(DemoTexts, LatinAndCyrillicGlyphsOfTheBakedFontLandWhereTheirLettersStand)
{
    const UInt ink = 0xFFFFF0A0;
    auto* text = new cText(nullptr);
    text->setFont("fonts/title.fnt");
    text->setTexture("fonts/title.png");
    text->setTextColor(ink);
    text->setMultiplier(3);
    text->setAlign(1);
    text->setPositionXY(40, 300);
    text->setString(u"Farm \u0416\u0438\u0442\u043E");
    text->show();
    text->enable();
    ASSERT_EQ(text->getLetters().size(), 8u);
    m_graphics->beginRender();
    cUI::drawControls(&cLogic::draw);
    m_graphics->endRender();
    const UInt back = pixel(790, 590);
    ASSERT_GT(channelDistance(back, ink), 100) << "the ink must stand out";
    for (const cLetter* letter : text->getLetters())
        EXPECT_GT(checkLetter(*letter, ink, back), 0) << "every glyph shows some ink";
    EXPECT_EQ(pixel(Int(40 + text->getWidth() + 30), 300), back) << "nothing past the end of the line";
}

TEST_F(DemoTexts, TheNoticeBoardShowsEveryTextInItsFont)
{
    cXML show("Ui/TextShow.xml");
    TAG_LIST texts, blocks, prices;
    ASSERT_EQ(show.get("text", texts) + show.get("multiline", blocks) + show.get("price", prices), 4u);
    std::vector<std::unique_ptr<cText>> lines;
    for (iXML* element : texts) {
        lines.push_back(std::make_unique<cText>(nullptr));
        lines.back()->loadXML(element);
    }
    lines.push_back(std::make_unique<cPriceText>(nullptr));
    lines.back()->loadXML(prices.front());
    EXPECT_EQ(lines[0]->getLetters().size(), 19u) << "every Cyrillic letter and guillemet has a glyph";
    EXPECT_EQ(lines[1]->getLetters().size(), 9u) << "translated to New player";
    EXPECT_EQ(lines[2]->getLetters().size(), 7u);
    EXPECT_LE(lines[2]->getLetters().back()->getPosition().x, 770) << "ends at its position";
    cMultilineText note(nullptr);
    note.loadXML(blocks.front());
    EXPECT_GE(note.getLines().size(), 3u) << "wrapped";
    EXPECT_LE(note.getTextSize().x, 500);
}

TEST_F(DemoTexts, TheGamesFlyTextsLoadAndShowTheirAmount)
{
    for (const char* path : {"UI/FlyTextExpence.xml", "UI/FlyTextIncome.xml", "UI/FlyProductExpence.xml"}) {
        std::unique_ptr<cFlyText> fly;
        try {
            fly = std::make_unique<cFlyText>(nullptr, path);
        } catch (const String& _error) {
            ADD_FAILURE() << path << ": " << _error;
            continue;
        }
        fly->setString(u"1250");
        EXPECT_EQ(fly->getLetters().size(), 4u) << path;
        EXPECT_TRUE(fly->isVisible() && fly->isEnabled()) << path << " starts by itself";
        EXPECT_GT(fly->getDistance() / fly->getSpeed(), 0.5f) << path << " is seen for a moment";
    }
}

} // namespace
