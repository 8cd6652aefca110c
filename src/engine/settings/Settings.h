#pragma once
#include "engine/settings/SettingsCheck.h"
#include "engine/Singleton.h"
#include "engine/Types.h"

#include <map>

// The program's configuration: text values in named sections, read from "sys/settings.xml"
// at start and written back into the application-data folder at exit, unless the player's copy
// read at start holds exactly what the program has at exit. A value that is asked
// for and missing is created empty, so the written file lists every key the program uses;
// getters return whether the key existed, and callers preset their defaults. Values the game
// reads with a range are checked on loading (see checkSettings).
// ULong and Long are the same 32-bit types as UInt and Int here, so their overloads serve all four.
class cSettings : public cSingleton<cSettings> {
public:
    cSettings();
    // Saves; a failure is logged, never thrown.
    ~cSettings() override;

    Bool getPropertyT(const String& _section, const String& _name, DXColor& _res);
    Bool getPropertyT(const String& _section, const String& _name, WString& _res);
    Bool getPropertyT(const String& _section, const String& _name, String& _res);
    Bool getPropertyT(const String& _section, const String& _name, Vector3& _res);
    Bool getPropertyT(const String& _section, const String& _name, Float& _res);
    Bool getPropertyT(const String& _section, const String& _name, UInt& _res);
    Bool getPropertyT(const String& _section, const String& _name, Int& _res);
    Bool getPropertyT(const String& _section, const String& _name, Bool& _res);

    void setPropertyT(const String& _section, const String& _name, const DXColor& _val);
    void setPropertyT(const String& _section, const String& _name, const WString& _val);
    void setPropertyT(const String& _section, const String& _name, const String& _val);
    void setPropertyT(const String& _section, const String& _name, const Vector3& _val);
    void setPropertyT(const String& _section, const String& _name, const Float& _val);
    void setPropertyT(const String& _section, const String& _name, const UInt& _val);
    void setPropertyT(const String& _section, const String& _name, const Int& _val);
    void setPropertyT(const String& _section, const String& _name, const Bool& _val);

    void load(const String& _filename);
    void save();
    // A start that failed half-way must not write what it never finished reading.
    void setSaveOnExit(Bool _save) { m_saveOnExit = _save; }

private:
    // The stored text, or null after creating the key empty.
    const WString* find(const String& _section, const String& _name);
    void store(const String& _section, const String& _name, const WString& _value);

    SETTINGS_MAP m_properties;
    // The player's copy as it read at start, when there was one.
    SETTINGS_MAP m_playerCopy;
    Bool m_playerCopyRead = false;
    String m_fileName = "sys/settings.xml";
    Bool m_saveOnExit = true;
};
