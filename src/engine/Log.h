#pragma once
#include "engine/Types.h"

// A named text log in the current folder ("<name>.log"). The file is opened for each line
// and closed again, so a crash loses nothing already written.
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
