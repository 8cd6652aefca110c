#include "SmokeRun.h"

#include <cstdint>

namespace {

std::uint32_t u32(const std::string& _bytes, size_t _at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | std::uint8_t(_bytes.at(_at + i));
    return value;
}

// A player's games on the demo data under a virtual display, with the lessons switched off
// in the player's own folder so that the walk is the player's alone.
class SeedsRun : public cSmokeRun {
protected:
    SeedsRun()
    {
        std::u16string tutorial = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
                                  u"<Tutorial Visible=\"1\" Enable=\"1\" TutorialEnable=\"0\" />\n";
        writeFileBytes(m_folder.file("home/Furrow/Tutorial/Tutorial.xml"),
                       std::string(reinterpret_cast<const char*>(tutorial.data()), tutorial.size() * 2));
    }
    // Every run starts past the logos.
    int run(const std::string& _walk, int _frames) { return cSmokeRun::run(logos() + _walk, _frames); }
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
    EXPECT_TRUE(isCream("shop.png", 180, 470));
    expectOneTakenPackageOfThreeSeedsLeft(saved());

    ASSERT_EQ(run(click(300, 400, 226) + "420 move 600 200\n" + shot(450, "again.png"), 460), 0);
    EXPECT_TRUE(isCream("again.png", 446, 282)) << "the package lies where it was put down";
    expectOneTakenPackageOfThreeSeedsLeft(saved());
}

} // namespace
