#pragma once
#include "engine/progress/PlayerFileOwners.h"
#include "engine/Types.h"

#include <functional>
#include <map>
#include <set>
#include <vector>

class cProgressPick;

// Copies of one player's farm found in another player's file, set apart as files of their own,
// and what each player is told of them. The profile index keeps the list (KeptApart), the
// parting under way (Parting, written before any file moves, so that a start after a kill
// finishes it), and on a player's entry what she has yet to hear: that her newest copy went
// (NewestKeptApart) or that a copy of her farm lies apart (CopyKeptApart). Each is told once,
// to the player it concerns, across starts.
class cKeptCopies {
public:
    // The index's KeptApart and Parting attributes.
    void readIndex(const WString& _kept, const WString& _parting);
    // An index entry's NewestKeptApart and CopyKeptApart attributes.
    void readEntry(const WString& _name, const WString& _newest, const WString& _copy);
    // The index's KeptApart and Parting, appended while there are any.
    void writeIndex(WString& _text) const;
    // An entry's attributes, appended while its player has not heard them.
    void writeEntry(WString& _text, const WString& _name) const;
    // Forgets what each player has heard: in her own words, or (_loaded: she plays in this run)
    // as the parting's; true when anything was.
    Bool forgetHeard(const WString& _loaded);

    Bool isKept(ULong _id) const { return m_kept.count(_id) != 0; }
    // A deleted player's copy kept apart waits for a later run: deleting him is no way to take it.
    void holdForDeleted(cPlayerFileOwners& _owners, const cPlayerFileOwners::NAMES& _names) const;
    // The player is deleted: the notices kept for him end, and no copy of his comes to him in this run.
    void forget(const WString& _name);

    // A parting that an earlier start recorded and did not finish: a copy that moved takes its
    // level state along and is a parting of this start; one that did not keeps its identifier.
    // Whether there was any.
    Bool finishRecorded();
    // A file whose copies name two players keeps only its owner's: the copy that names the
    // other player, with the level state of its place, becomes a file of its own under the
    // identifier _freeIdentifier gives (the one asked for, when free), and is listed as kept
    // apart. _record writes the index first; a copy that cannot be recorded or moved leaves the
    // file with its owner as it is (unparted). Whether any copy was moved.
    Bool part(const cPlayerFileOwners& _owners, const std::function<ULong(ULong)>& _freeIdentifier,
        const std::function<Bool()>& _record);
    // Each copy parted in this start, told once with what becomes of it; a kept copy that has
    // since become its player's only file is told too. Whether the list of kept copies changed.
    Bool tell(const std::map<WString, ULong>& _index);
    // The farm of _player is the last copy because its newest went to the player it names: told
    // once (in the start that parted it, the parting's own words said it). False when her farm
    // has damage of its own, which says more.
    Bool tellNewestKeptApart(const WString& _player, const cProgressPick& _pick);
    // A copy of _player's farm (her file is _id) lies apart: told at her own start, once.
    void tellCopyOfPlayer(const WString& _player, ULong _id) const;
    // The file _id holds another player's copy that could not be moved: told to its player, who
    // plays her own copy of it (_newest: the newest) unsaved.
    Bool tellUnparted(ULong _id, const WString& _player, Bool& _newest) const;

private:
    struct sParting {
        ULong from;
        // The newest copy goes, else the last.
        Bool newest;
        ULong kept;
        WString owner;
        WString other;
    };
    Bool partedNow(ULong _kept) const;
    // Whether its player has heard of the kept copy in the words of _what, or (_loaded: in her
    // own start) as the parting's.
    Bool isHeard(const char* _what, ULong _kept, Bool _loaded) const;
    // Moves the copy; false (and nothing moved) when it cannot be.
    Bool moveCopy(const sParting& _parting);
    void moveLevelState(const sParting& _parting);
    void unrecord(ULong _kept);

    // Files whose copies name two players and whose other copy could not be moved: they stay
    // with their owner, who cannot play them in this run; by the player the other copy names.
    struct sUnparted {
        WString other;
        Bool newestGoes;
    };
    std::map<ULong, sUnparted> m_unparted;
    // Copies kept apart whose player has a farm of his own: told when parted and never again
    // (the index's KeptApart), nobody's until no other file names that player.
    std::set<ULong> m_kept;
    std::vector<sParting> m_partings;
    // Partings the index says are under way: written before the files move.
    std::vector<sParting> m_recorded;
    // The identifier a recorded parting that moved nothing keeps, by the file it parts.
    std::map<ULong, ULong> m_wanted;
    // Players whose newest copy went to the player it names, by the kept file: the farm is
    // their last copy, which is no damage. Kept in the index until they have been told.
    std::map<WString, ULong> m_newestKeptApart;
    // Players a copy of whose farm lies apart, by the kept files: kept until they have been told.
    std::map<WString, std::set<ULong>> m_copiesOfPlayer;
};
