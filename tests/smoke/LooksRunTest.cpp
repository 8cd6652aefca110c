#include "SmokeRun.h"

namespace {

class LooksRun : public cSmokeRun {
protected:
    static bool isPaper(const sRgb& _c) { return _c.r > 235 && _c.g > 215 && _c.b > 170; }
    static bool isLeaf(const sRgb& _c) { return _c.g > _c.r + 30 && _c.g > _c.b + 30; }
    static bool isInk(const sRgb& _c) { return _c.r < 130 && _c.g < 100 && _c.b < 70; }
    // The red of a note's letters within the rectangle.
    int redPixels(const std::string& _shot, UInt _left, UInt _top, UInt _right, UInt _bottom)
    {
        int count = 0;
        for (UInt y = _top; y < _bottom; ++y)
            for (UInt x = _left; x < _right; ++x) {
                const sRgb c = rgb(_shot, x, y);
                count += c.r > 140 && c.g < 100 && c.b < 90;
            }
        return count;
    }
};

// A farm of the first minutes with the meadow on sale, the cow shed and the hen house on
// sale and 260 coins: the field sale button, the journal, the market's lines, the build panel
// with a card too dear and clicked, and an award's card, each looked at.
TEST_F(LooksRun, TheFarmsPanelsShowWhatTheyHoldWhereItCanBeRead)
{
    newPlayer();
    for (const auto& [name, value] : std::vector<std::pair<const char*, const char*>>{
             {"GameTime", "0"}, {"Money", "160"}, {"fua", "1"}, {"UpAvail2", "1"}, {"UpAvail1", "0"}, {"SeedAvail3", "1"}})
        store(name, value);
    const std::string walk = logos() + click(340, 400, 226) + move(420, 780, 580) + shot(1300, "farm.png") +
                             click(1310, 676, 32) + shot(1400, "journal.png") + click(1410, 400, 572) +
                             click(1500, 40, 32) + shot(1600, "market.png") + click(1610, 108, 32) +
                             click(1700, 176, 32) + click(1800, 722, 552) + click(1910, 206, 200) +
                             shot(1950, "build.png") + click(2000, 756, 104) + "2100 text q20\n" +
                             shot(2300, "award.png");
    ASSERT_EQ(run(walk, 2320), 0);
    // The field sale button stands on the meadow it sells, clear of the bushes by the post box.
    EXPECT_TRUE(isLeaf(rgb("farm.png", 700, 300))) << "the bushes by the post box";
    EXPECT_TRUE(isLeaf(rgb("farm.png", 548, 262))) << "the tree's crown";
    // Between its words and its price's coin.
    const sRgb button = rgb("farm.png", 676, 374);
    EXPECT_TRUE(button.r > 200 && button.g > 170 && button.b < 130) << "the button on the meadow";
    // Each note of the journal has its ring beside its first line.
    EXPECT_TRUE(isInk(rgb("journal.png", 178, 210))) << "the welcome's ring";
    EXPECT_TRUE(isInk(rgb("journal.png", 178, 258))) << "the seeds' ring, two lines down";
    // The milk keeps the third line, whatever came on sale after it.
    const sRgb milk = rgb("market.png", 34, 262);
    EXPECT_TRUE(milk.r > 200 && milk.g > 200 && milk.b > 200) << "the milk bottle on the third line";
    // The cow shed (300) is too dear: dimmed beside the hen house (200), and a click says so.
    EXPECT_LT(rgb("build.png", 60, 195).g, 90u) << "the hen house's red wall";
    EXPECT_GT(rgb("build.png", 232, 195).g, 120u) << "the cow shed's wall, dimmed";
    EXPECT_GT(redPixels("build.png", 110, 288, 300, 306), 50) << "the note under the card";
    // No line runs through the award's title.
    EXPECT_TRUE(isPaper(rgb("award.png", 245, 356))) << "beside the title";
}

} // namespace

namespace {

// How the game comes to full screen.
enum eRoad { ALT_ENTER, OPTIONS_SWITCH, START };

// A desktop, where the 800 x 600 picture belongs on it, and the road to full screen.
struct sDesktop {
    const char* name;
    int width, height;
    int left, top;
    float scale;
    eRoad road;
};

const sDesktop s_desktops[] = {
    {"Wide43_AltEnter", 1024, 768, 0, 0, 1.28f, ALT_ENTER},
    {"Wide43_Options", 1024, 768, 0, 0, 1.28f, OPTIONS_SWITCH},
    {"Wide43_Start", 1024, 768, 0, 0, 1.28f, START},
    {"Wide169_AltEnter", 1600, 900, 200, 0, 1.5f, ALT_ENTER},
    {"Wide169_Options", 1600, 900, 200, 0, 1.5f, OPTIONS_SWITCH},
    {"Wide169_Start", 1600, 900, 200, 0, 1.5f, START},
    {"Tall54_AltEnter", 1280, 1024, 0, 32, 1.6f, ALT_ENTER},
};

// Names the row in the test's name instead of its bytes.
void PrintTo(const sDesktop& _desktop, std::ostream* _out)
{
    *_out << _desktop.name;
}

// The farm in a window and in full screen, and a click on the market tab in full screen: each
// walk writes window.png and full.png of one screen, and market.png after the click.
class FullScreenLooks : public LooksRun, public ::testing::WithParamInterface<sDesktop> {
protected:
    // Client pixels of a logical point in full screen.
    std::string clickFull(int _frame, int _x, int _y) const
    {
        const sDesktop& d = GetParam();
        return click(_frame, d.left + int(float(_x) * d.scale), d.top + int(float(_y) * d.scale));
    }
    static std::string altEnter(int _frame)
    {
        return std::to_string(_frame) + " down 0x38\n" + key(_frame + 1, "Enter") + std::to_string(_frame + 3) +
               " up 0x38\n";
    }
    std::string walk() const
    {
        const std::string play = logos() + click(300, 400, 226);
        switch (GetParam().road) {
        case ALT_ENTER:
            return play + shot(450, "window.png") + altEnter(460) + shot(520, "full.png") + clickFull(530, 40, 32) +
                   shot(600, "market.png");
        case OPTIONS_SWITCH:
            // The pause menu's options: the box, then Ok and Continue in full screen.
            return play + shot(450, "window.png") + key(460, "Esc") + click(500, 400, 336) + click(560, 384, 352) +
                   clickFull(620, 400, 428) + clickFull(680, 400, 212) + shot(760, "full.png") +
                   clickFull(770, 40, 32) + shot(840, "market.png");
        case START:
            return logos() + clickFull(300, 400, 226) + shot(450, "full.png") + altEnter(460) +
                   shot(520, "window.png") + altEnter(530) + clickFull(600, 40, 32) + shot(670, "market.png");
        }
        return "";
    }
    // The logical pixel as full screen shows it.
    static UInt atLogical(const sImage& _full, const sDesktop& _d, int _x, int _y)
    {
        return _full.at(UInt(_d.left + int((float(_x) + 0.5f) * _d.scale)),
                        UInt(_d.top + int((float(_y) + 0.5f) * _d.scale)));
    }
    static int difference(UInt _a, UInt _b)
    {
        int most = 0;
        for (int shift : {0, 8, 16})
            most = std::max(most, std::abs(int((_a >> shift) & 0xFF) - int((_b >> shift) & 0xFF)));
        return most;
    }
    // The share of the window's pixels that full screen, scaled down, shows otherwise.
    double unlikeShare(const sImage& _window, const sImage& _full) const
    {
        int unlike = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                unlike += difference(_window.at(UInt(x), UInt(y)), atLogical(_full, GetParam(), x, y)) > 48;
        return unlike / (800.0 * 600.0);
    }
};

TEST_P(FullScreenLooks, ShowsTheWholePictureLetterboxedAndTakesClicksWhereTheyAim)
{
    const sDesktop& d = GetParam();
    newPlayer();
    store("WGoodCount0", "10"); // grass in the barn opens the market
    if (d.road == START)
        setAttribute(settingsPath(), "fullscreen", "1");
    ASSERT_EQ(run(walk(), 860, std::to_string(d.width) + "x" + std::to_string(d.height)), 0);

    const sImage window = image("window.png"), full = image("full.png"), market = image("market.png");
    ASSERT_EQ(window.width, 800u);
    ASSERT_EQ(full.width, UInt(d.width));
    ASSERT_EQ(full.height, UInt(d.height));
    EXPECT_LT(unlikeShare(window, full), 0.05) << "the farm scaled down is the window's";
    // Black bars on both sides the picture leaves.
    for (int along = 0; along < 8; ++along) {
        if (d.left > 0) {
            const UInt y = UInt(d.height * along / 8);
            EXPECT_EQ(full.at(UInt(d.left / 2), y) & 0xFFFFFF, 0u) << "left bar at y " << y;
            EXPECT_EQ(full.at(UInt(d.width - d.left / 2), y) & 0xFFFFFF, 0u) << "right bar at y " << y;
        }
        if (d.top > 0) {
            const UInt x = UInt(d.width * along / 8);
            EXPECT_EQ(full.at(x, UInt(d.top / 2)) & 0xFFFFFF, 0u) << "top bar at x " << x;
            EXPECT_EQ(full.at(x, UInt(d.height - d.top / 2)) & 0xFFFFFF, 0u) << "bottom bar at x " << x;
        }
    }
    // The click on the tab opened the market: its paper where the farm has fields.
    for (const auto& [x, y] : {std::pair{600, 400}, {300, 560}}) {
        const UInt c = atLogical(market, d, x, y);
        EXPECT_TRUE(isPaper({(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF})) << "the market's paper at " << x << " " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Desktops, FullScreenLooks, ::testing::ValuesIn(s_desktops),
                         [](const ::testing::TestParamInfo<sDesktop>& _info) { return _info.param.name; });

} // namespace
