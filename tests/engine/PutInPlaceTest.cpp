// The step that puts the files of one save in place, on real files in a folder of the test's
// own, with failures of single steps injected as a full or failing disk would give them.
#include "engine/PutInPlace.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

// The level state is written first, the variables second, as the game writes them.
const char* const FIRST = "1.save";
const char* const SECOND = "1.xml";

struct sPutCase {
    const char* what;
    // Whether the older save is on the disk ("old" in each file, "older" in each last copy).
    bool existed;
    eSaveStep step;
    // The file whose step fails; nullptr for none.
    const char* failing;
    // What each of the four names holds afterwards: "new", "old", "older" or "" (none).
    const char* first;
    const char* firstBak;
    const char* second;
    const char* secondBak;
};

void PrintTo(const sPutCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

struct sFault {
    eSaveStep step;
    std::string file;
    // Calls of the step for the file that still succeed.
    int passing = 0;
};
std::vector<sFault> s_faults;

Bool injected(eSaveStep _step, const String& _path)
{
    for (sFault& fault : s_faults)
        if (_step == fault.step && _path.size() >= fault.file.size() &&
            _path.compare(_path.size() - fault.file.size(), fault.file.size(), fault.file) == 0)
            return fault.passing-- <= 0;
    return false;
}

class PutInPlace : public ::testing::TestWithParam<sPutCase> {
protected:
    PutInPlace() { setSaveFault(injected); }
    ~PutInPlace() override
    {
        setSaveFault(nullptr);
        s_faults.clear();
    }

    sHeldSave hold(const std::string& _name, const std::string& _bytes)
    {
        const std::string temp = m_folder.file("." + _name + ".1.tmp");
        const platform::FileHandle handle = platform::createFile(temp);
        EXPECT_NE(handle, platform::INVALID_FILE);
        EXPECT_EQ(platform::writeFile(handle, _bytes.data(), _bytes.size()), std::int64_t(_bytes.size()));
        return {handle, temp, m_folder.file(_name)};
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const platform::sFolderEntry& entry : platform::listFolder(m_folder.path()))
            found.push_back(entry.name);
        return found;
    }

    cTempFolder m_folder;
};

TEST_P(PutInPlace, EitherTheWholeSaveOrNoneOfItStandsAfterwards)
{
    const sPutCase& put = GetParam();
    if (put.existed)
        for (const char* name : {FIRST, SECOND}) {
            writeFileBytes(m_folder.file(name), "old");
            writeFileBytes(m_folder.file(std::string(name) + ".bak"), "older");
        }
    if (put.failing)
        s_faults = {{put.step, put.failing}};

    const sPutOutcome outcome = putSaveInPlace({hold(FIRST, "new"), hold(SECOND, "new")});

    EXPECT_EQ(readFileBytes(m_folder.file(FIRST)), put.first);
    EXPECT_EQ(readFileBytes(m_folder.file(std::string(FIRST) + ".bak")), put.firstBak);
    EXPECT_EQ(readFileBytes(m_folder.file(SECOND)), put.second);
    EXPECT_EQ(readFileBytes(m_folder.file(std::string(SECOND) + ".bak")), put.secondBak);
    EXPECT_FALSE(outcome.partlyPlaced);
    EXPECT_EQ(outcome.failed.size(), put.failing ? 2u : 0u) << "a failed save fails as a whole";
    EXPECT_EQ(outcome.log.empty(), put.failing == nullptr);
    for (const std::string& name : names())
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << name << " is left behind";
}

INSTANTIATE_TEST_SUITE_P(Steps, PutInPlace,
    ::testing::Values(sPutCase{"AllWell", true, SAVE_STEP_SYNC, nullptr, "new", "old", "new", "old"},
        sPutCase{"AFirstSave", false, SAVE_STEP_SYNC, nullptr, "new", "", "new", ""},
        sPutCase{"TheFirstFilesSync", true, SAVE_STEP_SYNC, FIRST, "old", "older", "old", "older"},
        sPutCase{"TheSecondFilesSync", true, SAVE_STEP_SYNC, SECOND, "old", "older", "old", "older"},
        sPutCase{"TheFirstFilesLink", true, SAVE_STEP_LINK, FIRST, "old", "older", "old", "older"},
        // The first file's last copy is already the current one: nothing of the save is lost.
        sPutCase{"TheSecondFilesLink", true, SAVE_STEP_LINK, SECOND, "old", "old", "old", "older"},
        sPutCase{"TheFirstFilesRename", true, SAVE_STEP_RENAME, FIRST, "old", "old", "old", "old"},
        // Between the two renames: the first file goes back to its old copy.
        sPutCase{"TheSecondFilesRename", true, SAVE_STEP_RENAME, SECOND, "old", "old", "old", "old"},
        sPutCase{"TheSecondFilesRenameOnAFirstSave", false, SAVE_STEP_RENAME, SECOND, "", "", "", ""}),
    [](const ::testing::TestParamInfo<sPutCase>& _info) { return std::string(_info.param.what); });

// A folder standing where the second file should be refuses its rename on any disk.
TEST_F(PutInPlace, AFolderInThePlaceOfTheSecondFilePutsTheFirstBack)
{
    writeFileBytes(m_folder.file(FIRST), "old");
    ASSERT_TRUE(platform::makeFolder(m_folder.file(SECOND)));

    const sPutOutcome outcome = putSaveInPlace({hold(FIRST, "new"), hold(SECOND, "new")});

    EXPECT_EQ(outcome.failed.size(), 2u);
    EXPECT_EQ(readFileBytes(m_folder.file(FIRST)), "old");
    ASSERT_FALSE(outcome.log.empty());
    EXPECT_NE(outcome.log[0].find("1.xml\" was not saved"), std::string::npos) << outcome.log[0];
}

// After a failed save each file's last copy is the file itself: the next save still keeps
// one generation and leaves no second name behind.
TEST_F(PutInPlace, ASaveAfterAFailedOneKeepsTheLastCopyAndNoStrayName)
{
    for (const char* name : {FIRST, SECOND})
        writeFileBytes(m_folder.file(name), "old");
    s_faults = {{SAVE_STEP_RENAME, SECOND}};
    EXPECT_EQ(putSaveInPlace({hold(FIRST, "lost"), hold(SECOND, "lost")}).failed.size(), 2u);
    s_faults.clear();

    EXPECT_TRUE(putSaveInPlace({hold(FIRST, "new"), hold(SECOND, "new")}).failed.empty());

    EXPECT_EQ(names(), (std::vector<std::string>{"1.save", "1.save.bak", "1.xml", "1.xml.bak"}));
    EXPECT_EQ(readFileBytes(m_folder.file(std::string(FIRST) + ".bak")), "old");
    EXPECT_EQ(readFileBytes(m_folder.file(SECOND)), "new");
}

// The first file cannot go back either (the disk failed for good): it stays new, its last
// copy is the old file, and the outcome says so; the start then pairs the old variables with
// that last copy.
TEST_F(PutInPlace, AFirstFileThatCannotGoBackIsSaidToStandNew)
{
    for (const char* name : {FIRST, SECOND})
        writeFileBytes(m_folder.file(name), "old");
    s_faults = {{SAVE_STEP_RENAME, SECOND}, {SAVE_STEP_RENAME, FIRST, 1}};

    const sPutOutcome outcome = putSaveInPlace({hold(FIRST, "new"), hold(SECOND, "new")});

    EXPECT_TRUE(outcome.partlyPlaced);
    EXPECT_EQ(outcome.failed.size(), 2u);
    EXPECT_EQ(readFileBytes(m_folder.file(FIRST)), "new");
    EXPECT_EQ(readFileBytes(m_folder.file(std::string(FIRST) + ".bak")), "old");
    EXPECT_EQ(readFileBytes(m_folder.file(SECOND)), "old");
    EXPECT_EQ(outcome.log.size(), 2u);
}

} // namespace
