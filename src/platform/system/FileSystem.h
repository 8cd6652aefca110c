#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The files and folders the engine touches, as plain calls over the system's own. Paths are
// UTF-8 with '/' separators; the engine never calls the system's file functions itself.
namespace platform {

// An open file, or INVALID_FILE.
using FileHandle = int;
constexpr FileHandle INVALID_FILE = -1;

enum eSeekOrigin : int { SEEK_FROM_START = 0, SEEK_FROM_CURRENT = 1, SEEK_FROM_END = 2 };

// An existing file, for reading (and writing when _write).
FileHandle openFile(const std::string& _path, bool _write);
// A new empty file for reading and writing, replacing any file of that name. Created files
// are readable and writable by every user the umask allows, as the shared folder needs.
FileHandle createFile(const std::string& _path);
// Both return the bytes moved (short only at the end of the file or on an error), or -1 when
// nothing could be moved because of an error.
std::int64_t readFile(FileHandle _file, void* _buffer, std::size_t _size);
std::int64_t writeFile(FileHandle _file, const void* _buffer, std::size_t _size);
// The new position, or -1 (the position is then unchanged).
std::int64_t seekFile(FileHandle _file, std::int64_t _offset, eSeekOrigin _origin);
// The size in bytes, or -1.
std::int64_t getFileSize(FileHandle _file);
// The size of the file at _path, or -1 when there is none.
std::int64_t getFileSize(const std::string& _path);
// Pushes written data to the disk; false when the system reports a failure.
bool flushFile(FileHandle _file);
bool closeFile(FileHandle _file);

bool removeFile(const std::string& _path);
// Replaces _to atomically when it exists.
bool renameFile(const std::string& _from, const std::string& _to);
// A second name _to for the file _from (a hard link); false when _to exists or the file
// system has no such links.
bool linkFile(const std::string& _from, const std::string& _to);
// A new file _to with the bytes of _from, on the disk when this returns; false when _to exists.
bool copyFile(const std::string& _from, const std::string& _to);
// Pushes the folder's entries (names made, renamed or removed) to the disk.
bool syncFolder(const std::string& _path);
bool isFile(const std::string& _path);
bool isFolder(const std::string& _path);
// Whether this process may make and remove files in the folder.
bool canWriteIn(const std::string& _folder);
// Whether this process may list the folder and open the files in it.
bool canReadIn(const std::string& _folder);
// One folder; false when it could not be made (also when it already exists).
bool makeFolder(const std::string& _path);

struct sFolderEntry {
    std::string name;
    bool isFolder = false;
};

// The entries of a folder without "." and "..", in byte order of their names; empty when
// the folder cannot be read.
std::vector<sFolderEntry> listFolder(const std::string& _path);

// Where the player's files live: FURROW_HOME, else $XDG_DATA_HOME, else ~/.local/share.
// No trailing '/'.
std::string getAppDataFolder();

} // namespace platform
