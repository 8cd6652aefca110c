#include "MemorySoundFiles.h"

#include <algorithm>
#include <cstring>

cMemorySoundFiles* cMemorySoundFiles::s_instance = nullptr;

cMemorySoundFiles::cMemorySoundFiles()
{
    s_instance = this;
}

cMemorySoundFiles::~cMemorySoundFiles()
{
    s_instance = nullptr;
}

sSoundFileCallbacks cMemorySoundFiles::getCallbacks() const
{
    sSoundFileCallbacks callbacks;
    callbacks.fileOpen = onOpen;
    callbacks.fileSeek = onSeek;
    callbacks.fileRead = onRead;
    callbacks.fileClose = onClose;
    return callbacks;
}

cMemorySoundFiles& cMemorySoundFiles::get()
{
    return *s_instance;
}

unsigned int cMemorySoundFiles::onOpen(const char* _name)
{
    cMemorySoundFiles& files = get();
    const auto found = files.m_files.find(_name);
    if (found == files.m_files.end())
        return kBadSoundFile;
    ++files.m_openedTotal;
    files.m_open[files.m_nextHandle] = sOpenFile{&found->second, 0};
    return files.m_nextHandle++;
}

int cMemorySoundFiles::onSeek(unsigned int _handle, int _position, int _seekMode)
{
    cMemorySoundFiles& files = get();
    const sOpenFile& file = files.m_open.at(_handle);
    if (_seekMode == 2 && _position == 0)
        return files.m_claimedSize.value_or(int(file.bytes->size()));
    return 0;
}

int cMemorySoundFiles::onRead(unsigned int _handle, void* _buffer, int _size)
{
    cMemorySoundFiles& files = get();
    if (files.m_throwingRead)
        throw "Read failed.";
    sOpenFile& file = files.m_open.at(_handle);
    const std::size_t count = std::min(std::size_t(_size), file.bytes->size() - file.position);
    std::memcpy(_buffer, file.bytes->data() + file.position, count);
    file.position += count;
    return int(count);
}

void cMemorySoundFiles::onClose(unsigned int _handle)
{
    get().m_open.erase(_handle);
}
