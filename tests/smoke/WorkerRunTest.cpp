#include "SmokeRun.h"

namespace {

// A player who has seen the tutorial and may buy tomato seeds, with empty hands: the worker
// serves the clicks in turn, pays for the digging on arrival, ploughs and sows.
class WorkerRun : public cSmokeRun {};

TEST_F(WorkerRun, TheWorkerTakesTheSpadePloughsTwoFieldsThenFetchesSeedsAndSowsOne)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    ASSERT_EQ(run(logos + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226), 420), 0);
    store("XPersPos", "250");
    store("YPersPos", "300");
    store("SeedAvail1", "1");
    for (int i = 0; i < 50; ++i)
        store("tip" + std::to_string(i), "1");
    // Play; the spade shed, then two fields of the first block; the pointer leaves the fields.
    std::string walk = logos + click(300, 400, 226) + click(380, 75, 510) + click(400, 330, 330) +
                       click(410, 384, 330) + "420 move 780 580\n" + shot(520, "to-the-shed.png") +
                       shot(1000, "ploughing.png");
    // Tomato seeds from the shop, put down beside the tree, fetched, and sown on the first field.
    walk += click(1250, 740, 120) + click(1310, 250, 230) + "1330 move 620 250\n" + click(1350, 620, 250) +
            "1360 move 780 580\n" + click(1400, 620, 250) + "1410 move 780 580\n" + click(1420, 330, 330) +
            "1430 move 780 580\n" + shot(1600, "with-seeds.png") + shot(2000, "sown.png");
    ASSERT_EQ(run(walk, 2010), 0);
    EXPECT_EQ(stored("Money"), "80") << "two fields dug for 5 each, a package of seeds for 10";
    EXPECT_EQ(stored("PCarry"), "10") << "the package is still in the worker's hands";
    EXPECT_EQ(stored("FFC0"), "1") << "tomatoes sown on the first field";
    EXPECT_EQ(stored("FFS0"), "0") << "and growing";
    EXPECT_EQ(stored("FFS1"), "3") << "the second field lies ploughed";
    // On its way to the shed the worker's red shirt shows between its start and the shed.
    const std::string png = readFileBytes(m_folder.file("to-the-shed.png"));
    const sImage image = loadImage(png.data(), png.size(), "to-the-shed.png");
    int shirt = 0;
    for (UInt y = 240; y < 560; ++y)
        for (UInt x = 60; x < 300; ++x) {
            const UInt c = image.at(x, y);
            shirt += ((c >> 16) & 0xFF) > 190 && ((c >> 8) & 0xFF) < 110 && (c & 0xFF) < 90;
        }
    EXPECT_GT(shirt, 20);
}

} // namespace
