#include "engine/Types.h"
#include "platform/ImageLoader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An uncompressed 32-bit TGA header declaring 4096 by 4096 pixels, then one pixel.
std::string bigTga()
{
    std::string bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = 0x00;
    bytes[13] = 0x10;
    bytes[14] = 0x00;
    bytes[15] = 0x10;
    bytes[16] = 32;
    return bytes + "\x10\x20\x30\x40";
}

class TruncatedTga : public ::testing::TestWithParam<std::size_t> {};

// Every length short of what the header declares is refused before anything is decoded.
TEST_P(TruncatedTga, IsRefusedWhateverItsLength)
{
    const std::string bytes = bigTga().substr(0, GetParam());
    try {
        loadImage(bytes.data(), bytes.size(), "big.tga");
        FAIL() << "a picture from " << bytes.size() << " bytes";
    } catch (const String& _error) {
        SUCCEED() << _error;
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, TruncatedTga, ::testing::Values(3, 5, 12, 16, 17, 18, 22));

} // namespace
