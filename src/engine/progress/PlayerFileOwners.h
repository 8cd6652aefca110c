#pragma once
#include "engine/Types.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

// Whose farm each player file is, by the names kept in the files themselves: "<id>.xml" and
// its last copy "<id>.xml.bak" each name their player. A file's copies that name two players,
// or two files that name one, are settled so that no player's progress is ever written into
// a file that another player's files name: a name that another file's copies agree on is that
// file's, the index's word settles what is left, and a file still in doubt is nobody's (never
// loaded, so never written; its files stay as they are).
class cPlayerFileOwners {
public:
    // The names of the newest copy and of the last copy (empty where a copy names nobody).
    using NAMES = std::map<ULong, std::pair<WString, WString>>;

    // _index: the index's names and identifiers.
    cPlayerFileOwners(const NAMES& _names, const std::map<WString, ULong>& _index);

    // The player of each identifier whose files name one and are not in doubt.
    const std::map<ULong, WString>& getOwners() const { return m_owners; }
    // Identifiers whose files name someone, yet are nobody's.
    Bool isDoubtful(ULong _id) const { return m_doubtful.count(_id) != 0; }
    // Files whose two copies named two players, settled for the one now given.
    struct sSettled {
        WString newest;
        WString last;
        WString owner;
    };
    const std::map<ULong, sSettled>& getSettled() const { return m_settled; }
    const std::set<ULong>& getDoubtful() const { return m_doubtful; }
    // The file is nobody's after all: its copies name two players and cannot be parted.
    void putInDoubt(ULong _id);

private:
    // Gives _name to the one file of _ids the index gives it; with no such file, to none.
    void settleOneName(const WString& _name, const std::set<ULong>& _ids, const std::map<WString, ULong>& _index);

    std::map<ULong, WString> m_owners;
    std::map<ULong, sSettled> m_settled;
    std::set<ULong> m_doubtful;
};
