#pragma once
#include "engine/Types.h"

#include <cstddef>

// A value quoted in a message is as long as a damaged file makes it: a line keeps its first
// LOG_LINE_LIMIT bytes (never half a character) and says how many it left out.
const std::size_t LOG_LINE_LIMIT = 16384;
String cutForLog(const String& _text);
// Each line of _text cut as above, so the lines of a call stack after a long one survive.
String cutLinesForLog(const String& _text);

// The folder every log made from now on is written to: the current folder (the default,
// "") or a path ending in '/'. Harnesses that must leave the current folder alone use it.
void setLogFolder(const String& _folder);

// A named text log in the log folder ("<name>.log"). The file is opened for each line
// and closed again, so a crash loses nothing already written.
// Every line written is cut as cutLinesForLog does.
class iLog {
public:
    virtual ~iLog() = default;
    virtual void print(const String& _message) = 0;
    virtual void print(const WString& _message) = 0;
    virtual void printf(const char* _format, ...) __attribute__((format(printf, 2, 3))) = 0;
};

class cLog : public iLog {
public:
    // _openNew empties an existing file; otherwise the new header is appended.
    cLog(const String& _name, Bool _openNew);

    void print(const String& _message) override;
    // Wide messages are written as UTF-8.
    void print(const WString& _message) override;
    void printf(const char* _format, ...) override __attribute__((format(printf, 2, 3)));

    const String& getFileName() const { return m_fileName; }

private:
    [[noreturn]] void failToOpen() const;

    String m_fileName;
};
