#include "engine/settings/Settings.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/files/FileSizeLimit.h"
#include "engine/logs/LogManager.h"
#include "engine/text/NumberFormat.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/SettingsCheck.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "engine/files/TextFile.h"
#include "engine/files/XmlEscape.h"

#include <memory>
#include <vector>

cSettings::cSettings()
{
    GUARD_BEGIN
    load(m_fileName);
    GUARD_END("cSettings::cSettings()")
}

cSettings::~cSettings()
{
    // A player's copy that already says everything is left alone: no write, no wait for the disk.
    if (!m_saveOnExit || (m_playerCopyRead && m_properties == m_playerCopy))
        return;
    try {
        save();
    } catch (const String& _error) {
        logError("Settings could not be saved:\n" + _error);
    } catch (...) {
        logError("Settings could not be saved.");
    }
}

namespace {

// The values the game ships, for the player's values that do not read; none when the
// shipped copy is missing or damaged itself.
SETTINGS_MAP readShipped(const String& _filename)
{
    SETTINGS_MAP shipped;
    cFileManager* files = cFileManager::getInstance();
    if (!files)
        return shipped;
    try {
        std::unique_ptr<iFile> file(files->openShipped(_filename));
        if (!file)
            return shipped;
        std::vector<char> bytes(file->getSize() <= getFileSizeLimit(_filename) ? file->getSize() : 0);
        if (!bytes.empty() && file->read(bytes.data(), ULong(bytes.size())) == bytes.size()) {
            cXML document(_filename, bytes.data(), ULong(bytes.size()));
            readSettingsSections(&document, shipped);
        }
    } catch (...) {
        shipped.clear();
    }
    return shipped;
}

} // namespace

void cSettings::load(const String& _filename)
{
    GUARD_BEGIN
    iXML* document = cResourceManager::getInstance()->getXML(_filename);
    // The settings keep their own copy of every value: the document is not needed again.
    std::unique_ptr<iResource> owner(dynamic_cast<iResource*>(document));
    readSettingsSections(document, m_properties);
    // What the game ships is taken as it is; the player's copy is what a run can damage.
    cFileManager* files = cFileManager::getInstance();
    String key = _filename;
    m_playerCopyRead = files && files->isCommonExist(toLowerCase(key));
    if (m_playerCopyRead) {
        m_playerCopy = m_properties;
        checkSettings(m_properties, readShipped(_filename));
    }
    GUARD_END("void cSettings::load(const String &_filename)")
}

void cSettings::save()
{
    GUARD_BEGIN
    WString text = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><main>";
    for (const auto& section : m_properties) {
        text += u"<" + encodeXmlName(toWString(section.first)) + u" ";
        for (const auto& key : section.second)
            text += encodeXmlName(toWString(key.first)) + u"=\"" + escapeXml(key.second) + u"\" ";
        text += u"/>";
    }
    text += u"</main>";

    writeUtf16File(m_fileName, text, true);
    GUARD_END("void cSettings::save()")
}

const WString* cSettings::find(const String& _section, const String& _name)
{
    auto& keys = m_properties[_section];
    auto found = keys.find(_name);
    if (found == keys.end()) {
        keys.emplace(_name, WString());
        return nullptr;
    }
    return &found->second;
}

void cSettings::store(const String& _section, const String& _name, const WString& _value)
{
    m_properties[_section][_name] = _value;
}

namespace {

// Every typed getter: convert the stored text when the key exists.
template <class T, class Convert>
Bool readAs(const WString* _text, T& _res, Convert _convert)
{
    if (!_text)
        return false;
    _convert(_res, *_text);
    return true;
}

} // namespace

Bool cSettings::getPropertyT(const String& _section, const String& _name, DXColor& _res)
{
    return readAs(find(_section, _name), _res, toDXColor);
}

Bool cSettings::getPropertyT(const String& _section, const String& _name, WString& _res)
{
    return readAs(find(_section, _name), _res, [](WString& _out, const WString& _in) { _out = _in; });
}

Bool cSettings::getPropertyT(const String& _section, const String& _name, String& _res)
{
    return readAs(find(_section, _name), _res, [](String& _out, const WString& _in) { _out = toString(_in); });
}

Bool cSettings::getPropertyT(const String& _section, const String& _name, Vector3& _res)
{
    return readAs(find(_section, _name), _res, toVector3);
}

Bool cSettings::getPropertyT(const String& _section, const String& _name, Float& _res)
{
    return readAs(find(_section, _name), _res, toFloat);
}

Bool cSettings::getPropertyT(const String& _section, const String& _name, UInt& _res)
{
    return readAs(find(_section, _name), _res, toUInt);
}

Bool cSettings::getPropertyT(const String& _section, const String& _name, Int& _res)
{
    return readAs(find(_section, _name), _res, toInt);
}

Bool cSettings::getPropertyT(const String& _section, const String& _name, Bool& _res)
{
    return readAs(find(_section, _name), _res, toBool);
}

void cSettings::setPropertyT(const String& _section, const String& _name, const DXColor& _val)
{
    store(_section, _name, toWString("0x" + formatHex(colorToARGB(_val))));
}

void cSettings::setPropertyT(const String& _section, const String& _name, const WString& _val)
{
    store(_section, _name, _val);
}

void cSettings::setPropertyT(const String& _section, const String& _name, const String& _val)
{
    store(_section, _name, toWString(_val));
}

void cSettings::setPropertyT(const String& _section, const String& _name, const Vector3& _val)
{
    store(_section, _name, toWString(formatFloat(_val.x) + " " + formatFloat(_val.y) + " " + formatFloat(_val.z)));
}

void cSettings::setPropertyT(const String& _section, const String& _name, const Float& _val)
{
    store(_section, _name, toWString(formatFloat(_val)));
}

void cSettings::setPropertyT(const String& _section, const String& _name, const UInt& _val)
{
    store(_section, _name, toWString(std::to_string(_val)));
}

void cSettings::setPropertyT(const String& _section, const String& _name, const Int& _val)
{
    store(_section, _name, toWString(std::to_string(_val)));
}

void cSettings::setPropertyT(const String& _section, const String& _name, const Bool& _val)
{
    store(_section, _name, _val ? u"1" : u"0");
}
