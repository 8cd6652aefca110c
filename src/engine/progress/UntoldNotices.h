#pragma once
#include "engine/Types.h"

#include <map>
#include <vector>

class iXML;

// What a start told a player of her farm and she has not yet seen. It is kept in her entry of
// the profile index, written before the start moves any of her files, until it has been on the
// screen: a start ended in between (a kill, a lost display) would otherwise leave her a save
// back in silence, as the files then read whole. The next start tells it once more.
class cUntoldNotices {
public:
    void readEntry(const WString& _name, iXML& _entry);
    // Her notices not yet shown, as attributes of her entry.
    void writeEntry(WString& _text, const WString& _name) const;
    // Tells again what an earlier start kept for _name, unless the notices told since _from say
    // the same; then keeps everything told since _from. True when anything is kept.
    Bool tellAndKeep(const WString& _name, std::size_t _from);
    void forget(const WString& _name) { m_kept.erase(_name); }

private:
    struct sNotice {
        String subject;
        WString text;
    };
    // On the screen in this run, under its own subject or another one of the same words.
    static Bool isShown(const sNotice& _notice);

    std::map<WString, std::vector<sNotice>> m_kept;
};
