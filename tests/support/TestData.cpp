#include "support/TestData.h"

#include "support/Xml16.h"

#include <cstdlib>
#include <filesystem>

cTestData::cTestData(const std::string& _gameElement) : m_folder(true)
{
    if (const char* home = std::getenv("FURROW_HOME")) {
        m_hadHome = true;
        m_oldHome = home;
    }
    setenv("FURROW_HOME", m_folder.file("home").c_str(), 1);
    writeXml16(data("sys/settings.xml"), "<main>" + _gameElement + "</main>");
}

cTestData::~cTestData()
{
    if (m_hadHome)
        setenv("FURROW_HOME", m_oldHome.c_str(), 1);
    else
        unsetenv("FURROW_HOME");
}

void cTestData::write(const std::string& _path, const std::string& _bytes) const
{
    std::filesystem::create_directories(std::filesystem::path(_path).parent_path());
    writeFileBytes(_path, _bytes);
}

void cTestData::writeData(const tDataFiles& _files) const
{
    for (const auto& file : _files)
        write(data(file.first), file.second);
}
