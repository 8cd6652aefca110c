#include "engine/logs/Log.h"

#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "platform/system/System.h"

#include <cstdarg>
#include <cstdio>
#include <memory>

namespace {

// One running line number across every log of the run.
UInt s_lineCounter = 0;

String& logFolder()
{
    static String s_folder;
    return s_folder;
}

struct sFileCloser {
    void operator()(std::FILE* _file) const { std::fclose(_file); }
};
using FilePtr = std::unique_ptr<std::FILE, sFileCloser>;

String twoDigits(int _value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", _value);
    return text;
}

} // namespace

String cutForLog(const String& _text)
{
    if (_text.size() <= LOG_LINE_LIMIT)
        return _text;
    std::size_t end = LOG_LINE_LIMIT;
    while (end > 0 && (static_cast<unsigned char>(_text[end]) & 0xC0) == 0x80)
        --end;
    return _text.substr(0, end) + "... (" + std::to_string(_text.size() - end) + " more bytes)";
}

String cutLinesForLog(const String& _text)
{
    if (_text.size() <= LOG_LINE_LIMIT)
        return _text;
    String cut;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = _text.find('\n', start);
        cut += cutForLog(_text.substr(start, end == String::npos ? String::npos : end - start));
        if (end == String::npos)
            return cut;
        cut += '\n';
        start = end + 1;
    }
}

void setLogFolder(const String& _folder)
{
    logFolder() = _folder;
}

cLog::cLog(const String& _name, Bool _openNew) : m_fileName(logFolder() + _name + ".log")
{
    FilePtr file(std::fopen(m_fileName.c_str(), _openNew ? "wb" : "ab"));
    if (!file)
        failToOpen();
    const platform::sLocalTime now = platform::getLocalTime();
    const String header = "\n" + twoDigits(now.month) + "/" + twoDigits(now.day) + "/" + twoDigits(now.year % 100) +
                          " - " + twoDigits(now.hour) + ":" + twoDigits(now.minute) + ":" + twoDigits(now.second) +
                          " " + String(56, '-') + "\n";
    std::fwrite(header.data(), 1, header.size(), file.get());
}

void cLog::failToOpen() const
{
    throwErrorText("Unable to open [" + m_fileName + "] log file.\n");
}

void cLog::print(const String& _message)
{
    FilePtr file(std::fopen(m_fileName.c_str(), "ab"));
    if (!file)
        failToOpen();
    const platform::sLocalTime now = platform::getLocalTime();
    const UInt number = s_lineCounter++;
    const String line = "[" + std::to_string(now.hour) + ":" + std::to_string(now.minute) + ":" +
                        std::to_string(now.second) + "-" + std::to_string(number) + "]\t" + cutLinesForLog(_message) + "\n";
    std::fwrite(line.data(), 1, line.size(), file.get());
}

void cLog::print(const WString& _message)
{
    print(toString(_message));
}

void cLog::printf(const char* _format, ...)
{
    std::va_list args;
    va_start(args, _format);
    std::va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, _format, copy);
    va_end(copy);
    String message(length > 0 ? length : 0, '\0');
    if (length > 0)
        std::vsnprintf(message.data(), message.size() + 1, _format, args);
    va_end(args);
    print(message);
}
