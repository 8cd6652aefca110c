#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// A scratch folder of one fuzzing process: in TMPDIR when set (the test script points it at
// a folder it removes, which also catches what a crash leaves), else in memory when
// possible. It goes with everything in it when the process ends normally.
inline const std::string& fuzzScratchFolder()
{
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string base = tmp && *tmp ? tmp : access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = base + "/furrow-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    static const bool cleanup = [] {
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(fuzzScratchFolder(), ignored);
        });
        return true;
    }();
    (void)cleanup;
    return folder;
}
