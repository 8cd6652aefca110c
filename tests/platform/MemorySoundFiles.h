#pragma once
#include "platform/SoundLibrary.h"

#include <map>
#include <optional>
#include <string>

// Sound files held in memory and served through the library's file callbacks, so the
// library can be tested without a file system. Counts what it opened and closed.
class cMemorySoundFiles {
public:
    cMemorySoundFiles();
    ~cMemorySoundFiles();
    cMemorySoundFiles(const cMemorySoundFiles&) = delete;
    cMemorySoundFiles& operator=(const cMemorySoundFiles&) = delete;

    void add(const std::string& _name, const std::string& _bytes) { m_files[_name] = _bytes; }
    sSoundFileCallbacks getCallbacks() const;
    int getOpenCount() const { return int(m_open.size()); }
    int getOpenedTotal() const { return m_openedTotal; }
    // Reads throw, as a callback over a failing file system might.
    void setThrowingRead(bool _throwing) { m_throwingRead = _throwing; }
    // The size callback answers this instead of the true size.
    void setClaimedSize(int _size) { m_claimedSize = _size; }

private:
    struct sOpenFile {
        const std::string* bytes = nullptr;
        std::size_t position = 0;
    };

    static cMemorySoundFiles& get();
    static unsigned int onOpen(const char* _name);
    static int onSeek(unsigned int _handle, int _position, int _seekMode);
    static int onRead(unsigned int _handle, void* _buffer, int _size);
    static void onClose(unsigned int _handle);

    static cMemorySoundFiles* s_instance;
    std::map<std::string, std::string> m_files;
    std::map<unsigned int, sOpenFile> m_open;
    unsigned int m_nextHandle = 1;
    int m_openedTotal = 0;
    bool m_throwingRead = false;
    std::optional<int> m_claimedSize;
};
