#pragma once
#include "platform/SoundLibrary.h"

#include <map>
#include <optional>
#include <string>

// Sound files held in memory and served through the library's file callbacks, so the
// library can be tested without a file system.
struct sMemorySoundFiles {
    sMemorySoundFiles();
    ~sMemorySoundFiles();
    sSoundFileCallbacks getCallbacks() const;

    std::map<std::string, std::string> files;
    std::map<unsigned int, std::size_t> open; // handle -> read position
    std::map<unsigned int, const std::string*> contents;
    unsigned int nextHandle = 1;
    // Reads throw, as a callback over a failing file system might.
    bool throwingRead = false;
    // Answered for the size instead of the true one.
    std::optional<int> claimedSize;
};
