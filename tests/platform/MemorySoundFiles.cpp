#include "MemorySoundFiles.h"

#include <algorithm>
#include <cstring>

namespace {

sMemorySoundFiles* s_files = nullptr;

unsigned int onOpen(const char* _name)
{
    const auto found = s_files->files.find(_name);
    if (found == s_files->files.end())
        return kBadSoundFile;
    s_files->open[s_files->nextHandle] = 0;
    s_files->contents[s_files->nextHandle] = &found->second;
    return s_files->nextHandle++;
}

int onSeek(unsigned int _handle, int _position, int _seekMode)
{
    if (_seekMode == 2 && _position == 0)
        return s_files->claimedSize.value_or(int(s_files->contents.at(_handle)->size()));
    return 0;
}

int onRead(unsigned int _handle, void* _buffer, int _size)
{
    if (s_files->throwingRead)
        throw "Read failed.";
    const std::string& bytes = *s_files->contents.at(_handle);
    std::size_t& position = s_files->open.at(_handle);
    const std::size_t count = std::min(std::size_t(_size), bytes.size() - position);
    std::memcpy(_buffer, bytes.data() + position, count);
    position += count;
    return int(count);
}

void onClose(unsigned int _handle)
{
    s_files->open.erase(_handle);
}

} // namespace

sMemorySoundFiles::sMemorySoundFiles()
{
    s_files = this;
}

sMemorySoundFiles::~sMemorySoundFiles()
{
    s_files = nullptr;
}

sSoundFileCallbacks sMemorySoundFiles::getCallbacks() const
{
    return sSoundFileCallbacks{onOpen, onSeek, onRead, onClose};
}
