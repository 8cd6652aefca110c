#include "support/TestData.h"

#include "support/Xml16.h"

cTestData::cTestData(const std::string& _gameElement) : m_folder(true), m_home("FURROW_HOME", m_folder.file("home"))
{
    writeXml16(data("sys/settings.xml"), "<main>" + _gameElement + "</main>");
}

void cTestData::write(const std::string& _path, const std::string& _bytes) const
{
    writeFileBytes(_path, _bytes);
}

void cTestData::writeData(const tDataFiles& _files) const
{
    for (const auto& file : _files)
        write(data(file.first), file.second);
}
