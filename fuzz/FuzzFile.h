#pragma once
#include "FuzzScratch.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// One scratch file per fuzzing process that each input is written to, for the readers that
// take a path.
inline const std::string& writeFuzzFile(const std::uint8_t* _data, std::size_t _size)
{
    static const std::string path = fuzzScratchFolder() + "/input";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(_data, 1, _size, file) != _size || std::fclose(file) != 0)
        std::abort();
    return path;
}
