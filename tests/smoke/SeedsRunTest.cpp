#include "platform/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string click(int _frame, int _x, int _y)
{
    return std::to_string(_frame) + " move " + std::to_string(_x) + " " + std::to_string(_y) + "\n" +
           std::to_string(_frame + 5) + " press left\n" + std::to_string(_frame + 6) + " release left\n";
}

std::string key(int _frame, const char* _key)
{
    return std::to_string(_frame) + " down " + _key + "\n" + std::to_string(_frame + 1) + " up " + _key + "\n";
}

std::uint32_t u32(const std::string& _bytes, size_t _at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | std::uint8_t(_bytes.at(_at + i));
    return value;
}

// A player's games on the demo data under a virtual display, with the lessons switched off
// in the player's own folder so that the walk is the player's alone.
class SeedsRun : public ::testing::Test {
protected:
    SeedsRun()
    {
        std::u16string tutorial = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
                                  u"<Tutorial Visible=\"1\" Enable=\"1\" TutorialEnable=\"0\" />\n";
        writeFileBytes(m_folder.file("home/Furrow/Tutorial/Tutorial.xml"),
                       std::string(reinterpret_cast<const char*>(tutorial.data()), tutorial.size() * 2));
    }
    int run(const std::string& _walk, int _frames)
    {
        writeFileBytes(m_folder.file("walk.txt"), key(60, "Space") + key(120, "Space") + key(180, "Space") + _walk);
        const std::string command = "cd '" FURROW_BUILD "' && timeout 300 env FURROW_HOME='" + m_folder.file("home") +
                                    "' FURROW_REPLAY='" + m_folder.file("walk.txt") +
                                    "' FURROW_FRAME_TIME=0.02 FURROW_FRAMES=" + std::to_string(_frames) +
                                    " SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 xvfb-run -a '" FURROW_GAME "'";
        return std::system(command.c_str());
    }
    std::string shot(int _frame, const std::string& _name) const
    {
        return std::to_string(_frame) + " shot " + m_folder.file(_name) + "\n";
    }
    // Whether the shot's pixel is the cream of a panel or a seed packet.
    bool isCream(const std::string& _name, UInt _x, UInt _y)
    {
        const std::string png = readFileBytes(m_folder.file(_name));
        const sImage image = loadImage(png.data(), png.size(), _name);
        if (image.width != 800 || image.height != 600)
            return false;
        const UInt argb = image.at(_x, _y);
        const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
        return r > 220 && g > 200 && b > 150 && r >= b;
    }
    std::string saved() { return readFileBytes(m_folder.file("home/Furrow/profiles/00000001.save")); }
    // The one package of the file: its crop, seeds and state.
    void expectOneTakenPackageOfThreeSeedsLeft(const std::string& _bytes)
    {
        ASSERT_GE(_bytes.size(), 28u);
        EXPECT_EQ(u32(_bytes, 0), 1u);
        EXPECT_EQ(u32(_bytes, 12), 1u) << "tomatoes";
        EXPECT_EQ(u32(_bytes, 16), 3u) << "one seed sown";
        EXPECT_EQ(u32(_bytes, 20), 3u) << "in the worker's hands";
    }

    cTempFolder m_folder;
};

// Tomato seeds bought and put down beside the fields (paid then), the spade fetched and a bed
// dug, the package taken by the worker and the bed sown; the next start finds the package where
// it lay, still in the worker's hands.
TEST_F(SeedsRun, APackageIsBoughtPutDownTakenAndSownAndComesBackAfterARestart)
{
    const std::string game = "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226) + click(1100, 740, 120) +
                             shot(1160, "shop.png") + click(1170, 250, 230) + "1182 move 400 290\n1186 move 450 285\n" +
                             click(1195, 450, 285) + click(1220, 75, 515) + click(1300, 330, 330) +
                             click(1700, 450, 285) + click(1800, 330, 330) + "2100 move 600 200\n" + shot(2120, "sown.png");
    ASSERT_EQ(run(game, 2130), 0);
    EXPECT_TRUE(isCream("shop.png", 560, 350));
    expectOneTakenPackageOfThreeSeedsLeft(saved());

    ASSERT_EQ(run(click(300, 400, 226) + "420 move 600 200\n" + shot(450, "again.png"), 460), 0);
    EXPECT_TRUE(isCream("again.png", 446, 282)) << "the package lies where it was put down";
    expectOneTakenPackageOfThreeSeedsLeft(saved());
}

} // namespace
