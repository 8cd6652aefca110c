#include "engine/files/StringRecord.h"

#include <type_traits>
#include <vector>

namespace {

ULong bytesLeft(iFile& _file)
{
    const ULong position = _file.seek(0, 1);
    const ULong size = _file.getSize();
    if (position == iFile::SEEK_FAILED || position > size)
        return 0;
    return size - position;
}

template <class tText>
ULong readRecord(iFile& _file, tText& _text)
{
    using tChar = typename tText::value_type;
    unsigned char prefix[4] = {};
    if (_file.read(prefix, 4) != 4)
        return 0;
    const ULong count = ULong(prefix[0]) | ULong(prefix[1]) << 8 | ULong(prefix[2]) << 16 | ULong(prefix[3]) << 24;
    // A damaged count must not become a huge allocation: the characters have to be there.
    if (count > bytesLeft(_file) / sizeof(tChar)) {
        _file.seek(-4, 1);
        return 0;
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(count) * sizeof(tChar));
    const ULong got = bytes.empty() ? 0 : _file.read(bytes.data(), static_cast<ULong>(bytes.size()));
    tText text;
    text.reserve(got / sizeof(tChar));
    for (ULong i = 0; i + sizeof(tChar) <= got; i += sizeof(tChar)) {
        tChar unit = 0;
        for (std::size_t b = 0; b < sizeof(tChar); ++b)
            unit = static_cast<tChar>(unit | bytes[i + b] << (8 * b));
        // Older files were written from terminated buffers: the text ends at its first zero.
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    _text.swap(text);
    return 4 + got;
}

template <class tText>
ULong writeRecord(iFile& _file, const tText& _text)
{
    using tChar = typename tText::value_type;
    const ULong count = static_cast<ULong>(_text.size());
    std::vector<unsigned char> bytes(4 + _text.size() * sizeof(tChar));
    for (std::size_t b = 0; b < 4; ++b)
        bytes[b] = static_cast<unsigned char>(count >> (8 * b));
    std::size_t at = 4;
    for (const tChar unit : _text)
        for (std::size_t b = 0; b < sizeof(tChar); ++b)
            bytes[at++] = static_cast<unsigned char>(static_cast<std::make_unsigned_t<tChar>>(unit) >> (8 * b));
    // One write, so a record is never half written by a failure between its two parts.
    return _file.write(bytes.data(), static_cast<ULong>(bytes.size()));
}

} // namespace

ULong readStringRecord(iFile& _file, String& _text)
{
    return readRecord(_file, _text);
}

ULong readStringRecord(iFile& _file, WString& _text)
{
    return readRecord(_file, _text);
}

ULong writeStringRecord(iFile& _file, const String& _text)
{
    return writeRecord(_file, _text);
}

ULong writeStringRecord(iFile& _file, const WString& _text)
{
    return writeRecord(_file, _text);
}
