#include "engine/files/PutInPlace.h"

#include "platform/system/System.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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

// The value of FURROW_SAVE_FAULT read into _fault; why it cannot be used, or empty.
String readNamedFault(const String& _value, sNamedFault& _fault)
{
    if (_value.empty())
        return String();
    const String refused = "FURROW_SAVE_FAULT=\"" + _value + "\" is not used: ";
    const std::size_t colon = _value.find(':');
    const String step = _value.substr(0, colon);
    const Int known = step == "sync" ? SAVE_STEP_SYNC : step == "link" ? SAVE_STEP_LINK : step == "rename" ? SAVE_STEP_RENAME : -1;
    if (colon == String::npos || known < 0)
        return refused + "it does not begin with sync:, link: or rename:.";
    String name = _value.substr(colon + 1);
    const std::size_t at = name.find('@');
    std::set<UInt> times;
    if (at != String::npos) {
        for (std::size_t from = at + 1; from <= name.size();) {
            const std::size_t comma = std::min(name.find(',', from), name.size());
            const String time = name.substr(from, comma - from);
            if (time.empty() || time.find_first_not_of("0123456789") != String::npos || time.size() > 9)
                return refused + "\"" + name.substr(at + 1) + "\" are no numbers of times.";
            times.insert(UInt(std::strtoul(time.c_str(), nullptr, 10)));
            from = comma + 1;
        }
        name.erase(at);
    }
    if (name.empty())
        return refused + "it names no file.";
    // A last copy, a temporary and a file set aside come of the file they stand for, whose
    // save is the one that can fail: none is saved under its own name.
    for (const char* tail : {".bak", ".tmp", ".broken"})
        if (name.size() > std::strlen(tail) && name.compare(name.size() - std::strlen(tail), String::npos, tail) == 0)
            return refused + "no save writes a file named \"" + name + "\"; name the file it comes of.";
    // The profile index is saved alone: it keeps no last copy and so is never linked.
    if (known == SAVE_STEP_LINK && name == "profiles.xml")
        return refused + "the profile index keeps no last copy, so nothing of it is linked.";
    _fault.step = known;
    _fault.name = "/" + name;
    _fault.times = times;
    return String();
}

const char* saveFaultText()
{
    const char* text = std::getenv("FURROW_SAVE_FAULT");
    return text ? text : "";
}

// A value that cannot be used fails nothing; the start refuses it (refusedSaveFault).
const sNamedFault& namedFault()
{
    static const sNamedFault s_named = [] {
        sNamedFault fault;
        if (!readNamedFault(saveFaultText(), fault).empty())
            fault = sNamedFault();
        return fault;
    }();
    return s_named;
}

// A failure a test asked for looks to the rest like the device's own; a test's hook may name
// the device's error itself.
Bool fails(eSaveStep _step, const String& _path)
{
    const fSaveFault fault = s_fault.load();
    errno = 0;
    const sNamedFault& named = namedFault();
    const Bool isNamed = named.step == _step && _path.size() >= named.name.size() &&
        _path.compare(_path.size() - named.name.size(), named.name.size(), named.name) == 0;
    const Bool injected = (fault && fault(_step, _path)) ||
        (isNamed && (named.times.empty() || named.times.count(++s_namedSeen) != 0));
    if (injected && errno == 0)
        errno = EIO;
    return injected;
}

String folderOf(const String& _path)
{
    return _path.substr(0, _path.rfind('/') + 1);
}

// A hidden name beside the file, which a start that finds it left by a kill removes.
String hiddenName(const String& _path, const char* _what)
{
    return folderOf(_path) + "." + _path.substr(_path.rfind('/') + 1) + _what;
}

// The file system keeps one name a file (a FAT stick, some network shares): it gets a copy.
Bool hasNoHardLinks(int _error)
{
    return _error == EPERM || _error == EOPNOTSUPP || _error == ENOSYS || _error == EMLINK;
}

// A second name for the file at _from, or a synced copy where names cannot be shared; the
// link is tried unless _refused (a test's fault, which names its error).
Bool secondName(const String& _from, const String& _to, Bool _refused = false)
{
    return (!_refused && platform::linkFile(_from, _to)) || (hasNoHardLinks(errno) && platform::copyFile(_from, _to));
}

String failedText(const String& _path, const String& _why)
{
    return "File \"" + _path + "\" was not saved; it and its last copy stay as they were. " + _why;
}

// One file of the save on its way to its real name.
struct sPlace {
    const sHeldSave* save = nullptr;
    String lastCopy;
    // Hidden second names: of the current file (to become the last copy) and of the last copy
    // it replaces (to go back when the save fails).
    String current;
    String older;
    Bool hadFile = false;
    Bool hadLastCopy = false;
    // Whether the current file becomes the last copy: not when something that is no file
    // stands in that place and cannot be moved.
    Bool keepsLastCopy = false;
    Bool rotated = false;
};

} // namespace

Bool clearSavePlace(const String& _path, std::vector<String>& _log)
{
    if (!platform::isFolder(_path))
        return true;
    const std::size_t name = _path.rfind('/') + 1;
    const String shown = _path[name] == '.' ? _path.substr(0, name) + _path.substr(name + 1) : _path;
    String aside = shown + ".broken";
    for (UInt n = 2; platform::getFileSize(aside) >= 0 || platform::isFolder(aside); ++n)
        aside = shown + ".broken" + std::to_string(n);
    if (platform::renameFile(_path, aside)) {
        _log.push_back("A folder stood where the save puts \"" + _path + "\"; moved aside as \"" + aside + "\".");
        return true;
    }
    _log.push_back("A folder stands where the save puts \"" + _path + "\" and cannot be moved aside (" +
                   platform::getLastErrorText() + ").");
    return false;
}

namespace {

// Every hidden name the save made is removed; the files they named keep their real names.
void clearHiddenNames(const std::vector<sPlace>& _places)
{
    for (const sPlace& place : _places) {
        platform::removeFile(place.current);
        platform::removeFile(place.older);
    }
}

// The last copies the save replaced go back: a failed save leaves them as they were.
void restoreLastCopies(std::vector<sPlace>& _places, sPutOutcome& _outcome)
{
    for (sPlace& place : _places) {
        if (!place.rotated)
            continue;
        const Bool back = place.hadLastCopy ? platform::renameFile(place.older, place.lastCopy) :
                                              platform::removeFile(place.lastCopy) || !platform::isFile(place.lastCopy);
        if (!back)
            _outcome.log.push_back("The last copy \"" + place.lastCopy + "\" could not be put back: " +
                                   platform::getLastErrorText());
        place.rotated = false;
    }
}

// Each current file (and its last copy) gets a hidden second name before anything changes; a
// failure here leaves every file as it was.
Bool prepare(const std::vector<sHeldSave>& _saves, std::vector<sPlace>& _places, sPutOutcome& _outcome)
{
    for (const sHeldSave& save : _saves) {
        _places.emplace_back();
        sPlace& place = _places.back();
        place.save = &save;
        place.lastCopy = save.path + ".bak";
        place.current = hiddenName(save.path, ".bak.tmp");
        place.older = hiddenName(save.path, ".older.tmp");
        place.hadFile = platform::isFile(save.path);
        if (!place.hadFile)
            continue;
        // Without its place the file is saved without a last copy.
        place.keepsLastCopy = clearSavePlace(place.lastCopy, _outcome.log);
        if (!place.keepsLastCopy)
            _outcome.log.back() += " The file is saved without a last copy.";
        place.hadLastCopy = place.keepsLastCopy && platform::isFile(place.lastCopy);
        // What a killed save left under these names goes first; a folder there is moved aside.
        platform::removeFile(place.current);
        platform::removeFile(place.older);
        const Bool kept = clearSavePlace(place.current, _outcome.log) && clearSavePlace(place.older, _outcome.log) &&
                          secondName(save.path, place.current, fails(SAVE_STEP_LINK, save.path)) &&
                          (!place.hadLastCopy || secondName(place.lastCopy, place.older));
        if (!kept) {
            _outcome.log.push_back(failedText(save.path, "Its last copy could not be kept: " + platform::getLastErrorText()));
            return false;
        }
    }
    return true;
}

// Each current file becomes the last copy. A kill from here on finds the last save either
// under the real names or, for a file already renamed, under its last copy.
Bool keepLastCopies(std::vector<sPlace>& _places, sPutOutcome& _outcome)
{
    for (sPlace& place : _places) {
        if (!place.keepsLastCopy)
            continue;
        if (!platform::renameFile(place.current, place.lastCopy)) {
            _outcome.log.push_back(failedText(place.save->path, "Its last copy could not be kept: " + platform::getLastErrorText()));
            return false;
        }
        place.rotated = true;
    }
    return true;
}

// Puts back the copy a failed save replaced (none: there was no file).
Bool putBack(const sPlace& _place)
{
    if (!_place.hadFile)
        return platform::removeFile(_place.save->path);
    const String& old = _place.rotated ? _place.lastCopy : _place.current;
    return !fails(SAVE_STEP_RENAME, _place.save->path) && platform::renameFile(old, _place.save->path);
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

// A rename failed at file _failed: the files renamed before it go back to their old copies,
// and, unless one of them cannot, every last copy goes back too.
void undoPlacing(std::vector<sPlace>& _places, std::size_t _failed, sPutOutcome& _outcome)
{
    for (std::size_t j = 0; j < _failed; ++j) {
        if (putBack(_places[j]))
            continue;
        // It stays new; its last copy (the file before) stays too, for the start to pair with
        // the old files of the rest.
        _outcome.partlyPlaced = true;
        _outcome.log.push_back("File \"" + _places[j].save->path + "\" of the same save could not be put back and stands new, "
                               "its last copy is the file before: " + platform::getLastErrorText());
    }
    if (!_outcome.partlyPlaced)
        restoreLastCopies(_places, _outcome);
}

} // namespace

String refusedSaveFault()
{
    sNamedFault fault;
    return readNamedFault(saveFaultText(), fault);
}

Bool saveStepFails(eSaveStep _step, const String& _path)
{
    return fails(_step, _path);
}

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
    std::vector<sPlace> places;
    places.reserve(_saves.size());
    if (!prepare(_saves, places, outcome) || !keepLastCopies(places, outcome)) {
        restoreLastCopies(places, outcome);
        clearHiddenNames(places);
        dropAll(_saves, 0, outcome);
        return outcome;
    }
    for (std::size_t i = 0; i < _saves.size(); ++i) {
        if (!fails(SAVE_STEP_RENAME, _saves[i].path) && platform::renameFile(_saves[i].temp, _saves[i].path))
            continue;
        outcome.log.push_back(failedText(_saves[i].path, platform::getLastErrorText()));
        undoPlacing(places, i, outcome);
        clearHiddenNames(places);
        dropAll(_saves, i, outcome);
        return outcome;
    }
    clearHiddenNames(places);
    std::set<String> folders;
    for (const sHeldSave& save : _saves)
        folders.insert(folderOf(save.path));
    for (const String& folder : folders)
        if (!platform::syncFolder(folder))
            outcome.log.push_back("Folder \"" + folder + "\" could not be synced after a save. " + platform::getLastErrorText());
    return outcome;
}
