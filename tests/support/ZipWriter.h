#pragma once
#include <string>
#include <utility>
#include <vector>

// Test packages, written at run time.
struct sZipEntry {
    std::string name;
    std::string bytes;
    bool deflate = true;
};

// Writes a zip package of the entries, in their order, making its folders.
void writeZip(const std::string& _path, const std::vector<sZipEntry>& _entries);
// The offset of an entry's data in a package written by writeZip (after its local header),
// for tests that damage it.
std::size_t findEntryData(const std::string& _zipBytes, const std::string& _name);
