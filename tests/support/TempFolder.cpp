#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

cTempFolder::cTempFolder(bool _enter)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "furrow-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
    if (_enter) {
        m_previous = std::filesystem::current_path().string();
        std::filesystem::current_path(m_path);
    }
}

cTempFolder::~cTempFolder()
{
    std::error_code ignored;
    if (!m_previous.empty())
        std::filesystem::current_path(m_previous, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string readFileBytes(const std::string& _path)
{
    std::ifstream in(_path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFileBytes(const std::string& _path, const std::string& _bytes)
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(_path).parent_path(), ignored);
    std::ofstream out(_path, std::ios::binary | std::ios::trunc);
    out.write(_bytes.data(), static_cast<std::streamsize>(_bytes.size()));
}
