#pragma once
#include "support/EnvironmentVariable.h"
#include "support/TempFolder.h"

#include <string>
#include <utility>
#include <vector>

// Data files (path below the data folder, bytes) that exist before the file manager looks.
using tDataFiles = std::vector<std::pair<std::string, std::string>>;

// A data folder and an application-data folder of their own for one test, with FURROW_HOME
// pointing at the latter while the object lives. The data folder starts with the settings
// the file manager needs (app_directory "Test"); the current folder is the temporary one,
// so logs stay there too.
class cTestData {
public:
    explicit cTestData(const std::string& _gameElement = "<game app_directory=\"Test\" />");
    cTestData(const cTestData&) = delete;
    cTestData& operator=(const cTestData&) = delete;

    // The data folder as the file manager is given it, and the paths below it.
    std::string root() const { return m_folder.file("Data"); }
    std::string data(const std::string& _relative) const { return root() + "/" + _relative; }
    // The common folder the settings name, and the paths below it.
    std::string common(const std::string& _relative = "") const { return m_folder.file("home/Test/" + _relative); }
    // The application-data folder.
    std::string home(const std::string& _relative = "") const { return m_folder.file("home/" + _relative); }
    // Writes a plain file, making its folders.
    void write(const std::string& _path, const std::string& _bytes) const;
    // Writes each file below the data folder.
    void writeData(const tDataFiles& _files) const;

private:
    cTempFolder m_folder;
    cEnvironmentVariable m_home;
};
