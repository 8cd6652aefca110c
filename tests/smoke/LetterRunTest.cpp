#include "SmokeRun.h"

namespace {

// A player who has seen the tutorial, five seconds before the time-line's first note and
// thirty-five before its first contract: the letter comes to the post box, a field tells what
// grows on it; then, in a later game, the letter comes back near its end, blinks and goes.
class LetterRun : public cSmokeRun {
protected:
    // The red wax seal of an unread letter in the post box's first place.
    bool sealShown(const std::string& _name)
    {
        const UInt seal = pixel(_name, 722, 213);
        const UInt r = (seal >> 16) & 0xFF, g = (seal >> 8) & 0xFF, b = seal & 0xFF;
        return r > 150 && g < 110 && b < 110;
    }
};

TEST_F(LetterRun, AContractLetterComesToThePostBoxBlinksNearItsEndAndGoes)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    ASSERT_EQ(run(logos + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226), 420), 0);
    store("GameTime", "205");
    for (int i = 0; i < 50; ++i)
        store("tip" + std::to_string(i), "1");
    // Play; the journal with the note of 0:03:30; the letter at 0:04:00; a field's tooltip.
    const std::string arrival = logos + click(300, 400, 226) + click(700, 676, 32) + shot(730, "journal.png") +
                                click(740, 400, 572) + shot(2150, "letter.png") + move(2200, 384, 335) +
                                move(2203, 386, 336) + shot(2240, "tooltip.png");
    ASSERT_EQ(run(arrival, 2250), 0);
    EXPECT_EQ(stored("letter0"), "7") << "the contract of 0:04:00 waits in the first place";
    const float left = std::stof(stored("letTime0"));
    EXPECT_GT(left, 80.0f);
    EXPECT_LT(left, 90.0f);
    const UInt page = pixel("journal.png", 300, 450);
    EXPECT_GT((page >> 16) & 0xFF, 220u) << "the notebook's cream page";
    EXPECT_TRUE(sealShown("letter.png"));
    const UInt board = pixel("tooltip.png", 200, 480);
    EXPECT_GT((board >> 16) & 0xFF, 220u) << "the tooltip's paper";

    // The letter comes back with seventeen seconds left: blinking from fifteen, gone at zero.
    store("letTime0", "17");
    std::string end = logos + click(300, 400, 226);
    for (int frame = 430; frame < 480; frame += 5)
        end += shot(frame, "blink" + std::to_string(frame) + ".png");
    ASSERT_EQ(run(end + shot(1200, "gone.png"), 1210), 0);
    int shown = 0, hidden = 0;
    for (int frame = 430; frame < 480; frame += 5)
        (sealShown("blink" + std::to_string(frame) + ".png") ? shown : hidden) += 1;
    EXPECT_GT(shown, 0);
    EXPECT_GT(hidden, 0);
    EXPECT_FALSE(sealShown("gone.png"));
    EXPECT_EQ(stored("letter0"), "-1");
    EXPECT_EQ(stored("awQTask"), "0");
}

} // namespace
