#pragma once
#include "engine/progress/PlayerFileOwners.h"
#include "engine/Types.h"

#include <functional>
#include <map>
#include <set>
#include <vector>

class cProgressPick;

// Copies of one player's farm found in another player's file, set apart as files of their own,
// and what each player is told of them. The profile index keeps the list (KeptApart on the
// index, NewestKeptApart on the entry of a player whose newest copy went) so that each notice
// is told once, to the player it concerns, across starts.
class cKeptCopies {
public:
    // The index's KeptApart attribute.
    void readKeptApart(const WString& _text);
    // An index entry's NewestKeptApart attribute.
    void readEntry(const WString& _name, const WString& _text);
    // The index's KeptApart attribute, appended while any copy is kept.
    void writeKeptApart(WString& _text) const;
    // An entry's NewestKeptApart, appended until its player has heard it: in her own words, or
    // (_loaded: she plays in this run) as the parting's.
    void writeEntry(WString& _text, const WString& _name, Bool _loaded) const;

    Bool isKept(ULong _id) const { return m_kept.count(_id) != 0; }
    // A deleted player's copy kept apart waits for a later run: deleting him is no way to take it.
    void holdForDeleted(cPlayerFileOwners& _owners, const cPlayerFileOwners::NAMES& _names) const;
    // The player is deleted: the notices kept for him end, and no copy of his comes to him in this run.
    void forget(const WString& _name);

    // A file whose copies name two players keeps only its owner's: the copy that names the
    // other player, with the level state of its place, becomes a file of its own under the
    // identifier _freeIdentifier gives, and is listed as kept apart. A copy that cannot be moved
    // leaves the file with its owner as it is (unparted). Whether any copy was moved.
    Bool part(const cPlayerFileOwners& _owners, const std::function<ULong()>& _freeIdentifier);
    // Each copy parted in this start, told once with what becomes of it; a kept copy that has
    // since become its player's only file is told too. Whether the list of kept copies changed.
    Bool tell(const std::map<WString, ULong>& _index);
    // The farm of _player is the last copy because its newest went to the player it names: told
    // once (in the start that parted it, the parting's own words said it). False when her farm
    // has damage of its own, which says more.
    Bool tellNewestKeptApart(const WString& _player, const cProgressPick& _pick);
    // The file _id holds another player's copy that could not be moved: told to its player.
    Bool tellUnparted(ULong _id, const WString& _player) const;

private:
    // Files whose copies name two players and whose other copy could not be moved: they stay
    // with their owner, who cannot play them in this run; by the player the other copy names.
    std::map<ULong, WString> m_unparted;
    // Copies kept apart whose player has a farm of his own: told when parted and never again
    // (the index's KeptApart), nobody's until no other file names that player.
    std::set<ULong> m_kept;
    struct sParting {
        ULong id;
        WString newest;
        WString last;
        WString owner;
        WString other;
        ULong kept;
    };
    std::vector<sParting> m_partings;
    // Players whose newest copy went to the player it names, by the kept file: the farm is
    // their last copy, which is no damage. Kept in the index until they have been told.
    std::map<WString, ULong> m_newestKeptApart;
};
