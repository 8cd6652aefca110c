#include "Ui/texts/FlyText.h"
#include "Ui/texts/Letter.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/PriceText.h"
#include "Ui/profiles/SelectProfile.h"
#include "Ui/texts/Text.h"
#include "Ui/views/UI.h"
#include "engine/files/FileManager.h"
#include "engine/frame/Logic.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/text/StringManager.h"
#include "engine/files/XML.h"
#include "graphics/sprites/Font.h"
#include "graphics/GlScreen.h"
#include "platform/system/FileSystem.h"
#include "platform/images/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

// Texts, fonts and pictures of the built demo data, drawn through GL into a hidden window.
class DemoLooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("FURROW_HOME", m_home.path().c_str(), 1);
        const char* data = std::getenv("FURROW_DATA");
        m_files = std::make_unique<cFileManager>(data ? data : "Data", "pack");
        m_resources = std::make_unique<cResourceManager>();
        m_settings = std::make_unique<cSettings>();
        m_strings = std::make_unique<cStringManager>();
        m_screen.open(m_headlessWindow, m_system);
        const std::string picture = readFileBytes(std::string(data ? data : "Data") + "/fonts/title.png");
        m_glyphs = loadImage(picture.data(), picture.size(), "fonts/title.png");
    }
    void TearDown() override
    {
        cUI::shutAfterAll();
        m_ui.reset();
        m_screen.close();
        m_strings.reset();
        m_settings.reset();
        m_resources.reset();
        m_files.reset();
        unsetenv("FURROW_HOME");
    }
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
                const UInt actual = m_screen.pixel(UInt(std::lround(sx - 0.5f)), UInt(std::lround(sy - 0.5f)));
                EXPECT_LE(channelDistance(expected, actual, false), 24)
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
    cGlScreen m_screen;
    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
    sImage m_glyphs;
};

TEST_F(DemoLooks, LatinAndCyrillicGlyphsOfTheBakedFontLandWhereTheirLettersStand)
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
    m_screen.frame([](cGraphics&) { cUI::drawControls(&cLogic::draw); });
    const UInt back = m_screen.pixel(790, 590);
    ASSERT_GT(channelDistance(back, ink, false), 100) << "the ink must stand out";
    for (const cLetter* letter : text->getLetters())
        EXPECT_GT(checkLetter(*letter, ink, back), 0) << "every glyph shows some ink";
    EXPECT_EQ(m_screen.pixel(UInt(40 + text->getWidth() + 30), 300), back) << "nothing past the end of the line";
}

TEST_F(DemoLooks, TheNoticeBoardShowsEveryTextInItsFont)
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

TEST_F(DemoLooks, TheGamesFlyTextsLoadAndShowTheirAmount)
{
    for (const char* path : {"UI/FlyTextExpence.xml", "UI/FlyTextIncome.xml", "UI/FlyProductExpence.xml"}) {
        std::unique_ptr<cFlyText> fly;
        ASSERT_NO_THROW(fly = std::make_unique<cFlyText>(nullptr, path)) << path;
        fly->setString(u"1250");
        EXPECT_EQ(fly->getLetters().size(), 4u) << path;
        EXPECT_TRUE(fly->isVisible() && fly->isEnabled()) << path << " starts by itself";
        EXPECT_GT(fly->getDistance() / fly->getSpeed(), 0.5f) << path << " is seen for a moment";
    }
}

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double luminance(UInt _rgb)
{
    double sum = 0;
    const double weights[] = {0.2126, 0.7152, 0.0722};
    for (int channel = 0; channel < 3; ++channel) {
        const double c = double((_rgb >> (16 - 8 * channel)) & 0xFF) / 255.0;
        sum += weights[channel] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return sum;
}

// The money and the goods fly over the light grounds of the game (the farm's sky from its top
// down, the sun, the stall's paper) and must read on each: a contrast of at least 3 to 1.
TEST_F(DemoLooks, TheFlyTextsReadOnTheLightGroundsTheyCross)
{
    struct sGround {
        UInt rgb;
        const char* name;
    };
    const sGround grounds[] = {
        {0x6FBDE8, "the top of the sky"}, {0x8CC8EC, "the sky under the bar"}, {0xFFF4B0, "the sun"},
        {0xFDF6E3, "the stall's paper"},
    };
    for (const char* path : {"UI/FlyTextExpence.xml", "UI/FlyTextIncome.xml", "UI/FlyProductExpence.xml"}) {
        std::unique_ptr<cFlyText> fly;
        ASSERT_NO_THROW(fly = std::make_unique<cFlyText>(nullptr, path)) << path;
        const double text = luminance(fly->getTextColor());
        for (const sGround& ground : grounds) {
            const double back = luminance(ground.rgb);
            EXPECT_GE((std::max(text, back) + 0.05) / (std::min(text, back) + 0.05), 3.0) << path << " on " << ground.name;
        }
    }
}

// The baker's own tests check glyph rectangles and advances; here, that the game's fonts came out whole.
TEST_F(DemoLooks, BothFontsHaveLatinAndCyrillicGlyphs)
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

// An English player reads the profile screens' own labels and question in English; that
// every picture of the screens loads is the shell walk's to see.
TEST_F(DemoLooks, TheProfileScreensLabelsReadInEnglish)
{
    EXPECT_EQ(m_strings->getString(cSelectProfile::LABEL_EXISTING), u"OK");
    EXPECT_EQ(m_strings->getString(cSelectProfile::LABEL_NEW), u"New");
    EXPECT_EQ(m_strings->getString(cSelectProfile::DELETE_QUESTION), u"Do you really want\nto delete this profile?");
}

TEST_F(DemoLooks, EveryPictureOfThePictureShowFindsItsLook)
{
    cXML show("Ui/PictureShow.xml");
    TAG_LIST elements;
    ASSERT_EQ(show.get("picture", elements), 4u);
    for (iXML* element : elements) {
        cPicture picture(nullptr);
        ASSERT_NO_THROW(picture.loadXML(element));
        EXPECT_NE(picture.getTexture(), nullptr);
    }
}

} // namespace
