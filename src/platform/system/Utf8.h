#pragma once
#include <cstddef>
#include <string>

namespace platform {

// UTF-8 <-> UTF-16, exact inverses for valid text of any length, embedded NULs included.
// A malformed sequence becomes one U+FFFD and decoding resumes at the byte that broke it; a
// lone surrogate has no UTF-8 form and becomes U+FFFD too.
std::u16string utf8ToUtf16(const char* _text, std::size_t _size);
std::string utf16ToUtf8(const char16_t* _text, std::size_t _size);

} // namespace platform
