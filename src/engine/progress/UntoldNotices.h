#pragma once
#include "engine/Types.h"

#include <map>
#include <vector>

class iXML;

// What a player has yet to hear of her farm, kept in her entry of the profile index until it has
// been on the screen, and gone from it as soon as it has: the notices a start told her (written
// before the start moves any of her files: a start ended in between would otherwise leave her a
// save back in silence, as the files then read whole), and that her last play did not reach the
// disk. Beside them, that nothing of hers was ever saved: a start ended before her first save
// has lost her nothing.
class cUntoldNotices {
public:
    void readEntry(const WString& _name, iXML& _entry);
    // Her attributes; _playUnsaved: the play of this run did not reach the disk either. What has
    // been shown is forgotten by then (forgetShown, once a frame).
    void writeEntry(WString& _text, const WString& _name, Bool _playUnsaved) const;

    // Tells again what an earlier start kept for _name, under the subject it was told with: a
    // notice of this start under that subject tells the same loss, as it found it after the
    // earlier start had moved her files, and is not told beside it.
    void tellKept(const WString& _name);
    // Keeps, beside what is not yet shown, what this start told of _name since the count of
    // notices was _from. A notice kept by the build before (which kept no subject) is told now,
    // unless this start told the same words of her. True when anything is kept.
    Bool keep(const WString& _name, std::size_t _from);
    // Forgets what has been on the screen; true when anything was.
    Bool forgetShown();
    void forget(const WString& _name) { m_entries.erase(_name); }

    void setUnsaved(const WString& _name) { m_entries[_name].unsaved = true; }
    Bool isUnsaved(const WString& _name) const;
    // Whether nothing of _name was ever saved and her files are _missing: a player made by a start
    // ended before her first save. Kept from now on while none of hers is on the disk.
    Bool findsNothingSaved(const WString& _name, Bool _missing);

private:
    struct sNotice {
        // Its subject less her name; empty for one the build before kept.
        String kind;
        WString text;
    };
    struct sEntry {
        std::vector<sNotice> notices;
        Bool unsaved = false;
        Bool nothingSaved = false;
        Bool isEmpty() const { return notices.empty() && !unsaved && !nothingSaved; }
    };
    static String subjectOf(const sNotice& _notice, const WString& _name);
    // On the screen in this run, under its own subject or another of hers with the same words.
    static Bool isShown(const sNotice& _notice, const WString& _name);

    std::map<WString, sEntry> m_entries;
};
