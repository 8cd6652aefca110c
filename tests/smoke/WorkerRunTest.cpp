#include "platform/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

namespace {

// A player who has seen the tutorial and holds the spade: two grass fields clicked, the worker
// walks to each in turn, pays for the digging on arrival and ploughs them.
class WorkerRun : public ::testing::Test {
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

TEST_F(WorkerRun, TheWorkerWalksToTheClickedFieldsInTurnAndPloughsThemForTheirDigCost)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    ASSERT_EQ(run(logos + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226), 420), 0);
    store("PCarry", "2");
    store("XPersPos", "250");
    store("YPersPos", "300");
    for (int i = 0; i < 50; ++i)
        store("tip" + std::to_string(i), "1");
    // Play, then two fields of the first block; the pointer leaves the fields.
    const std::string walk = logos + click(300, 400, 226) + click(380, 330, 330) + click(390, 438, 360) +
                             "400 move 780 580\n" + shot(420, "walking.png") + shot(560, "ploughing.png") +
                             shot(900, "ploughed.png");
    ASSERT_EQ(run(walk, 920), 0);
    EXPECT_EQ(stored("Money"), "90") << "each field costs 5 to dig";
    EXPECT_EQ(stored("PCarry"), "2");
    int ploughed = 0;
    for (int i = 0; i < 65; ++i)
        ploughed += stored("FFS" + std::to_string(i)) == "3";
    EXPECT_EQ(ploughed, 2);
    // The walking worker's red shirt stands between where it started and the first field.
    const std::string png = readFileBytes(m_folder.file("walking.png"));
    const sImage image = loadImage(png.data(), png.size(), "walking.png");
    int shirt = 0;
    for (UInt y = 240; y < 370; ++y)
        for (UInt x = 240; x < 360; ++x) {
            const UInt c = image.at(x, y);
            shirt += ((c >> 16) & 0xFF) > 190 && ((c >> 8) & 0xFF) < 110 && (c & 0xFF) < 90;
        }
    EXPECT_GT(shirt, 20);
}

} // namespace
