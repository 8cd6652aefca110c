// The step that puts the files of one save in place, on real files in a folder of the test's
// own, with failures of single steps injected as a full or failing disk would give them.
#include "engine/files/PutInPlace.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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
    // The device itself refuses the rename (its new file is gone), after whatever the code did
    // before it; else the seam fails the step.
    bool onTheDevice;
    // What each of the four names holds afterwards: "new", "old", "older" or "" (none).
    const char* first;
    const char* firstBak;
    const char* second;
    const char* secondBak;
    // A hidden name something already stands at: a file a killed save left, or a folder.
    const char* stale = nullptr;
    bool staleFolder = false;
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
    bool onTheDevice = false;
};
std::vector<sFault> s_faults;
// The test's folder, while every real name must hold a whole file at each step.
const cTempFolder* s_watched = nullptr;

// What a kill at this step would leave: a whole file under each real name, a whole last copy.
void expectWholeFiles()
{
    for (const char* name : {FIRST, SECOND}) {
        const std::string now = readFileBytes(s_watched->file(name));
        const std::string last = readFileBytes(s_watched->file(std::string(name) + ".bak"));
        EXPECT_TRUE(now == "old" || now == "new") << name << " holds \"" << now << "\"";
        EXPECT_TRUE(last == "older" || last == "old") << name << ".bak holds \"" << last << "\"";
        // The old file would be in no place the start looks.
        EXPECT_FALSE(now == "new" && last == "older") << name << " is new before the old one became its last copy";
    }
}

Bool injected(eSaveStep _step, const String& _path)
{
    if (s_watched)
        expectWholeFiles();
    for (sFault& fault : s_faults) {
        if (_step != fault.step || _path.size() < fault.file.size() ||
            _path.compare(_path.size() - fault.file.size(), fault.file.size(), fault.file) != 0 || fault.passing-- > 0)
            continue;
        if (!fault.onTheDevice)
            return true;
        std::remove((_path.substr(0, _path.rfind('/') + 1) + "." + fault.file + ".1.tmp").c_str());
    }
    return false;
}

class PutInPlace : public ::testing::TestWithParam<sPutCase> {
protected:
    PutInPlace() { setSaveFault(injected); }
    ~PutInPlace() override
    {
        setSaveFault(nullptr);
        s_faults.clear();
        s_watched = nullptr;
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
    if (put.existed) {
        for (const char* name : {FIRST, SECOND}) {
            writeFileBytes(m_folder.file(name), "old");
            writeFileBytes(m_folder.file(std::string(name) + ".bak"), "older");
        }
        s_watched = &m_folder;
    }
    if (put.failing)
        s_faults = {{put.step, put.failing, 0, put.onTheDevice}};
    if (put.stale && put.staleFolder) {
        ASSERT_TRUE(platform::makeFolder(m_folder.file(put.stale)));
    } else if (put.stale) {
        writeFileBytes(m_folder.file(put.stale), "killed");
    }

    const sPutOutcome outcome = putSaveInPlace({hold(FIRST, "new"), hold(SECOND, "new")});

    EXPECT_EQ(readFileBytes(m_folder.file(FIRST)), put.first);
    EXPECT_EQ(readFileBytes(m_folder.file(std::string(FIRST) + ".bak")), put.firstBak);
    EXPECT_EQ(readFileBytes(m_folder.file(SECOND)), put.second);
    EXPECT_EQ(readFileBytes(m_folder.file(std::string(SECOND) + ".bak")), put.secondBak);
    EXPECT_FALSE(outcome.partlyPlaced);
    EXPECT_EQ(outcome.failed.size(), put.failing ? 2u : 0u) << "a failed save fails as a whole";
    // One line: the failure itself, or the folder moved aside; nothing else went wrong.
    EXPECT_EQ(outcome.log.size(), put.failing || put.staleFolder ? 1u : 0u);
    for (const std::string& name : names())
        EXPECT_FALSE(name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) << name << " is left behind";
    if (put.staleFolder) {
        EXPECT_TRUE(platform::isFolder(m_folder.file(std::string(put.stale + 1) + ".broken"))) << "the folder is not kept";
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, PutInPlace,
    ::testing::Values(sPutCase{"AllWell", true, SAVE_STEP_SYNC, nullptr, false, "new", "old", "new", "old"},
        sPutCase{"AFirstSave", false, SAVE_STEP_SYNC, nullptr, false, "new", "", "new", ""},
        sPutCase{"TheFirstFilesSync", true, SAVE_STEP_SYNC, FIRST, false, "old", "older", "old", "older"},
        sPutCase{"TheSecondFilesSync", true, SAVE_STEP_SYNC, SECOND, false, "old", "older", "old", "older"},
        sPutCase{"TheFirstFilesLink", true, SAVE_STEP_LINK, FIRST, false, "old", "older", "old", "older"},
        // The first file's second name is made already: it goes, and its last copy stays.
        sPutCase{"TheSecondFilesLink", true, SAVE_STEP_LINK, SECOND, false, "old", "older", "old", "older"},
        sPutCase{"TheFirstFilesRename", true, SAVE_STEP_RENAME, FIRST, false, "old", "older", "old", "older"},
        // Between the two renames: the first file and both last copies go back.
        sPutCase{"TheSecondFilesRename", true, SAVE_STEP_RENAME, SECOND, false, "old", "older", "old", "older"},
        sPutCase{"TheFirstFilesRenameOnTheDevice", true, SAVE_STEP_RENAME, FIRST, true, "old", "older", "old", "older"},
        sPutCase{"TheSecondFilesRenameOnTheDevice", true, SAVE_STEP_RENAME, SECOND, true, "old", "older", "old", "older"},
        sPutCase{"TheSecondFilesRenameOnAFirstSave", false, SAVE_STEP_RENAME, SECOND, false, "", "", "", ""},
        // What a kill left, or a folder, at a hidden name of the save stops no save.
        sPutCase{"AKilledSavesSecondName", true, SAVE_STEP_SYNC, nullptr, false, "new", "old", "new", "old", ".1.xml.bak.tmp"},
        sPutCase{"AKilledSavesOlderName", true, SAVE_STEP_SYNC, nullptr, false, "new", "old", "new", "old", ".1.save.older.tmp"},
        sPutCase{"AFolderAtTheSecondName", true, SAVE_STEP_SYNC, nullptr, false, "new", "old", "new", "old", ".1.save.bak.tmp", true},
        sPutCase{"AFolderAtTheOlderName", true, SAVE_STEP_SYNC, nullptr, false, "new", "old", "new", "old", ".1.xml.older.tmp", true}),
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

// A failed save leaves no last copy where there was none: the next save keeps the files of
// the failed one's time as the last copies, and leaves no second name behind.
TEST_F(PutInPlace, ASaveAfterAFailedOneKeepsTheLastCopyAndNoStrayName)
{
    for (const char* name : {FIRST, SECOND})
        writeFileBytes(m_folder.file(name), "old");
    s_faults = {{SAVE_STEP_RENAME, SECOND}};
    EXPECT_EQ(putSaveInPlace({hold(FIRST, "lost"), hold(SECOND, "lost")}).failed.size(), 2u);
    s_faults.clear();
    EXPECT_EQ(names(), (std::vector<std::string>{"1.save", "1.xml"}));

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

// A file system without hard links refuses the second name with EPERM: the last copy is
// kept by a copy instead, and the save still goes through.
TEST_F(PutInPlace, AFileSystemWithoutHardLinksKeepsTheLastCopyByACopy)
{
    for (const char* name : {FIRST, SECOND})
        writeFileBytes(m_folder.file(name), "old");
    setSaveFault([](eSaveStep _step, const String&) {
        if (_step != SAVE_STEP_LINK)
            return false;
        errno = EPERM;
        return true;
    });

    const sPutOutcome outcome = putSaveInPlace({hold(FIRST, "new"), hold(SECOND, "new")});

    EXPECT_TRUE(outcome.failed.empty());
    EXPECT_EQ(names(), (std::vector<std::string>{"1.save", "1.save.bak", "1.xml", "1.xml.bak"}));
    for (const char* name : {FIRST, SECOND}) {
        EXPECT_EQ(readFileBytes(m_folder.file(name)), "new");
        EXPECT_EQ(readFileBytes(m_folder.file(std::string(name) + ".bak")), "old");
    }
}

// A fault that would fail nothing is refused, so that no test passes for the wrong reason.
TEST(SaveFaultSeam, RefusesAValueThatWouldFailNothing)
{
    const std::pair<const char*, bool> values[] = {{"", false}, {"rename:00000001.save", false},
        {"sync:profiles.xml", false}, {"sync:00000001.xml@1,4", false}, {"link:profiles.xml", true}, {"unlink:1.xml", true},
        {"00000001.xml", true}, {"rename:", true}, {"rename:1.xml@", true}, {"rename:1.xml@two", true},
        {"rename:00000001.xml.bak", true}, {"sync:00000001.save.bak@2", true}};
    for (const auto& [value, refused] : values) {
        setenv("FURROW_SAVE_FAULT", value, 1);
        EXPECT_EQ(!refusedSaveFault().empty(), refused) << value;
    }
    unsetenv("FURROW_SAVE_FAULT");
}

} // namespace
