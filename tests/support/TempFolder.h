#pragma once
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes. With _enter, the current folder is switched into it for the object's life
// (logs are written to the current folder).
class cTempFolder {
public:
    explicit cTempFolder(bool _enter = false);
    ~cTempFolder();
    cTempFolder(const cTempFolder&) = delete;
    cTempFolder& operator=(const cTempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& _name) const { return m_path + "/" + _name; }

private:
    std::string m_path;
    std::string m_previous;
};

// The whole content of a file, or "" when it cannot be read.
std::string readFileBytes(const std::string& _path);
// Writes _bytes as the whole file, making its folders.
void writeFileBytes(const std::string& _path, const std::string& _bytes);
