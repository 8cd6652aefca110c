#include "engine/settings/SettingsCheck.h"

#include "engine/files/FileManager.h"
#include "engine/logs/Log.h"
#include "engine/logs/LogManager.h"
#include "engine/text/NumberReader.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"
#include "engine/files/XmlEscape.h"

#include <cmath>

namespace {

enum eKind { REAL, WHOLE, SWITCH, FOLDER };

struct sRange {
    const char* section;
    const char* key;
    eKind kind;
    double min, max;
};

const sRange RANGES[] = {
    {"Time", "MinFps", REAL, 1, 1000},
    {"Time", "MaxFps", REAL, 1, 10000},
    {"graphics", "width", WHOLE, 320, 8192},
    {"graphics", "height", WHOLE, 240, 8192},
    {"graphics", "reserve_sprite_count", WHOLE, 1, 1 << 20},
    {"graphics", "fullscreen", SWITCH, 0, 1},
    {"graphics", "show_fps", SWITCH, 0, 1},
    {"graphics", "show_triangles", SWITCH, 0, 1},
    {"graphics", "ShowSysCursor", SWITCH, 0, 1},
    {"lights", "count", WHOLE, 0, 8},
    {"Sound", "Music", WHOLE, 0, 100},
    {"Sound", "Sound", WHOLE, 0, 100},
    {"game", "LogResources", SWITCH, 0, 1},
    {"game", "DumpStrings", SWITCH, 0, 1},
    {"game", "RightToLeftEnable", SWITCH, 0, 1},
    {"game", "profiles", FOLDER, 0, 0},
};

WString trimmed(const WString& _text)
{
    const size_t first = _text.find_first_not_of(u" \t\r\n");
    if (first == WString::npos)
        return WString();
    return _text.substr(first, _text.find_last_not_of(u" \t\r\n") - first + 1);
}

// The whole text as one number; a number followed by anything else is none.
Bool readNumber(const WString& _text, eKind _kind, double& _value)
{
    const WString text = trimmed(_text);
    cNumberReader reader(text);
    if (_kind == REAL) {
        const auto value = reader.readDouble();
        if (!value)
            return false;
        _value = *value;
    } else {
        const auto value = reader.readSigned(-(1LL << 40), 1LL << 40);
        if (!value)
            return false;
        _value = double(*value);
    }
    return !reader.skipOne();
}

Bool isGood(const sRange& _range, const WString* _text)
{
    if (_range.kind == FOLDER)
        return _text && !trimmed(*_text).empty() && cFileManager::isInside(toString(*_text));
    if (!_text)
        return true; // the program's default applies
    double value = 0;
    return readNumber(*_text, _range.kind, value) && std::isfinite(value) && value >= _range.min &&
           value <= _range.max;
}

const WString* lookUp(const SETTINGS_MAP& _settings, const sRange& _range)
{
    const auto section = _settings.find(_range.section);
    if (section == _settings.end())
        return nullptr;
    const auto key = section->second.find(_range.key);
    return key == section->second.end() ? nullptr : &key->second;
}

} // namespace

void readSettingsSections(iXML* _document, SETTINGS_MAP& _properties)
{
    iXML* section = nullptr;
    String tag;
    for (UInt i = 0; _document->get(i, section, &tag); ++i)
        for (const auto& attribute : section->getAttributeMap())
            _properties[toString(decodeXmlName(toWString(tag)))][toString(decodeXmlName(attribute.first))] =
                attribute.second;
}

void checkSettings(SETTINGS_MAP& _settings, const SETTINGS_MAP& _shipped)
{
    for (const sRange& range : RANGES) {
        const WString* value = lookUp(_settings, range);
        if (isGood(range, value))
            continue;
        const WString* shipped = lookUp(_shipped, range);
        // The shipped folder stands even when it is empty (the top of the common folder).
        const Bool useShipped = shipped && (range.kind == FOLDER || isGood(range, shipped));
        if ((useShipped && value && *value == *shipped) || (!useShipped && !value))
            continue;
        const String was = value ? "\"" + cutForLog(toString(*value)) + "\"" : String("missing");
        const String setting = String("The setting ") + range.section + "/" + range.key + " was " + was;
        if (useShipped) {
            _settings[range.section][range.key] = *shipped;
            logError(setting + ": the shipped \"" + cutForLog(toString(*shipped)) + "\" is used.");
        } else {
            _settings[range.section].erase(range.key);
            logError(setting + ": the game's default is used.");
        }
    }
}
