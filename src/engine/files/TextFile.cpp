#include "engine/files/TextFile.h"

#include "engine/files/File.h"
#include "engine/files/FileManager.h"

#include <memory>

void writeUtf16File(const String& _name, const WString& _text, Bool _byteOrderMark)
{
    String bytes = _byteOrderMark ? String("\xFF\xFE") : String();
    bytes.reserve(bytes.size() + _text.size() * 2);
    for (char16_t c : _text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    std::unique_ptr<iFile> file(cFileManager::getInstance()->create(_name));
    const Bool whole = file->write(bytes.data(), static_cast<ULong>(bytes.size())) == bytes.size();
    // A short write already dooms the save; closing drops it and keeps the old copy.
    if (!file->close() || !whole)
        throw "File \"" + _name + "\" can't be written.";
}
