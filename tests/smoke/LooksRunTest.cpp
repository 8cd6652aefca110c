#include "SmokeRun.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

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

    // What a tooltip brought to the screen: the shot against the bare one of the same place
    // just before the tip faded in. Below the bar only, whose clock turns between the two.
    struct sTipLook {
        int letters = 0;  // new pixels of the tips' brown letters
        int stray = 0;    // of those, the ones with no paper of the bubble around them
        int atEdge = 0;   // new paper on the screen's left, right or bottom edge
    };
    sTipLook tipLook(const std::string& _bare, const std::string& _shot)
    {
        const sImage bare = image(_bare), shot = image(_shot);
        const auto brought = [&](UInt _x, UInt _y) {
            const UInt a = bare.at(_x, _y), b = shot.at(_x, _y);
            int most = 0;
            for (int bits = 0; bits < 24; bits += 8)
                most = std::max(most, std::abs(int((a >> bits) & 0xFF) - int((b >> bits) & 0xFF)));
            return most > 40;
        };
        // Paper, the bubble's or a panel's under it; the clouds are whiter.
        const auto paperAt = [&](UInt _x, UInt _y) {
            const sRgb c = split(shot.at(_x, _y));
            return c.r > 235 && c.g > 220 && c.b > 170 && c.b < 235;
        };
        const auto letterAt = [&](UInt _x, UInt _y) {
            const sRgb c = split(shot.at(_x, _y));
            return std::abs(int(c.r) - 0x55) < 8 && std::abs(int(c.g) - 0x34) < 8 && std::abs(int(c.b) - 0x19) < 8 &&
                   brought(_x, _y);
        };
        // A letter's stroke is never wider than this, so paper is always this near a letter in its bubble.
        const int reach = 6;
        sTipLook look;
        for (UInt y = BAR_HEIGHT; y < shot.height; ++y)
            for (UInt x = 0; x < shot.width; ++x) {
                if ((x == 0 || x + 1 == shot.width || y + 1 == shot.height) && paperAt(x, y) && brought(x, y))
                    ++look.atEdge;
                if (!letterAt(x, y))
                    continue;
                ++look.letters;
                bool paper = false;
                for (int dy = -reach; dy <= reach && !paper; ++dy)
                    for (int dx = -reach; dx <= reach && !paper; ++dx) {
                        const int px = int(x) + dx, py = int(y) + dy;
                        paper = px >= 0 && py >= 0 && px < int(shot.width) && py < int(shot.height) &&
                                paperAt(UInt(px), UInt(py));
                    }
                look.stray += !paper;
            }
        return look;
    }
    static sRgb split(UInt _c) { return {(_c >> 16) & 0xFF, (_c >> 8) & 0xFF, _c & 0xFF}; }
    // Rests the cursor on _x, _y long enough for the tip to fade in, with a bare shot before it.
    std::string hover(int _frame, const std::string& _name, int _x, int _y) const
    {
        return move(_frame, _x, _y) + shot(_frame + 3, _name + "-bare.png") + shot(_frame + 70, _name + ".png") +
               move(_frame + 80, 400, 5);
    }

    static std::string altEnter(int _frame)
    {
        return std::to_string(_frame) + " down 0x38\n" + key(_frame + 1, "Enter") + std::to_string(_frame + 3) +
               " up 0x38\n";
    }
    // The pixels of _shot's rectangle that differ from _reference's by more than a blend's rounding.
    int unlikePixels(const std::string& _shot, const std::string& _reference, UInt _left, UInt _top, UInt _right,
                     UInt _bottom)
    {
        const sImage shot = image(_shot), reference = image(_reference);
        if (shot.width != reference.width || shot.height != reference.height)
            return int((_right - _left) * (_bottom - _top));
        int unlike = 0;
        for (UInt y = _top; y < _bottom; ++y)
            for (UInt x = _left; x < _right; ++x) {
                const sRgb a = split(shot.at(x, y)), b = split(reference.at(x, y));
                unlike += std::max({std::abs(int(a.r) - int(b.r)), std::abs(int(a.g) - int(b.g)),
                                    std::abs(int(a.b) - int(b.b))}) > 40;
            }
        return unlike;
    }

    static constexpr UInt BAR_HEIGHT = 60;

    // Three running contracts, goods selling fast at the market, and a walk from the farm to the
    // market and back in a window, then both again in full screen on a 1024 x 768 desktop: the farm
    // before and after the market in a window, and the four screens with their cards.
    void busyMarket()
    {
        newPlayer();
        for (const auto& [name, value] : std::vector<std::pair<const char*, const char*>>{
                 {"GameTime", "600"}, {"task0", "4"}, {"taskTime0", "150"}, {"task1", "7"}, {"taskTime1", "300"},
                 {"task2", "14"}, {"taskTime2", "330"}, {"MGoodCount0", "60"}, {"MGoodPrice0", "1"},
                 {"WGoodCount0", "0"}, {"WGoodCount1", "2"}})
            store(name, value);
        const std::string walk = logos() + click(300, 400, 226) + move(310, 790, 590) + shot(400, "farm.png") +
                                 click(410, 40, 32) + move(420, 790, 590) + shot(500, "market.png") +
                                 click(510, 108, 32) + move(518, 790, 590) + shot(545, "farm-back.png") +
                                 altEnter(560) + shot(620, "farm-full.png") + click(630, 51, 41) +
                                 move(640, 1000, 740) + shot(720, "market-full.png");
        ASSERT_EQ(run(walk, 730, "1024x768"), 0);
    }
    // The centres of the three contract cards over a screen, as the bar's data places them:
    // "ContractStatusPlaces" (the farm's) or "MarketContractPlaces".
    static std::vector<std::pair<int, int>> cardPlaces(const std::string& _list)
    {
        const std::string menu = readFileBytes(FURROW_SOURCE "/data/Ui/gameUI/GameMenu.xml");
        std::smatch list;
        EXPECT_TRUE(std::regex_search(menu, list, std::regex("<" + _list + "[^>]*>([\\s\\S]*?)</" + _list + ">")));
        std::vector<std::pair<int, int>> places;
        const std::string inner = list[1];
        const std::regex place("Place=\"(-?\\d+) (-?\\d+)\"");
        for (std::sregex_iterator it(inner.begin(), inner.end(), place), end; it != end; ++it)
            places.push_back({std::stoi((*it)[1]), std::stoi((*it)[2])});
        EXPECT_EQ(places.size(), 3u) << _list;
        return places;
    }
    // The logical pixel of a window's shot, or of a full screen's on the 1024 x 768 desktop.
    static sRgb logical(const sImage& _shot, int _x, int _y)
    {
        const float scale = _shot.width == 800 ? 1.0f : 1.28f;
        return split(_shot.at(UInt((float(_x) + 0.5f) * scale), UInt((float(_y) + 0.5f) * scale)));
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
                             click(1700, 176, 32) + click(1800, 722, 552) + click(1910, 206, 322) +
                             shot(1950, "build.png") + click(2000, 756, 230) + "2100 text q20\n" +
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
    EXPECT_LT(rgb("build.png", 60, 317).g, 90u) << "the hen house's red wall";
    EXPECT_GT(rgb("build.png", 232, 317).g, 120u) << "the cow shed's wall, dimmed";
    EXPECT_GT(redPixels("build.png", 110, 410, 300, 428), 50) << "the note under the card";
    // No line runs through the award's title.
    EXPECT_TRUE(isPaper(rgb("award.png", 245, 356))) << "beside the title";
}

// Every hover tip of the farm and the production screen, with the farm's buildings and five
// workshops at each level in turn (the well's top is its third) and the farm's upgrade buttons
// while there is a level to buy: the text the tip brings stays in its bubble, and the bubble on
// the screen. The post box holds a contract letter; the awards for money and for buildings at
// their top are won already, so that none is presented over the tips.
TEST_F(LooksRun, EveryHoverTipKeepsItsTextInItsBubble)
{
    // A tip's kind: a workshop's, or another on one of the two screens.
    constexpr int FARM = -1, YARD = -2;
    struct sTip {
        const char* name;
        int x, y;
        int kind;
        int from, to;  // the levels that show it: an upgrade button while there is one to buy
    };
    const sTip tips[] = {{"well", 60, 290, FARM, 0, 3},           {"well-upgrade", 40, 188, FARM, 0, 1},
                         {"sprinkle-button", 42, 186, FARM, 2, 3}, {"barn", 185, 360, FARM, 0, 3},
                         {"barn-upgrade", 140, 422, FARM, 0, 2},   {"spade-shed", 75, 520, FARM, 0, 3},
                         {"spade-upgrade", 45, 580, FARM, 0, 2},   {"scythe-hut", 215, 520, FARM, 0, 3},
                         {"scythe-upgrade", 185, 580, FARM, 0, 2}, {"seed-shop", 740, 120, FARM, 0, 3},
                         {"post-box", 722, 213, FARM, 0, 3},       {"field", 330, 330, FARM, 0, 3},
                         {"workshop-0", 90, 150, 0, 0, 3},         {"workshop-3", 710, 150, 3, 0, 3},
                         {"workshop-6", 90, 420, 6, 0, 3},         {"workshop-9", 710, 420, 9, 0, 3},
                         {"workshop-10", 400, 300, 10, 0, 3},      {"build-button", 708, 552, YARD, 0, 3}};
    newPlayer();
    for (int level = 0; level <= 3; ++level) {
        const std::string up = std::to_string(level);
        for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
                 {"GameTime", "250"}, {"Money", "5000"}, {"SeedAvail3", "1"}, {"UpAvail0", "0"}, {"UpAvail11", "3"},
                 {"UpAvail12", "3"}, {"UpAvail13", "2"}, {"UpAvail14", "3"}, {"letter0", "7"}, {"letTime0", "85"},
                 {"Award07UpgradeAllFarmDepots", "1"}, {"awardShow7", "1"}, {"Award09UpgradeAllManufactureDepots", "1"},
                 {"awardShow9", "1"}, {"Award16Getting1000Gold", "1"}, {"awardShow16", "1"}, {"Upgrade31", up},
                 {"Upgrade32", up}, {"Upgrade33", std::to_string(std::min(level, 2))}, {"Upgrade34", up}})
            store(name, value);
        std::string walk = logos() + click(300, 400, 226);
        int frame = 400, slot = 0;
        bool inYard = false;
        for (const sTip& tip : tips) {
            if (level < tip.from || level > tip.to)
                continue;
            if (tip.kind != FARM && !inYard) {
                walk += click(frame, 176, 32);
                frame += 100;
                inYard = true;
            }
            if (tip.kind >= 0) {
                const std::string n = std::to_string(slot++);
                store("ProdType" + n, std::to_string(tip.kind));
                store("Upgrade" + n, up);
                store("XProdPos" + n, std::to_string(tip.x));
                store("YProdPos" + n, std::to_string(tip.y));
            }
            walk += hover(frame, up + "-" + tip.name, tip.x, tip.y);
            frame += 90;
        }
        ASSERT_EQ(run(walk, frame), 0) << "level " << level;
        for (const sTip& tip : tips) {
            if (level < tip.from || level > tip.to)
                continue;
            const std::string name = up + "-" + tip.name;
            const sTipLook look = tipLook(name + "-bare.png", name + ".png");
            EXPECT_GT(look.letters, 100) << name << ": the tip shows its text";
            EXPECT_LT(look.stray, 12) << name << ": letters out of the bubble";
            EXPECT_EQ(look.atEdge, 0) << name << ": the bubble leaves the screen";
        }
    }
}

// Every screen that opens over a running game, opened over a busy farm (every bed growing, the
// sprinklers' spray the highest thing of the farm, goods selling fast at the market) and over a
// new player's bare farm, whose things stand elsewhere: its board is the same over both, so
// nothing of either farm lies on it. The check box of the options after Alt+Enter and a click on
// it is back to a window's and unticked, as over the bare farm before the switch. The barn's
// stock panel, dropped over the market, lies over the goods flying off the busy stall; the
// market's sign stays clear of the money the bare farm spends on its barn just before.
TEST_F(LooksRun, EveryScreenOpenedOverAGameStandsAboveTheWholeFarm)
{
    struct sBoard {
        const char* shot;
        const char* reference;
        UInt left, top, right, bottom;
    };
    // The market's sign, wherever the market puts it, within its edge.
    const std::string market = readFileBytes(FURROW_SOURCE "/data/Ui/gameUI/Market.xml");
    std::smatch sign;
    const std::regex signPlace("<Sign [^>]*position=\"(\\d+) (\\d+)\" size=\"(\\d+) (\\d+)\"");
    ASSERT_TRUE(std::regex_search(market, sign, signPlace));
    const UInt signX = UInt(std::stoi(sign[1])), signY = UInt(std::stoi(sign[2]));
    const UInt halfW = UInt(std::stoi(sign[3])) / 2 - 4, halfH = UInt(std::stoi(sign[4])) / 2 - 4;
    const sBoard boards[] = {{"tip", "tip", 410, 330, 690, 445},           {"letter", "letter", 185, 125, 615, 475},
                             {"failure", "failure", 185, 125, 615, 475},   {"journal", "journal", 135, 120, 665, 560},
                             {"pause", "pause", 245, 113, 555, 523},       {"options", "options", 175, 175, 625, 465},
                             {"help", "help", 95, 75, 705, 525},           {"question", "question", 205, 195, 595, 405},
                             {"box", "options", 175, 175, 625, 465},       {"award", "award", 185, 175, 615, 475},
                             {"stock", "stock", 370, 190, 430, 285},  // where the goods fly across it
                             {"sign", "sign", signX - halfW, signY - halfH, signX + halfW, signY + halfH}};
    // The mail tip, the grocer's letter and Later; the neighbour's contract's failure and Ok; the journal of the
    // note of 0:03:30; the pause menu, its options, help and question; the options again,
    // Alt+Enter and the box clicked where full screen shows it; the barn's upgrade (the bare farm's
    // only), the market, the stock panel; the award of thirty jobs.
    const auto walk = [&](const std::string& _farm) {
        const auto at = [&](int _frame, const char* _name) { return shot(_frame, _farm + _name + ".png"); };
        return logos() + click(300, 400, 226) + move(340, 790, 590) + at(480, "tip") + click(490, 722, 213) +
               at(570, "letter") + click(580, 490, 446) + move(590, 790, 590) + at(800, "failure") +
               click(810, 400, 446) + click(880, 676, 32) + at(960, "journal") + click(970, 400, 572) +
               key(1040, "Esc") + at(1110, "pause") + click(1120, 400, 336) + at(1210, "options") +
               click(1220, 400, 428) + click(1280, 400, 274) + at(1370, "help") + click(1380, 400, 490) +
               click(1440, 400, 466) + at(1520, "question") + click(1530, 496, 352) + click(1590, 400, 336) +
               altEnter(1660) + click(1720, 491, 450) + at(1800, "box") + click(1810, 400, 428) + key(1880, "Esc") +
               click(1890, 140, 422) + click(1897, 40, 32) + at(1926, "sign") + move(1930, 548, 32) +
               at(1975, "stock") + click(1980, 108, 32) + "2060 text q20\n" + at(2260, "award");
    };
    newPlayer();
    // Every award won and shown but the thirty jobs', which the walk presents.
    const std::regex unwon("(Name=\"(Award\\d\\d\\w*|awardShow\\d+)\" Val=\")0\"");
    playerFile::writeWide(profilePath(), playerFile::resealed(std::regex_replace(profile(), unwon, "$011\"")));
    for (const auto& [name, value] : std::vector<std::pair<const char*, const char*>>{
             {"Money", "100000"}, {"GameTime", "208"}, {"letter0", "7"}, {"letTime0", "85"}, {"tip17", "0"},
             {"task0", "4"}, {"taskTime0", "3"}, {"WGoodCount1", "2"}, {"Award20Megaplanning", "0"},
             {"awardShow19", "0"}, {"UpAvail12", "3"}})
        store(name, value);
    const std::string profiles = m_folder.file("home/Furrow/profiles"), kept = m_folder.file("kept");
    std::filesystem::copy(profiles, kept, std::filesystem::copy_options::recursive);
    ASSERT_EQ(run(walk("bare-"), 2270, "1024x768"), 0);

    std::filesystem::remove_all(profiles);
    std::filesystem::copy(kept, profiles, std::filesystem::copy_options::recursive);
    setAttribute(settingsPath(), "fullscreen", "0");
    for (int f = 0; f < 16; ++f)
        for (const auto& [name, value] : std::vector<std::pair<std::string, int>>{
                 {"FFS", 0}, {"FFC", f % 8}, {"FFW", 100}, {"FFP", f % 20}})
            store(name + std::to_string(f), std::to_string(value));
    for (int s = 0; s < 3; ++s)
        for (const auto& [name, value] : std::vector<std::pair<std::string, int>>{
                 {"SPExist", 1}, {"SPStatus", 0}, {"SPXPos", 360 + 140 * s}, {"SPYPos", 440}})
            store(name + std::to_string(s), std::to_string(value));
    for (int u = 31; u <= 34; ++u)
        store("Upgrade" + std::to_string(u), "3");
    for (const char* kind : {"0", "1", "3", "10"}) {
        store(std::string("MGoodCount") + kind, "60");
        store(std::string("MGoodPrice") + kind, "1");
    }
    ASSERT_EQ(run(walk("busy-"), 2270, "1024x768"), 0);

    for (const sBoard& board : boards) {
        const int area = int((board.right - board.left) * (board.bottom - board.top));
        EXPECT_LT(unlikePixels(std::string("busy-") + board.shot + ".png",
                               std::string("bare-") + board.reference + ".png", board.left, board.top, board.right,
                               board.bottom),
                  area / 100)
            << board.shot;
    }
}

// Each card's clock, on the farm and at the market, in a window and in full screen, stands
// whole on the card's board, above its lower edge, and left of the time bar.
TEST_F(LooksRun, EveryContractCardShowsItsClockWholeBesideItsBar)
{
    busyMarket();
    // The board's top left corner where the bar's data puts each card over the screen.
    const auto farm = cardPlaces("ContractStatusPlaces"), market = cardPlaces("MarketContractPlaces");
    for (const char* name : {"farm.png", "market.png", "farm-full.png", "market-full.png"}) {
        const sImage shot = image(name);
        const auto& places = std::string(name).rfind("farm", 0) == 0 ? farm : market;
        for (int card = 0; card < 3; ++card) {
            const int left = places[card].first - 92, top = places[card].second - 32;
            int clock = 0, lowest = 0, inkRight = 0, barLeft = 1000;
            // Below the row of the goods' icons, above the board's lower edge.
            for (int y = 40; y < 56; ++y)
                for (int x = 48; x < 166; ++x) {
                    const sRgb c = logical(shot, left + x, top + y);
                    if (isInk(c)) {
                        ++clock;
                        lowest = std::max(lowest, y);
                        inkRight = std::max(inkRight, x);
                    }
                    if (isLeaf(c))
                        barLeft = std::min(barLeft, x);
                }
            const std::string where = std::string(name) + ", card " + std::to_string(card);
            EXPECT_GT(clock, 30) << where << ": the clock";
            EXPECT_LT(lowest, 54) << where << ": the clock is cut by the board's lower edge";
            EXPECT_LT(inkRight, barLeft) << where << ": the clock runs into the bar";
        }
    }
}

// The market's headings and the controls of all nineteen lines, as its data lays them out:
// each a rectangle of the logical screen (a text without a size, a box around its middle).
std::vector<std::array<int, 4>> marketControls()
{
    const std::string market = readFileBytes(FURROW_SOURCE "/data/Ui/gameUI/Market.xml");
    std::vector<std::array<int, 4>> rects;
    const std::regex head("<Head [^>]*String=\"([^\"]*)\"[^>]*position=\"(\\d+) (\\d+)\"");
    for (std::sregex_iterator it(market.begin(), market.end(), head), end; it != end; ++it) {
        const int x = std::stoi((*it)[2]), y = std::stoi((*it)[3]), half = int((*it)[1].length()) * 3;
        rects.push_back({x - half, y - 6, x + half, y + 6});
    }
    std::vector<std::pair<int, int>> places;
    const std::regex place("<Place pos=\"(\\d+) (\\d+)\"");
    for (std::sregex_iterator it(market.begin(), market.end(), place), end; it != end; ++it)
        places.push_back({std::stoi((*it)[1]), std::stoi((*it)[2])});
    EXPECT_EQ(places.size(), 19u);
    const std::string line = market.substr(market.find("<ProductLine>"));
    const std::regex part("<(ProductIcon|WareQtyLabel|\\w+Button|MarketQtyLabel|PriceLabel|PriceAttitudeIcon) [^>]*"
                          "position=\"(-?\\d+) (-?\\d+)\"(?: size=\"(\\d+) (\\d+)\")?");
    for (std::sregex_iterator it(line.begin(), line.end(), part), end; it != end; ++it) {
        const int x = std::stoi((*it)[2]), y = std::stoi((*it)[3]);
        const int w = (*it)[4].matched ? std::stoi((*it)[4]) : 24, h = (*it)[5].matched ? std::stoi((*it)[5]) : 16;
        for (const auto& [px, py] : places)
            rects.push_back({px + x - w / 2, py + y - h / 2, px + x + w / 2, py + y + h / 2});
    }
    return rects;
}

// Three contracts running and all nineteen goods at the stall's lines, in a window and in full
// screen: every heading and every control of the market shows as it does with no contract. On
// each switch from the farm to the market, the yard and the farm again, every shot of the slide
// shows the screen going out as it is with no contract: the cards come with the screen coming in.
TEST_F(LooksRun, TheContractCardsCoverNoControlOfTheMarketNorAScreenSlidingOut)
{
    // The frame of the click's release on the screen's tab, the tab, and the side the screen on
    // view leaves to.
    struct sSwitch {
        const char* name;
        int release;
        int x, y;
        bool outRight;
    };
    const sSwitch switches[] = {{"to-market", 366, 40, 32, true},          {"to-yard", 466, 176, 32, false},
                                {"to-farm", 506, 108, 32, true},           {"full-to-market", 606, 40, 32, true},
                                {"full-to-yard", 706, 176, 32, false},     {"full-to-farm", 746, 108, 32, true}};
    // Shots this many frames after the release; the screens slide 48 pixels a frame (2,400 a
    // second at 50 frames a second), from the release's frame on.
    const int slideShots[] = {1, 4, 8};
    newPlayer();
    const std::regex unwon("(Name=\"(Award\\d\\d\\w*|awardShow\\d+)\" Val=\")0\"");
    playerFile::writeWide(profilePath(), playerFile::resealed(std::regex_replace(profile(), unwon, "$011\"")));
    store("GameTime", "600");
    store("UpAvail0", "0"); // a workshop to build opens the yard
    const std::string profiles = m_folder.file("home/Furrow/profiles"), kept = m_folder.file("kept");
    std::filesystem::copy(profiles, kept, std::filesystem::copy_options::recursive);
    const auto walk = [&](const std::string& _name) {
        const auto go = [&](const sSwitch& _s) {
            const bool full = std::string(_s.name).rfind("full", 0) == 0;
            const float scale = full ? 1.28f : 1.0f;
            std::string lines = click(_s.release - 6, int(float(_s.x) * scale), int(float(_s.y) * scale)) +
                                move(_s.release + 1, full ? 1020 : 790, full ? 764 : 596);
            for (const int after : slideShots)
                lines += shot(_s.release + after, _name + "-" + _s.name + std::to_string(after) + ".png");
            return lines;
        };
        return logos() + click(300, 400, 226) + "330 text lanternquill\n" + go(switches[0]) +
               shot(450, _name + ".png") + go(switches[1]) + go(switches[2]) + altEnter(540) + go(switches[3]) +
               shot(690, _name + "-full.png") + go(switches[4]) + go(switches[5]);
    };
    ASSERT_EQ(run(walk("bare"), 780, "1024x768"), 0);
    std::filesystem::remove_all(profiles);
    std::filesystem::copy(kept, profiles, std::filesystem::copy_options::recursive);
    setAttribute(settingsPath(), "fullscreen", "0");
    for (const auto& [name, value] : std::vector<std::pair<const char*, const char*>>{
             {"task0", "4"}, {"taskTime0", "150"}, {"task1", "7"}, {"taskTime1", "300"}, {"task2", "14"},
             {"taskTime2", "330"}})
        store(name, value);
    ASSERT_EQ(run(walk("cards"), 780, "1024x768"), 0);
    // The logical pixels of the rectangle that the cards' shot shows otherwise than the bare one.
    const auto unlike = [&](const std::string& _name, int _left, int _top, int _right, int _bottom) {
        const sImage bare = image("bare" + _name + ".png"), shot = image("cards" + _name + ".png");
        int count = 0;
        for (int y = _top; y < _bottom; ++y)
            for (int x = _left; x < _right; ++x) {
                const sRgb a = logical(shot, x, y), b = logical(bare, x, y);
                count += std::max({std::abs(int(a.r) - int(b.r)), std::abs(int(a.g) - int(b.g)),
                                   std::abs(int(a.b) - int(b.b))}) > 40;
            }
        return count;
    };
    const auto cards = cardPlaces("MarketContractPlaces");
    for (const char* name : {"", "-full"}) {
        const sImage bare = image(std::string("bare") + name + ".png"), shot = image(std::string("cards") + name + ".png");
        // The cards are there.
        for (const auto& [x, y] : cards)
            EXPECT_GT(std::abs(int(logical(shot, x - 66, y - 2).b) - int(logical(bare, x - 66, y - 2).b)) +
                          std::abs(int(logical(shot, x + 40, y + 14).g) - int(logical(bare, x + 40, y + 14).g)),
                      40)
                << name << ": a card at " << x << " " << y;
        for (const auto& r : marketControls())
            EXPECT_LT(unlike(name, r[0], r[1], r[2], r[3]), (r[2] - r[0]) * (r[3] - r[1]) / 20)
                << name << ": something over the control at " << r[0] << " " << r[1] << " " << r[2] << " " << r[3];
    }
    for (const sSwitch& s : switches)
        for (const int after : slideShots) {
            // What is left of the screen going out, below the bar, a frame's slide to spare.
            const int gone = 48 * (after + 2);
            const std::string name = std::string("-") + s.name + std::to_string(after);
            EXPECT_LT(unlike(name, s.outRight ? gone : 0, BAR_HEIGHT, s.outRight ? 800 : 800 - gone, 600), 40)
                << name << ": a card over the screen going out";
        }
}

// Back on the farm while goods sold at the market still rise, the beds where the stall stood
// look as they did before the market was opened.
TEST_F(LooksRun, GoodsSoldAtTheMarketAreNotDrawnOverTheFarm)
{
    busyMarket();
    EXPECT_LT(unlikePixels("farm-back.png", "farm.png", 360, 230, 440, 345), 30) << "goods over the farm";
}

// Every award presented on the trophy wall in a window, and the first and the three of the
// longest praise in full screen on a 1024 x 768 desktop: no letter of the panel's words stands on
// its rim (against the first award's panel) or past it (against the wall once Ok has sent the
// award to its shelf), on either side.
TEST_F(LooksRun, EveryAwardsWordsStandOnItsPanel)
{
    // The shelf each award flies to, where the wall changes between the two shots.
    const std::string wall = readFileBytes(FURROW_SOURCE "/data/Ui/Awards.xml");
    const std::regex shelf("texture_disabled=\"[^\"]*\" position=\"(\\d+) (\\d+)\"");
    std::vector<std::pair<int, int>> shelves;
    for (auto at = std::sregex_iterator(wall.begin(), wall.end(), shelf); at != std::sregex_iterator(); ++at)
        shelves.emplace_back(std::stoi((*at)[1]), std::stoi((*at)[2]));
    ASSERT_EQ(shelves.size(), 21u);
    newPlayer();
    const std::string profiles = m_folder.file("home/Furrow/profiles"), kept = m_folder.file("kept");
    std::filesystem::copy(profiles, kept, std::filesystem::copy_options::recursive);
    const std::vector<int> everyAward = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                         12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    for (const bool full : {false, true}) {
        const std::vector<int> awards = full ? std::vector<int>{1, 6, 9, 21} : everyAward;
        const std::string mode = full ? "full-" : "window-";
        const float scale = full ? 1.28f : 1.0f;
        const auto at = [&](int _frame, int _x, int _y) {
            return click(_frame, int(float(_x) * scale), int(float(_y) * scale));
        };
        const auto name = [&](int _award, const char* _what) {
            return mode + std::to_string(_award) + _what + ".png";
        };
        std::filesystem::remove_all(profiles);
        std::filesystem::copy(kept, profiles, std::filesystem::copy_options::recursive);
        setAttribute(settingsPath(), "fullscreen", full ? "1" : "0");
        // Each code presents its award; Ok sends it to its shelf and Back leaves the wall.
        std::string walk = logos() + at(300, 400, 226);
        int frame = 420;
        for (const int award : awards) {
            walk += std::to_string(frame) + (award < 10 ? " text q0" : " text q") + std::to_string(award) + "\n" +
                    shot(frame + 130, name(award, "")) + at(frame + 135, 400, 478) +
                    shot(frame + 180, name(award, "-shelved")) + at(frame + 185, 400, 552);
            frame += 215;
        }
        ASSERT_EQ(run(walk, frame, "1024x768"), 0) << mode;
        const sImage first = image(name(1, ""));
        for (const int award : awards) {
            const sImage shot = image(name(award, "")), shelved = image(name(award, "-shelved"));
            const auto [shelfX, shelfY] = shelves[size_t(award - 1)];
            const auto unlike = [&](const sImage& _reference, int _x, int _y) {
                const sRgb a = logical(shot, _x, _y), b = logical(_reference, _x, _y);
                return std::max({std::abs(int(a.r) - int(b.r)), std::abs(int(a.g) - int(b.g)),
                                 std::abs(int(a.b) - int(b.b))}) > 40;
            };
            int spilled = 0;
            // The panel's paper stands from 168 to 632 within a rim of 14; a margin of 8 around it
            // shows the wall through the panel's shadow.
            for (int y = 116; y < 516; ++y)
                for (int x = 100; x < 700; ++x) {
                    if ((x >= 168 && x < 182) || (x >= 618 && x < 632))
                        spilled += unlike(first, x, y);
                    else if ((x < 160 || x >= 640) && (std::abs(x - shelfX) > 44 || std::abs(y - shelfY) > 44))
                        spilled += unlike(shelved, x, y);
                }
            EXPECT_EQ(spilled, 0) << name(award, "") << ": the panel's words past its edges";
            EXPECT_TRUE(isPaper(logical(shot, 200, 300))) << name(award, "") << ": the panel is up";
        }
    }
}

// A new player's journal after 3:30 of play holds five notes on thirteen lines: the page shows
// them all, the first at the top, and needs no arrow to scroll.
TEST_F(LooksRun, TheJournalShowsFiveNotesOnItsThirteenLinesWithoutScrolling)
{
    newPlayer();
    const std::string walk = logos() + click(250, 400, 226) + move(260, 790, 590) + click(3700, 676, 32) +
                             move(3710, 790, 590) + shot(3800, "journal.png");
    ASSERT_EQ(runWith(walk, "FURROW_FRAME_TIME=0.0625 FURROW_FRAMES=3810 ASAN_OPTIONS=detect_leaks=0 xvfb-run -a"), 0);
    int rings = 0;
    bool inRing = false;
    for (UInt y = 198; y < 512; ++y) {
        // Left of the ring's hole: one stroke a ring.
        const bool ink = isInk(rgb("journal.png", 178, y));
        rings += ink && !inRing;
        inRing = ink;
    }
    EXPECT_EQ(rings, 5) << "a ring beside each note";
    EXPECT_TRUE(isInk(rgb("journal.png", 178, 210))) << "the first note on the first line";
    EXPECT_TRUE(isPaper(rgb("journal.png", 640, 222))) << "no arrow to scroll up";
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

namespace {

// A notice told as Ann's game starts: of her files gone, or of values in them that do not read.
struct sNoticeCase {
    const char* what;
    const char* home;  // Ann's home in the test's folder
    std::vector<const char*> gone, unread;
    int lines;  // the fewest the notice's words take on the board
};

void PrintTo(const sNoticeCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

const sNoticeCase s_notices[] = {
    {"AFolderPathWithNoSpaceToBreakAt", "users/margaret.fairweather-hollingsworth/.var/app/org.furrowgame.Furrow/data",
     {"00000001.xml", "00000001.xml.bak", "00000001.save", "00000001.save.bak"}, {}, 4},
    {"ASalvageListingSevenValues", "home", {"00000001.xml.bak", "00000001.save.bak"},
     {"Money", "WGoodCount0", "MGoodCount0", "PCC0", "ProdCount0", "Upgrade31", "fcu"}, 5},
};

class NoticeLooks : public LooksRun, public ::testing::WithParamInterface<sNoticeCase> {
protected:
    // What a notice brought over the bare menu: the board (the rows it fills most of, as wide as
    // its top edge), the notice's letters on the board's rim or past it, and the lines of them all.
    struct sBoardLook {
        int left = 800, top = 600, right = -1, bottom = -1, cut = 0, lines = 0;
    };
    sBoardLook boardLook(const std::string& _bare, const std::string& _shot)
    {
        const sImage bare = image(_bare), shot = image(_shot);
        const auto differs = [&](int _x, int _y, int _by) {
            const sRgb a = split(bare.at(UInt(_x), UInt(_y))), b = split(shot.at(UInt(_x), UInt(_y)));
            return std::max({std::abs(int(a.r) - int(b.r)), std::abs(int(a.g) - int(b.g)),
                             std::abs(int(a.b) - int(b.b))}) > _by;
        };
        sBoardLook look;
        for (int y = 0, filled = 0; y < 600; ++y, filled = 0) {
            for (int x = 0; x < 800; ++x)
                filled += differs(x, y, 12);
            look.top = filled > 400 ? std::min(look.top, y) : look.top;
            look.bottom = filled > 400 ? y : look.bottom;
        }
        for (int x = 0; x < 800; ++x)
            if (look.top < 600 && differs(x, look.top + 1, 12)) {
                look.left = std::min(look.left, x);
                look.right = x;
            }
        // Its rim's width; a line's letters are apart from the next line's by more rows than their own parts.
        const int rim = 8, gap = 6;
        for (int y = 0, last = -gap, inRow = 0; y < 600; ++y, inRow = 0) {
            for (int x = 0; x < 800; ++x) {
                const sRgb c = split(shot.at(UInt(x), UInt(y)));
                const bool letter = std::abs(int(c.r) - 0x55) < 8 && std::abs(int(c.g) - 0x34) < 8 &&
                                    std::abs(int(c.b) - 0x19) < 8 && differs(x, y, 40);
                inRow += letter;
                look.cut += letter && (x < look.left + rim || x > look.right - rim || y < look.top + rim ||
                                       y > look.bottom - rim);
            }
            look.lines += inRow > 0 && y - last >= gap;
            last = inRow > 0 ? y : last;
        }
        return look;
    }
};

// The board over the main menu holds every line of the notice whole, within the window, and
// stands ten seconds later still (longer than three lines take to read); the menu alone once
// every notice has gone.
TEST_P(NoticeLooks, TheBoardHoldsEveryLineOfItsNoticeWithinTheWindowLongEnoughToReadThem)
{
    const sNoticeCase& notice = GetParam();
    newPlayer();
    for (const char* name : notice.unread)
        playerFile::setQuoted(profilePath(), playerFile::variableHead(name), "x");
    for (const char* file : notice.gone)
        std::filesystem::remove(m_folder.file(std::string("home/Furrow/profiles/") + file));
    const std::string home = m_folder.file(notice.home);
    std::filesystem::create_directories(std::filesystem::path(home).parent_path());
    std::filesystem::rename(m_folder.file("home"), home);
    const std::string walk = logos() + move(190, 790, 590) + shot(300, "up.png") + shot(800, "late.png") +
                             shot(2000, "bare.png");
    ASSERT_EQ(runWith(walk, "FURROW_HOME='" + home + "' FURROW_FRAMES=2010 ASAN_OPTIONS=detect_leaks=0 xvfb-run -a"), 0);
    const sBoardLook up = boardLook("bare.png", "up.png");
    EXPECT_GE(up.lines, notice.lines) << "the notice is up";
    EXPECT_EQ(up.cut, 0) << "letters on the board's rim or past it";
    EXPECT_TRUE(up.left > 0 && up.top > 0 && up.right < 799 && up.bottom < 599) << "the board leaves the window";
    EXPECT_EQ(boardLook("bare.png", "late.png").lines, up.lines) << "gone before its lines could be read";
}

INSTANTIATE_TEST_SUITE_P(Notices, NoticeLooks, ::testing::ValuesIn(s_notices),
                         [](const ::testing::TestParamInfo<sNoticeCase>& _info) { return _info.param.what; });

} // namespace
