#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// One scratch file per fuzzing process that each input is written to, for the readers that
// take a path.
inline const std::string& writeFuzzFile(const std::uint8_t* _data, std::size_t _size)
{
    static const std::string path = [] {
        std::string pattern = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/furrow-fuzz-XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd < 0)
            std::abort();
        close(fd);
        return pattern;
    }();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(_data, 1, _size, file) != _size || std::fclose(file) != 0)
        std::abort();
    return path;
}
