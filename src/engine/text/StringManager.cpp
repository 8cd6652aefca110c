#include "engine/text/StringManager.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/files/XML.h"
#include "engine/files/TextFile.h"
#include "engine/files/XmlEscape.h"

#include <memory>

namespace {

const char* const kStringsFile = "sys/strings.xml";
const char* const kDumpFile = "strdubp.xml";
const WString kMissingMark = u"!!!!!!!";

} // namespace

cStringManager::cStringManager()
{
    GUARD_BEGIN
    cSettings::getInstance()->getPropertyT("game", "DumpStrings", m_dumpStrings);
    if (cFileManager::getInstance()->isExist(kStringsFile))
        load();
    GUARD_END("cStringManager::cStringManager()")
}

cStringManager::~cStringManager()
{
    if (!m_dumpStrings)
        return;
    try {
        writeDump();
    } catch (const String& _error) {
        logError("The string dump could not be written:\n" + _error);
    } catch (...) {
        logError("The string dump could not be written.");
    }
}

void cStringManager::load()
{
    iXML* document = cResourceManager::getInstance()->getXML(kStringsFile);
    iXML* entry = nullptr;
    for (UInt i = 0; document->get(i, entry, nullptr); ++i) {
        WString text;
        WString translation;
        entry->getNode("text", text);
        entry->getNode("translation", translation);
        m_translations[text] = translation;
    }
    document->release();
}

WString cStringManager::getString(const WString& _string)
{
    if (_string.empty())
        return _string;
    auto found = m_translations.find(_string);
    if (found != m_translations.end())
        return found->second;
    if (!m_dumpStrings)
        return _string;
    // Flagged on screen every time, listed once in the dump.
    const WString flagged = kMissingMark + _string;
    m_translations.emplace(_string, flagged);
    m_missing.insert(_string);
    return flagged;
}

void cStringManager::writeDump()
{
    GUARD_BEGIN
    WString text = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<Strings>";
    for (const WString& missing : m_missing) {
        const WString escaped = escapeXml(missing);
        text += u"<s>\n<text>" + escaped + u"</text>\n<translation>" + escaped + u"</translation>\n</s>";
    }
    text += u"</Strings>";
    writeUtf16File(kDumpFile, text, false);
    GUARD_END("void cStringManager::writeDump()")
}
