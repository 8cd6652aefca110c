#include "engine/files/FileManager.h"

#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/files/RealFile.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"
#include "platform/system/FileSystem.h"
#include "platform/system/System.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const String COMMON_TAG = "#common#";
constexpr long MAX_FOLDER_DEPTH = 32;

String lowerCase(String _text)
{
    return toLowerCase(_text);
}

std::vector<String> splitPath(const String& _path)
{
    std::vector<String> parts;
    String part;
    for (const char c : _path) {
        if (c != '/') {
            part.push_back(c);
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

// Closes a package enumeration however it ends.
struct sFindGuard {
    cZipFile::ZIP_FILE zip;
    ~sFindGuard()
    {
        if (zip)
            try {
                cZipFile::findClose(zip);
            } catch (...) {
            }
    }
};

} // namespace

cFileManager::cFileManager(const String& _rootDirectory, const String& _packageExtention)
{
    GUARD_BEGIN
    try {
        build(_rootDirectory, _packageExtention);
    } catch (...) {
        // No destructor runs for a failed construction: the settings may have left a
        // package open.
        closeOpenPackages();
        throw;
    }
    GUARD_END("cFileManager::cFileManager(const String& _rootDirectory, const String& _packageExtention)")
}

void cFileManager::build(const String& _rootDirectory, const String& _packageExtention)
{
    m_root = _rootDirectory;
    replaceChar(m_root, '\\', '/');
    if (m_root.empty() || m_root.back() != '/')
        m_root += '/';
    m_packageExtention = lowerCase(_packageExtention);
    toIndexDirectory(m_root, "");
    for (const String& package : m_packages)
        indexPackage(package);
    readCommonDirectory();
    createDirectories(m_common);
    m_index.swap(m_shadowIndex);
    toIndexDirectory(m_common, COMMON_TAG);
    for (const auto& entry : m_shadowIndex)
        m_index.insert(entry);
}

cFileManager& cFileManager::get()
{
    cFileManager* manager = getInstance();
    if (!manager)
        throw "File manager not created.";
    return *manager;
}

cFileManager::~cFileManager()
{
    finishWriter();
    closeOpenPackages();
}

void cFileManager::closeOpenPackages()
{
    for (auto& packages : m_openPackages)
        for (cZipFile::ZIP_FILE package : packages.second.idle)
            try {
                cZipFile::findClose(package);
            } catch (...) {
            }
    m_openPackages.clear();
}

void cFileManager::indexPackage(const String& _package)
{
    sFindGuard find{cZipFile::findOpen(m_root + _package)};
    String name;
    for (Bool more = cZipFile::findFirstFile(find.zip, name); more; more = cZipFile::findNextFile(find.zip, name)) {
        const String key = lowerCase(name);
        if (getFileName(key).empty())
            continue;
        sEntry entry{_package, name, cZipFile::findPosition(find.zip)};
        const auto found = m_index.find(key);
        if (found == m_index.end())
            m_index.emplace(key, entry);
        else if (!found->second.tag.empty())
            found->second = entry;
    }
    cZipFile::ZIP_FILE zip = find.zip;
    find.zip = nullptr;
    cZipFile::findClose(zip);
}

void cFileManager::readCommonDirectory()
{
    // The shipped settings decide the folder: the common folder is not indexed yet.
    cXML settings("sys/settings.xml");
    iXML* game = nullptr;
    if (!settings.get("game", game))
        throw "app_directory not defined.";
    String folder = toString((*game)[u"app_directory"]);
    replaceChar(folder, '\\', '/');
    if (folder.empty())
        folder = toString((*game)[u"window_title"]);
    if (folder.empty())
        throw "app_directory not defined.";
    m_common = platform::getAppDataFolder() + "/" + folder + "/";
    replaceChar(m_common, '\\', '/');
}

void cFileManager::toIndexDirectory(const String& _path, const String& _dirTag)
{
    GUARD_BEGIN
    std::vector<String> folders{String()};
    while (!folders.empty()) {
        const String relative = folders.back();
        folders.pop_back();
        for (const platform::sFolderEntry& found : platform::listFolder(_path + relative)) {
            if (found.name[0] == '.')
                continue;
            const String path = relative + found.name;
            if (found.isFolder) {
                // A link back up the tree would otherwise be walked for ever.
                if (std::count(path.begin(), path.end(), '/') < MAX_FOLDER_DEPTH)
                    folders.push_back(path + "/");
                else
                    getLog("error")->print("Folder \"" + _path + path + "\" is nested too deep and is not read.");
            }
            else if (getFileExt(found.name) == m_packageExtention) {
                // Packages are read from the data folder only.
                if (_dirTag.empty())
                    m_packages.insert(path);
            } else
                addFile(lowerCase(path), sEntry{_dirTag, path, 0});
        }
    }
    GUARD_END("void cFileManager::toIndexDirectory(const String& _path, const String& _dirTag)")
}

void cFileManager::addFile(const String& _key, const sEntry& _entry)
{
    const auto inserted = m_index.emplace(_key, _entry);
    if (inserted.second)
        return;
    // Names that differ only in case were one file on Windows: the first in byte order wins.
    sEntry& kept = inserted.first->second;
    String dropped = _entry.path;
    if (_entry.path < kept.path) {
        dropped = kept.path;
        kept = _entry;
    }
    getLog("error")->print("File \"" + dropped + "\" differs from \"" + kept.path
                           + "\" only in letter case and is not used.");
}

const String& cFileManager::getRootDirectory()
{
    return m_root;
}

iFile* cFileManager::open(const String& _name, const ULong)
{
    GUARD_BEGIN
    const String key = lowerCase(_name);
    const auto found = m_index.find(key);
    if (found == m_index.end())
        throw "File \"" + key + "\" not found.";
    return openEntry(found->second);
    GUARD_END("iFile* cFileManager::open(const String& _name, const ULong _access)")
}

iFile* cFileManager::openShipped(const String& _name)
{
    GUARD_BEGIN
    const auto found = m_shadowIndex.find(lowerCase(_name));
    return found == m_shadowIndex.end() ? nullptr : openEntry(found->second);
    GUARD_END("iFile* cFileManager::openShipped(const String& _name)")
}

iFile* cFileManager::openEntry(const sEntry& _entry)
{
    if (_entry.tag.empty())
        return new cRealFile(m_root + _entry.path, cRealFile::ACCESS_READ, cRealFile::OPEN_EXISTING);
    if (_entry.tag == COMMON_TAG)
        return new cRealFile(m_common + _entry.path, cRealFile::ACCESS_READ, cRealFile::OPEN_EXISTING);
    const String package = m_root + _entry.tag;
    sOpenPackages& packages = m_openPackages[package];
    if (packages.size < 0)
        packages.size = platform::getFileSize(package);
    cZipFile::ZIP_FILE open = nullptr;
    if (!packages.idle.empty()) {
        open = packages.idle.back();
        packages.idle.pop_back();
    }
    return new cZipFile(package, _entry.path, _entry.position, open, packages.size, &cFileManager::onPackageDone);
}

iFile* cFileManager::create(const WString& _name)
{
    GUARD_BEGIN
    return create(toString(_name));
    GUARD_END("iFile* cFileManager::create(const WString& _name)")
}

iFile* cFileManager::create(const String& _name)
{
    GUARD_BEGIN
    String key = lowerCase(_name);
    replaceChar(key, '\\', '/');
    const String relative = resolveCommon(key);
    const String path = m_common + relative;
    createDirectories(path);
    const String folder = path.substr(0, path.rfind('/') + 1);
    // A folder standing at a write name is no reason to fail the save: the next name is taken.
    String temp;
    do
        temp = folder + "." + getFileName(path) + "." + std::to_string(++m_saveCount) + ".tmp";
    while (platform::isFolder(temp));
    const platform::FileHandle handle = platform::createFile(temp);
    if (handle == platform::INVALID_FILE)
        throw "File \"" + _name + "\" can't be creating.\n" + platform::getLastErrorText();
    m_index[key] = sEntry{COMMON_TAG, relative, 0};
    // The next request must load the new content, not a cached copy of the old one.
    if (cResourceManager::exists())
        cResourceManager::getInstance()->releaseResource(key);
    return new cRealFile(handle, temp, path, &cFileManager::onSaveFailed, &cFileManager::onSaveWritten);
    GUARD_END("iFile* cFileManager::create(const String& _name)")
}

void cFileManager::remove(const String& _name)
{
    GUARD_BEGIN
    if (!platform::removeFile(m_common + resolveCommon(_name)))
        return;
    uncover(lowerCase(_name));
    GUARD_END("void cFileManager::remove(const String& _name)")
}

void cFileManager::moveAside(const String& _name, const String& _why)
{
    GUARD_BEGIN
    const String key = lowerCase(_name);
    const auto found = m_index.find(key);
    if (found == m_index.end() || found->second.tag != COMMON_TAG)
        return;
    const String path = m_common + found->second.path;
    // An earlier damaged copy is kept too: each goes under a name of its own.
    String aside = path + ".broken";
    for (UInt n = 2; platform::getFileSize(aside) >= 0; ++n)
        aside = path + ".broken" + std::to_string(n);
    if (!platform::renameFile(path, aside)) {
        logError("File \"" + path + "\" " + _why + " and cannot be moved aside. " + platform::getLastErrorText());
        return;
    }
    logError("File \"" + path + "\" " + _why + "; moved aside as \"" + aside + "\".");
    uncover(key);
    GUARD_END("void cFileManager::moveAside(const String& _name, const String& _why)")
}

Bool cFileManager::moveTo(const String& _from, const String& _to)
{
    GUARD_BEGIN
    const String fromKey = lowerCase(_from);
    const String toKey = lowerCase(_to);
    const auto found = m_index.find(fromKey);
    if (found == m_index.end() || found->second.tag != COMMON_TAG)
        return false;
    const String relative = resolveCommon(toKey);
    const String path = m_common + relative;
    if (platform::getFileSize(path) >= 0 || platform::isFolder(path) || !platform::renameFile(m_common + found->second.path, path))
        return false;
    uncover(fromKey);
    m_index[toKey] = sEntry{COMMON_TAG, relative, 0};
    if (cResourceManager::exists()) {
        cResourceManager::getInstance()->releaseResource(fromKey);
        cResourceManager::getInstance()->releaseResource(toKey);
    }
    return true;
    GUARD_END("Bool cFileManager::moveTo(const String& _from, const String& _to)")
}

void cFileManager::holdSaves()
{
    m_holding = true;
}

Bool cFileManager::onSaveWritten(platform::FileHandle _handle, const String& _tempPath, const String& _path)
{
    cFileManager* files = getInstance();
    if (!files || !files->m_holding)
        return false;
    files->m_held.push_back({_handle, _tempPath, _path});
    return true;
}

Bool cFileManager::commitHeldSaves(Bool _wait, fCommitFailed _onFailed)
{
    waitForSaves();
    m_holding = false;
    std::vector<sHeldSave> held;
    held.swap(m_held);
    // The index knows the files as they will stand; a failure puts it right afterwards.
    m_writerPaths.clear();
    for (const sHeldSave& save : held) {
        const String relative = save.path.substr(m_common.size());
        if (platform::isFile(save.path))
            m_index[lowerCase(relative) + ".bak"] = sEntry{COMMON_TAG, relative + ".bak", 0};
        m_writerPaths.push_back(save.path);
    }
    m_writerDone = false;
    m_writerFailedHook = std::move(_onFailed);
    m_writer = std::thread([this, saves = std::move(held)]() mutable {
        m_writerOutcome = putSaveInPlace(std::move(saves));
        m_writerDone = true;
    });
    return _wait ? waitForSaves() : true;
}

Bool cFileManager::finishWriter()
{
    if (!m_writer.joinable())
        return true;
    m_writer.join();
    const sPutOutcome outcome = std::move(m_writerOutcome);
    m_writerOutcome = sPutOutcome();
    const fCommitFailed hook = std::move(m_writerFailedHook);
    m_writerFailedHook = nullptr;
    for (const String& message : outcome.log)
        logError(message);
    for (const String& path : outcome.failed)
        onSaveFailed(path);
    // A failed save leaves a last copy only where one was, and a save may go without one.
    for (const String& path : m_writerPaths)
        onSaveFailed(path + ".bak");
    m_writerPaths.clear();
    const Bool done = outcome.failed.empty();
    m_failedUntold = m_failedUntold || !done;
    m_failedSaves += done ? 0 : 1;
    m_doneSaves += done ? 1 : 0;
    if (!done && hook)
        hook(outcome.partlyPlaced);
    return done;
}

Bool cFileManager::waitForSaves()
{
    return finishWriter();
}

Bool cFileManager::takeSaveFailure()
{
    if (m_writerDone)
        finishWriter();
    const Bool failed = m_failedUntold;
    m_failedUntold = false;
    return failed;
}

void cFileManager::dropHeldSaves()
{
    m_holding = false;
    for (const sHeldSave& save : m_held) {
        platform::closeFile(save.handle);
        platform::removeFile(save.temp);
        onSaveFailed(save.path);
    }
    m_held.clear();
}

Bool cFileManager::restoreLastCopy(const String& _name)
{
    GUARD_BEGIN
    const String key = lowerCase(_name);
    const auto found = m_index.find(key + ".bak");
    if (found == m_index.end() || found->second.tag != COMMON_TAG)
        return false;
    const String relative = found->second.path.substr(0, found->second.path.size() - 4);
    if (!platform::renameFile(m_common + found->second.path, m_common + relative))
        return false;
    m_index.erase(found);
    m_index[key] = sEntry{COMMON_TAG, relative, 0};
    if (cResourceManager::exists())
        cResourceManager::getInstance()->releaseResource(key);
    return true;
    GUARD_END("Bool cFileManager::restoreLastCopy(const String& _name)")
}

UInt cFileManager::clearStaleTemporaries(const String& _dir, const String& _prefix)
{
    GUARD_BEGIN
    String folder = m_common + resolveCommon(_dir);
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    const String start = "." + lowerCase(_prefix);
    UInt count = 0;
    for (const platform::sFolderEntry& found : platform::listFolder(folder)) {
        const String& name = found.name;
        if (name.compare(0, start.size(), start) != 0 || name.size() < 4 || name.compare(name.size() - 4, 4, ".tmp") != 0)
            continue;
        // A folder at a hidden name would stop every save that takes it: moved aside, kept.
        if (found.isFolder) {
            std::vector<String> said;
            clearSavePlace(folder + name, said);
            for (const String& line : said)
                logError(line);
            continue;
        }
        if (platform::removeFile(folder + name))
            ++count;
    }
    return count;
    GUARD_END("UInt cFileManager::clearStaleTemporaries(const String& _dir, const String& _prefix)")
}

void cFileManager::uncover(const String& _key)
{
    const auto found = m_index.find(_key);
    if (found == m_index.end() || found->second.tag != COMMON_TAG)
        return;
    const auto shadow = m_shadowIndex.find(_key);
    if (shadow != m_shadowIndex.end())
        found->second = shadow->second;
    else
        m_index.erase(found);
}

void cFileManager::onSaveFailed(const String& _path)
{
    cFileManager* files = getInstance();
    if (!files || platform::isFile(_path) || _path.compare(0, files->m_common.size(), files->m_common) != 0)
        return;
    files->uncover(lowerCase(_path.substr(files->m_common.size())));
}

void cFileManager::onPackageDone(const String& _zipDir, cZipFile::ZIP_FILE _package)
{
    // A few per package cover files read one after another and a sound or two held open.
    constexpr std::size_t kept = 4;
    cFileManager* files = getInstance();
    if (files) {
        auto& idle = files->m_openPackages[_zipDir].idle;
        if (idle.size() < kept) {
            idle.push_back(_package);
            return;
        }
    }
    try {
        cZipFile::findClose(_package);
    } catch (...) {
    }
}

Bool cFileManager::isExist(const String& _name)
{
    return m_index.count(lowerCase(_name)) != 0;
}

Bool cFileManager::isCommonExist(const String& _name)
{
    const auto found = m_index.find(_name);
    return found != m_index.end() && found->second.tag == COMMON_TAG;
}

UInt cFileManager::getFilesNames(const String& _dir, FILE_NAME_LIST& _res)
{
    GUARD_BEGIN
    UInt count = 0;
    for (const platform::sFolderEntry& found : platform::listFolder(m_common + resolveCommon(_dir))) {
        if (found.isFolder || found.name[0] == '.' || getFileExt(found.name) == m_packageExtention)
            continue;
        _res.push_back(found.name);
        ++count;
    }
    return count;
    GUARD_END("UInt cFileManager::getFilesNames(const String& _dir, FILE_NAME_LIST& _res)")
}

Bool cFileManager::isInside(const String& _name)
{
    String path = _name;
    replaceChar(path, '\\', '/');
    if (!path.empty() && path[0] == '/')
        return false;
    const std::vector<String> parts = splitPath(path);
    if (!parts.empty() && parts[0].find(':') != String::npos)
        return false;
    return std::find(parts.begin(), parts.end(), "..") == parts.end();
}

String cFileManager::resolveCommon(const String& _name) const
{
    // Everything the program writes or removes stays in the player's folder, whatever a
    // setting or a damaged file names.
    if (!isInside(_name))
        throw "File \"" + _name + "\" is outside the application-data folder.";
    // Each part of the name takes the case of what is already on the disk (the exact name
    // first, else the first in byte order that matches in any case), so that a folder
    // written as "Profiles" and asked for as "profiles" stays one folder.
    String resolved;
    const std::vector<String> parts = splitPath(_name);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const String wanted = lowerCase(parts[i]);
        String chosen;
        for (const platform::sFolderEntry& found : platform::listFolder(m_common + resolved)) {
            if (found.name == parts[i]) {
                chosen = found.name;
                break;
            }
            if (chosen.empty() && lowerCase(found.name) == wanted)
                chosen = found.name;
        }
        resolved += chosen.empty() ? parts[i] : chosen;
        if (i + 1 < parts.size() || (!_name.empty() && _name.back() == '/'))
            resolved += '/';
    }
    return resolved;
}

const String& cFileManager::getFileExt(const String& _file)
{
    static String s_ext;
    const std::size_t dot = _file.rfind('.');
    s_ext = dot == String::npos ? String() : _file.substr(dot + 1);
    return toLowerCase(s_ext);
}

const String& cFileManager::getFileName(const String& _file)
{
    static String s_name;
    const std::size_t slash = _file.rfind('/');
    s_name = slash == String::npos ? _file : _file.substr(slash + 1);
    return s_name;
}

void cFileManager::createDirectories(const String& _path)
{
    for (std::size_t slash = _path.find('/', 1); slash != String::npos; slash = _path.find('/', slash + 1))
        platform::makeFolder(_path.substr(0, slash));
}

void cFileManager::createDirectories(const WString& _path)
{
    createDirectories(toString(_path));
}
