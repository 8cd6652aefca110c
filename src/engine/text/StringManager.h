#pragma once
#include "engine/Singleton.h"
#include "engine/Types.h"

#include <map>
#include <set>

// Translates every text the program shows through "sys/strings.xml". With the setting
// "DumpStrings", untranslated texts are flagged on screen and listed at exit in
// "strdubp.xml", ready to be translated.
class cStringManager : public cSingleton<cStringManager> {
public:
    cStringManager();
    // Writes the dump when dumping; a failure is logged, never thrown.
    ~cStringManager() override;

    // The translation, or the text itself. By value: a reference to the argument could
    // outlive it.
    WString getString(const WString& _string);
    Bool isDumpStrings() const { return m_dumpStrings; }
    void setDumpStrings(Bool _dump) { m_dumpStrings = _dump; }

private:
    void load();
    void writeDump();

    std::map<WString, WString> m_translations;
    std::set<WString> m_missing;
    Bool m_dumpStrings = false;
};
