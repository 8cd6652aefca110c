#include "platform/system/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileHandle openFile(const std::string& _path, bool _write)
{
    int fd;
    do
        fd = ::open(_path.c_str(), (_write ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return INVALID_FILE;
    // A folder opens for reading on POSIX but is no file to the engine.
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return INVALID_FILE;
    }
    return fd;
}

FileHandle createFile(const std::string& _path)
{
    int fd;
    do
        fd = ::open(_path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd < 0 ? INVALID_FILE : fd;
}

std::int64_t readFile(FileHandle _file, void* _buffer, std::size_t _size)
{
    std::size_t done = 0;
    while (done < _size) {
        const ssize_t got = ::read(_file, static_cast<char*>(_buffer) + done, _size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return done ? static_cast<std::int64_t>(done) : -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t writeFile(FileHandle _file, const void* _buffer, std::size_t _size)
{
    std::size_t done = 0;
    while (done < _size) {
        const ssize_t put = ::write(_file, static_cast<const char*>(_buffer) + done, _size - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return done ? static_cast<std::int64_t>(done) : -1;
        done += static_cast<std::size_t>(put);
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t seekFile(FileHandle _file, std::int64_t _offset, eSeekOrigin _origin)
{
    static const int s_whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (_origin < SEEK_FROM_START || _origin > SEEK_FROM_END)
        return -1;
    const off_t result = ::lseek(_file, static_cast<off_t>(_offset), s_whence[_origin]);
    return result < 0 ? -1 : static_cast<std::int64_t>(result);
}

std::int64_t getFileSize(FileHandle _file)
{
    struct stat info {};
    if (fstat(_file, &info) != 0)
        return -1;
    return static_cast<std::int64_t>(info.st_size);
}

std::int64_t getFileSize(const std::string& _path)
{
    struct stat info {};
    if (::stat(_path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return static_cast<std::int64_t>(info.st_size);
}

bool flushFile(FileHandle _file)
{
    return fsync(_file) == 0;
}

bool closeFile(FileHandle _file)
{
    return ::close(_file) == 0;
}

bool removeFile(const std::string& _path)
{
    return ::unlink(_path.c_str()) == 0;
}

bool renameFile(const std::string& _from, const std::string& _to)
{
    return ::rename(_from.c_str(), _to.c_str()) == 0;
}

bool linkFile(const std::string& _from, const std::string& _to)
{
    return ::link(_from.c_str(), _to.c_str()) == 0;
}

bool copyFile(const std::string& _from, const std::string& _to)
{
    const FileHandle from = openFile(_from, false);
    if (from == INVALID_FILE)
        return false;
    FileHandle to;
    do
        to = ::open(_to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    while (to < 0 && errno == EINTR);
    bool copied = to >= 0;
    char buffer[1 << 16];
    for (std::int64_t got = 1; copied && got > 0;) {
        got = readFile(from, buffer, sizeof buffer);
        copied = got >= 0 && (got == 0 || writeFile(to, buffer, std::size_t(got)) == got);
    }
    const int error = errno;
    closeFile(from);
    if (to >= 0) {
        copied = flushFile(to) && copied;
        copied = closeFile(to) && copied;
        if (!copied)
            removeFile(_to);
    }
    errno = error;
    return copied;
}

bool syncFolder(const std::string& _path)
{
    int fd;
    do
        fd = ::open(_path.empty() ? "." : _path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    const bool synced = fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

bool isFile(const std::string& _path)
{
    struct stat info {};
    return ::stat(_path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isFolder(const std::string& _path)
{
    struct stat info {};
    return ::stat(_path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool canWriteIn(const std::string& _folder)
{
    return ::access(_folder.empty() ? "." : _folder.c_str(), W_OK) == 0;
}

bool canReadIn(const std::string& _folder)
{
    return ::access(_folder.empty() ? "." : _folder.c_str(), R_OK | X_OK) == 0;
}

bool makeFolder(const std::string& _path)
{
    return ::mkdir(_path.c_str(), 0777) == 0;
}

std::vector<sFolderEntry> listFolder(const std::string& _path)
{
    std::vector<sFolderEntry> entries;
    DIR* folder = ::opendir(_path.empty() ? "." : _path.c_str());
    if (!folder)
        return entries;
    const std::string prefix = _path.empty() || _path.back() == '/' ? _path : _path + "/";
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        sFolderEntry item;
        item.name = name;
        // d_type is not filled on every file system; stat follows links as Windows would.
        struct stat info {};
        item.isFolder = ::stat((prefix + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        entries.push_back(item);
    }
    ::closedir(folder);
    std::sort(entries.begin(), entries.end(),
        [](const sFolderEntry& _a, const sFolderEntry& _b) { return _a.name < _b.name; });
    return entries;
}

std::string getAppDataFolder()
{
    std::string folder;
    if (const char* home = std::getenv("FURROW_HOME"); home && *home)
        folder = home;
    else if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        folder = data;
    else if (const char* user = std::getenv("HOME"); user && *user)
        folder = std::string(user) + "/.local/share";
    else
        folder = ".";
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace platform
