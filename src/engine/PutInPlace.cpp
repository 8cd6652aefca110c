#include "engine/PutInPlace.h"

#include "platform/System.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <set>

namespace {

std::atomic<fSaveFault> s_fault{nullptr};

struct sNamedFault {
    Int step = -1;
    String name;
    // The times the step fails for that name, counted from 1; every time when empty.
    std::set<UInt> times;
};

// How often the named step has come for the named file.
std::atomic<UInt> s_namedSeen{0};

const sNamedFault& namedFault()
{
    static const sNamedFault s_named = [] {
        sNamedFault fault;
        const char* text = std::getenv("FURROW_SAVE_FAULT");
        const String value = text ? text : "";
        const std::size_t colon = value.find(':');
        if (colon == String::npos)
            return fault;
        const String step = value.substr(0, colon);
        fault.step = step == "sync" ? SAVE_STEP_SYNC : step == "link" ? SAVE_STEP_LINK : step == "rename" ? SAVE_STEP_RENAME : -1;
        String name = value.substr(colon + 1);
        const std::size_t at = name.find('@');
        if (at != String::npos) {
            for (std::size_t from = at + 1; from < name.size();) {
                const std::size_t comma = std::min(name.find(',', from), name.size());
                fault.times.insert(UInt(std::strtoul(name.substr(from, comma - from).c_str(), nullptr, 10)));
                from = comma + 1;
            }
            name.erase(at);
        }
        fault.name = "/" + name;
        return fault;
    }();
    return s_named;
}

// A failure a test asked for looks to the rest like the device's own.
Bool fails(eSaveStep _step, const String& _path)
{
    const fSaveFault fault = s_fault.load();
    const sNamedFault& named = namedFault();
    const Bool isNamed = named.step == _step && _path.size() >= named.name.size() &&
        _path.compare(_path.size() - named.name.size(), named.name.size(), named.name) == 0;
    const Bool injected = (fault && fault(_step, _path)) ||
        (isNamed && (named.times.empty() || named.times.count(++s_namedSeen) != 0));
    if (injected)
        errno = EIO;
    return injected;
}

String folderOf(const String& _path)
{
    return _path.substr(0, _path.rfind('/') + 1);
}

String failedText(const String& _path, const String& _why)
{
    return "File \"" + _path + "\" was not saved, the last copy is kept. " + _why;
}

// The current copy at _path becomes "<path>.bak" as well, by a temporary second name renamed
// over the old last copy: at no moment does a name stand empty.
Bool keepLastCopy(const String& _path)
{
    const String name = _path.substr(_path.rfind('/') + 1);
    const String link = folderOf(_path) + "." + name + ".bak.tmp";
    platform::removeFile(link);
    if (fails(SAVE_STEP_LINK, _path) || !platform::linkFile(_path, link))
        return false;
    const Bool kept = platform::renameFile(link, _path + ".bak");
    // A rename between two names of one file does nothing at all: the last copy was already
    // this file (a save before failed after keeping it), and the second name must still go.
    platform::removeFile(link);
    return kept;
}

// Puts back the copy a failed save replaced (none: there was no file).
Bool putBack(const String& _path, Bool _hadCopy)
{
    if (!_hadCopy)
        return platform::removeFile(_path);
    return !fails(SAVE_STEP_RENAME, _path) && platform::renameFile(_path + ".bak", _path) && keepLastCopy(_path);
}

void dropAll(const std::vector<sHeldSave>& _saves, std::size_t _from, sPutOutcome& _outcome)
{
    for (std::size_t i = _from; i < _saves.size(); ++i)
        platform::removeFile(_saves[i].temp);
    _outcome.failed.clear();
    for (const sHeldSave& save : _saves)
        _outcome.failed.push_back(save.path);
}

// Every file whole on the disk under its temporary name, and closed.
Bool syncAll(const std::vector<sHeldSave>& _saves, sPutOutcome& _outcome)
{
    Bool synced = true;
    for (const sHeldSave& save : _saves) {
        Bool written = !fails(SAVE_STEP_SYNC, save.path) && platform::flushFile(save.handle);
        const String why = written ? String() : platform::getLastErrorText();
        written = platform::closeFile(save.handle) && written;
        if (!written && synced)
            _outcome.log.push_back(failedText(save.path, why.empty() ? platform::getLastErrorText() : why));
        synced = synced && written;
    }
    return synced;
}

} // namespace

void setSaveFault(fSaveFault _fault)
{
    s_fault.store(_fault);
}

sPutOutcome putSaveInPlace(std::vector<sHeldSave> _saves)
{
    sPutOutcome outcome;
    if (!syncAll(_saves, outcome)) {
        dropAll(_saves, 0, outcome);
        return outcome;
    }
    std::vector<Bool> hadCopy;
    for (const sHeldSave& save : _saves) {
        hadCopy.push_back(platform::isFile(save.path));
        if (hadCopy.back() && !keepLastCopy(save.path)) {
            outcome.log.push_back(failedText(save.path, "Its last copy could not be kept: " + platform::getLastErrorText()));
            dropAll(_saves, 0, outcome);
            return outcome;
        }
    }
    for (std::size_t i = 0; i < _saves.size(); ++i) {
        if (!fails(SAVE_STEP_RENAME, _saves[i].path) && platform::renameFile(_saves[i].temp, _saves[i].path))
            continue;
        outcome.log.push_back(failedText(_saves[i].path, platform::getLastErrorText()));
        for (std::size_t j = 0; j < i; ++j)
            if (!putBack(_saves[j].path, hadCopy[j])) {
                outcome.partlyPlaced = true;
                outcome.log.push_back("File \"" + _saves[j].path + "\" of the same save could not be put back: " +
                                      platform::getLastErrorText());
            }
        dropAll(_saves, i, outcome);
        return outcome;
    }
    std::set<String> folders;
    for (const sHeldSave& save : _saves)
        folders.insert(folderOf(save.path));
    for (const String& folder : folders)
        if (!platform::syncFolder(folder))
            outcome.log.push_back("Folder \"" + folder + "\" could not be synced after a save. " + platform::getLastErrorText());
    return outcome;
}
