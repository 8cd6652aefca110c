#pragma once
#include "engine/Types.h"

#include <optional>

// Reads numbers from UTF-16 text the way a classic-locale input stream does: white space
// skipped first, then the longest prefix that forms a number. Once a read fails, every
// later read fails too, as with a stream's fail bit.
class cNumberReader {
public:
    explicit cNumberReader(const WString& _text) : m_text(_text) {}

    std::optional<LongLong> readSigned(LongLong _min, LongLong _max);
    // A leading '-' wraps modulo the type's range, as the C runtime's unsigned reads do.
    std::optional<unsigned long long> readUnsigned(unsigned long long _max, int _base = 10);
    std::optional<double> readDouble();
    std::optional<float> readFloat();
    // Takes one code unit of any kind, white space included.
    bool skipOne();
    // Skips "0x" or "0X" when the text continues with it.
    void skipHexPrefix(bool _upperCaseToo);
    bool startsWith(const char* _prefix) const;
    // Nothing but white space is left: the text was all read.
    bool atEnd();

private:
    // An optional sign and the digits after it, at most the limit for that sign.
    std::optional<unsigned long long> readMagnitude(bool& _negative, unsigned long long _positiveLimit,
                                                    unsigned long long _negativeLimit, int _base);
    void skipSpace();
    template <class T> std::optional<T> readReal();
    // The ASCII run from the current position, as narrow text.
    String asciiRun() const;

    const WString& m_text;
    size_t m_pos = 0;
    bool m_failed = false;
};
