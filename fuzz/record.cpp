#include "FuzzFile.h"
#include "engine/files/RealFile.h"

// String records from any bytes: each read takes a whole record or nothing, and a count can
// never reach past the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const std::string& path = writeFuzzFile(_data, _size);
    cRealFile file(path, cRealFile::ACCESS_READ, cRealFile::OPEN_EXISTING);
    ULong position = 0;
    for (int i = 0;; ++i) {
        String narrow;
        WString wide;
        const ULong got = i % 2 ? file.read(wide) : file.read(narrow);
        if (got == 0)
            break;
        position += got;
        if (position > _size || narrow.size() > _size || wide.size() * 2 > _size)
            std::abort();
    }
    file.seek(0, 0);
    file.calculateChecksum();
    return 0;
}
