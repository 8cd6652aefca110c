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
    // Her entry's attributes, added to what is already known of her (an older index marked a
    // failed save on its root).
    void readEntry(const WString& _name, iXML& _entry);
    // Her attributes; _playUnsaved: the play of this run did not reach the disk either, and the
    // variables on the disk keep a stamp no newer than _stamp.
    void writeEntry(WString& _text, const WString& _name, Bool _playUnsaved, ULong _stamp) const;

    // Tells again what an earlier start kept for _name, under the subject it was told with: a
    // notice of this start under that subject tells the same loss, as it found it after the
    // earlier start had moved her files, and is not told beside it.
    void tellKept(const WString& _name);
    // Keeps, beside what is not yet shown, what this start told of _name's farm since the count of
    // notices was _from. A notice kept by the build before (which kept no subject) is told now,
    // unless this start told the same words of her. True when anything is kept.
    Bool keep(const WString& _name, std::size_t _from);
    // Forgets what has been on the screen, but of the player held; true when anything was.
    Bool forgetShown();
    void forget(const WString& _name)
    {
        m_entries.erase(_name);
        release(_name);
    }
    // What _name has seen stays kept until release(_name), whoever plays meanwhile in this run:
    // her farm is not yet on the disk as she was told it is.
    static void hold(const WString& _name);
    static void release(const WString& _name);

    // That the last save of _name failed, for an older index that said it of its current player.
    void setUnsaved(const WString& _name) { m_entries[_name].unsaved = true; }
    Bool isUnsaved(const WString& _name) const;
    // The mark of a failed save is believed only while her variables on the disk are no newer than
    // they were when it was made: _stamp is the save stamp of those a start finds. False when it
    // goes, or there was none.
    Bool believeUnsaved(const WString& _name, ULong _stamp);
    // Whether nothing of _name was ever saved: made by a start whose saves never reached the disk,
    // or told once already that her files are gone.
    Bool hasNothingSaved(const WString& _name) const;
    void setNothingSaved(const WString& _name, Bool _nothing);

private:
    struct sNotice {
        // Empty for one the build before kept.
        String kind;
        WString text;
    };
    struct sEntry {
        std::vector<sNotice> notices;
        Bool unsaved = false;
        // The newest save stamp of the variables on the disk when the failed save was marked;
        // none for a mark of an older build, which is believed as it stands.
        Bool unsavedStamped = false;
        ULong unsavedStamp = 0;
        Bool nothingSaved = false;
        Bool isEmpty() const { return notices.empty() && !unsaved && !nothingSaved; }
    };
    static String kindOf(const sNotice& _notice);
    // On the screen in this run, under its own subject or another of hers with the same words.
    static Bool isShown(const sNotice& _notice, const WString& _name);
    static Bool isHeld(const WString& _name);

    std::map<WString, sEntry> m_entries;
};
