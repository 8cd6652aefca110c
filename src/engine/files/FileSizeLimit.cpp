#include "engine/files/FileSizeLimit.h"

#include "platform/images/Image.h"
#include "platform/devices/SoundVoices.h"

#include <cctype>

namespace {

const std::uint64_t MB = 1024 * 1024;
const std::uint64_t TEXT_LIMIT = 64 * MB;
// Four bytes a pixel for the largest picture, twice over for mipmaps and the slack of an
// uncompressed layout.
const std::uint64_t PICTURE_LIMIT = std::uint64_t(MAX_IMAGE_PIXELS) * 4 * 2;
const std::uint64_t SOUND_LIMIT = std::uint64_t(cSoundVoices::kMaxSoundFileSize);
// Meshes, animations, shaders and anything else.
const std::uint64_t OTHER_LIMIT = 256 * MB;

const struct {
    const char* extension;
    std::uint64_t limit;
} LIMITS[] = {
    {"xml", TEXT_LIMIT}, {"txt", TEXT_LIMIT}, {"fnt", TEXT_LIMIT},
    {"png", PICTURE_LIMIT}, {"jpg", PICTURE_LIMIT}, {"jpeg", PICTURE_LIMIT}, {"bmp", PICTURE_LIMIT},
    {"tga", PICTURE_LIMIT}, {"dds", PICTURE_LIMIT}, {"jng", PICTURE_LIMIT}, {"mng", PICTURE_LIMIT},
    {"wav", SOUND_LIMIT}, {"ogg", SOUND_LIMIT}, {"mp3", SOUND_LIMIT},
};

} // namespace

std::uint64_t getFileSizeLimit(const String& _name)
{
    const size_t dot = _name.rfind('.');
    const size_t slash = _name.find_last_of("/\\");
    if (dot == String::npos || (slash != String::npos && dot < slash))
        return OTHER_LIMIT;
    String extension = _name.substr(dot + 1);
    for (char& c : extension)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& entry : LIMITS)
        if (extension == entry.extension)
            return entry.limit;
    return OTHER_LIMIT;
}
