#pragma once
#include "FuzzScratch.h"
#include "engine/logs/Log.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A data folder with valid settings and an application-data folder, made once per fuzzing
// process in its scratch folder, for the loaders that start from the file manager.
struct sFuzzDataFolder {
    std::string root;
    std::string common;
    std::string logs;

    // Called at the start of each input: the logs of the inputs before are dropped, so a
    // long run does not fill the disk with them.
    static const sFuzzDataFolder& get()
    {
        static const sFuzzDataFolder folder = [] {
            const std::string pattern = fuzzScratchFolder();
            sFuzzDataFolder made;
            made.root = pattern + "/Data";
            made.common = pattern + "/home/Fuzz";
            std::filesystem::create_directories(made.root + "/sys");
            std::filesystem::create_directories(made.common + "/sys");
            setenv("FURROW_HOME", (pattern + "/home").c_str(), 1);
            const char16_t text[] = u"\uFEFF<main><game app_directory=\"Fuzz\" /></main>";
            write(made.root + "/sys/settings.xml", text, sizeof text - sizeof text[0]);
            // Logs of broken copies go to the scratch folder; the current folder is left alone,
            // so libFuzzer's relative corpus paths keep working.
            made.logs = pattern + "/logs/";
            std::filesystem::create_directories(made.logs);
            setLogFolder(made.logs);
            return made;
        }();
        for (const auto& entry : std::filesystem::directory_iterator(folder.logs))
            if (entry.path().extension() == ".log")
                std::filesystem::remove(entry.path());
        return folder;
    }

    static void write(const std::string& _path, const void* _data, std::size_t _size)
    {
        FILE* file = std::fopen(_path.c_str(), "wb");
        if (!file || std::fwrite(_data, 1, _size, file) != _size || std::fclose(file) != 0)
            std::abort();
    }
};
