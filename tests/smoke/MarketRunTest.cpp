#include "platform/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

namespace {

// A player who has a barn of grass, tomatoes and milk and has seen the tutorial: to the
// market, ten grass to the stall, the price up twice, and a few seconds of trade.
class MarketRun : public ::testing::Test {
protected:
    int run(const std::string& _walk, int _frames)
    {
        writeFileBytes(m_folder.file("walk.txt"), _walk);
        const std::string command = "cd '" FURROW_BUILD "' && timeout 300 env FURROW_HOME='" + m_folder.file("home") +
                                    "' FURROW_REPLAY='" + m_folder.file("walk.txt") +
                                    "' FURROW_FRAME_TIME=0.02 SDL_AUDIODRIVER=dummy FURROW_FRAMES=" +
                                    std::to_string(_frames) + " ASAN_OPTIONS=detect_leaks=0 xvfb-run -a '" FURROW_GAME "'";
        return std::system(command.c_str());
    }
    std::string profilePath() { return m_folder.file("home/Furrow/profiles/00000001.xml"); }
    // The profile as text, its UTF-16 narrowed (every name and number in it is ASCII).
    std::string profile()
    {
        std::string text;
        for (char byte : readFileBytes(profilePath()))
            if (byte != 0)
                text += byte;
        return text;
    }
    void store(const std::string& _name, const std::string& _value)
    {
        std::string text = profile();
        const std::string head = "Name=\"" + _name + "\" Val=\"";
        const size_t at = text.find(head);
        ASSERT_NE(at, std::string::npos) << _name;
        const size_t from = at + head.size();
        text.replace(from, text.find('"', from) - from, _value);
        std::string wide = "\xFF\xFE";
        for (char c : text.substr(text.find('<')))
            wide += std::string{c, '\0'};
        writeFileBytes(profilePath(), wide);
    }
    std::string stored(const std::string& _name)
    {
        std::smatch value;
        const std::string text = profile();
        if (!std::regex_search(text, value, std::regex("Name=\"" + _name + "\" Val=\"([^\"]*)\"")))
            return "missing";
        return value[1];
    }
    std::string shot(int _frame, const std::string& _name) const
    {
        return std::to_string(_frame) + " shot " + m_folder.file(_name) + "\n";
    }
    static std::string click(int _frame, int _x, int _y)
    {
        return std::to_string(_frame) + " move " + std::to_string(_x) + " " + std::to_string(_y) + "\n" +
               std::to_string(_frame + 5) + " press left\n" + std::to_string(_frame + 6) + " release left\n";
    }
    static std::string key(int _frame, const char* _key)
    {
        return std::to_string(_frame) + " down " + _key + "\n" + std::to_string(_frame + 1) + " up " + _key + "\n";
    }
    UInt pixel(const std::string& _name, UInt _x, UInt _y)
    {
        const std::string png = readFileBytes(m_folder.file(_name));
        const sImage image = loadImage(png.data(), png.size(), _name);
        return image.at(_x, _y);
    }

    cTempFolder m_folder;
};

TEST_F(MarketRun, GoodsBroughtToTheStallSellAtThePlayersPrice)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    ASSERT_EQ(run(logos + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226), 420), 0);
    for (const auto& value : {std::pair{"WGoodCount0", "24"}, {"WGoodCount1", "8"}, {"WGoodCount10", "12"},
                              {"SeedAvail1", "1"}, {"Upgrade32", "2"}, {"MGoodPrice0", "6"}})
        store(value.first, value.second);
    for (int i = 0; i < 50; ++i)
        store("tip" + std::to_string(i), "1");
    // Play, the market tab, +10 on the first line (grass), the price up twice.
    const std::string walk = logos + click(300, 400, 226) + click(380, 40, 32) + shot(450, "market.png") +
                             click(460, 138, 178) + click(480, 298, 178) + click(500, 298, 178) +
                             shot(520, "on-sale.png") + shot(800, "selling.png");
    ASSERT_EQ(run(walk, 820), 0);
    // The stall's paper, a line's cream row, the green +1 button.
    EXPECT_GT((pixel("market.png", 600, 400) >> 16) & 0xFF, 230u);
    EXPECT_GT((pixel("market.png", 200, 165) >> 16) & 0xFF, 230u);
    const UInt plus = pixel("market.png", 98, 184);
    EXPECT_GT((plus >> 8) & 0xFF, plus & 0xFF) << std::hex << plus;
    EXPECT_EQ(stored("WGoodCount0"), "14");
    EXPECT_EQ(stored("MGoodPrice0"), "8");
    EXPECT_LT(std::stoi(stored("MGoodCount0")), 10) << "some grass sold in five seconds";
    EXPECT_GT(std::stoi(stored("Money")), 100);
}

} // namespace
