#include "engine/progress/PlayerFileOwners.h"

namespace {

Bool indexGives(const std::map<WString, ULong>& _index, const WString& _name, ULong _id)
{
    const auto found = _index.find(_name);
    return found != _index.end() && found->second == _id;
}

} // namespace

cPlayerFileOwners::cPlayerFileOwners(const NAMES& _names, const std::map<WString, ULong>& _index)
{
    // A file whose copies agree (or only one of which names anyone) claims that name firmly.
    std::map<WString, std::set<ULong>> firm;
    for (const auto& [id, names] : _names) {
        const auto& [newest, last] = names;
        if (newest.empty() || last.empty() || newest == last) {
            const WString& claim = newest.empty() ? last : newest;
            if (!claim.empty())
                firm[claim].insert(id);
        }
    }
    const auto claimedElsewhere = [&firm](const WString& _name, ULong _id) {
        const auto found = firm.find(_name);
        return found != firm.end() && (found->second.size() > 1 || found->second.count(_id) == 0);
    };
    // Copies that disagree keep the name no other file firmly claims; where both are free, the
    // index's word, else the newest copy's (the farm that is loaded).
    std::map<WString, std::set<ULong>> claims = firm;
    for (const auto& [id, names] : _names) {
        const auto& [newest, last] = names;
        if (newest.empty() || last.empty() || newest == last)
            continue;
        const Bool newestFree = !claimedElsewhere(newest, id);
        const Bool lastFree = !claimedElsewhere(last, id);
        if (!newestFree && !lastFree) {
            m_doubtful.insert(id);
            continue;
        }
        const WString& owner = newestFree && (!lastFree || !indexGives(_index, last, id)) ? newest : last;
        claims[owner].insert(id);
        m_settled[id] = {newest, last, owner};
    }
    for (const auto& [name, ids] : claims)
        settleOneName(name, ids, _index);
    for (const ULong id : m_doubtful)
        m_settled.erase(id);
}

void cPlayerFileOwners::settleOneName(const WString& _name, const std::set<ULong>& _ids,
    const std::map<WString, ULong>& _index)
{
    if (_ids.size() == 1) {
        m_owners[*_ids.begin()] = _name;
        return;
    }
    for (const ULong id : _ids) {
        if (indexGives(_index, _name, id))
            m_owners[id] = _name;
        else
            m_doubtful.insert(id);
    }
}

void cPlayerFileOwners::putInDoubt(ULong _id)
{
    m_owners.erase(_id);
    m_settled.erase(_id);
    m_doubtful.insert(_id);
}
