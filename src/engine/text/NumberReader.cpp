#include "engine/text/NumberReader.h"

#include <charconv>
#include <cmath>

namespace {

bool isSpace(char16_t _c)
{
    return _c == u' ' || (_c >= u'\t' && _c <= u'\r');
}

int digitValue(char _c, int _base)
{
    int value = 99;
    if (_c >= '0' && _c <= '9')
        value = _c - '0';
    else if (_c >= 'a' && _c <= 'f')
        value = _c - 'a' + 10;
    else if (_c >= 'A' && _c <= 'F')
        value = _c - 'A' + 10;
    return value < _base ? value : -1;
}

} // namespace

void cNumberReader::skipSpace()
{
    while (m_pos < m_text.size() && isSpace(m_text[m_pos]))
        ++m_pos;
}

bool cNumberReader::atEnd()
{
    skipSpace();
    return !m_failed && m_pos == m_text.size();
}

String cNumberReader::asciiRun() const
{
    String run;
    for (size_t i = m_pos; i < m_text.size() && m_text[i] < 0x80 && !isSpace(m_text[i]); ++i)
        run += static_cast<char>(m_text[i]);
    return run;
}

bool cNumberReader::startsWith(const char* _prefix) const
{
    size_t i = m_pos;
    for (; *_prefix; ++_prefix, ++i)
        if (i >= m_text.size() || m_text[i] != static_cast<unsigned char>(*_prefix))
            return false;
    return true;
}

void cNumberReader::skipHexPrefix(bool _upperCaseToo)
{
    if (m_failed)
        return;
    skipSpace();
    if (startsWith("0x") || (_upperCaseToo && startsWith("0X")))
        m_pos += 2;
}

bool cNumberReader::skipOne()
{
    if (m_failed || m_pos >= m_text.size())
        return !(m_failed = true);
    ++m_pos;
    return true;
}

std::optional<unsigned long long> cNumberReader::readMagnitude(bool& _negative, unsigned long long _positiveLimit,
                                                               unsigned long long _negativeLimit, int _base)
{
    if (m_failed)
        return std::nullopt;
    skipSpace();
    const String run = asciiRun();
    size_t i = 0;
    _negative = false;
    if (i < run.size() && (run[i] == '+' || run[i] == '-'))
        _negative = run[i++] == '-';
    // The magnitude is gathered in unsigned space so that a signed minimum itself reads.
    const unsigned long long limit = _negative ? _negativeLimit : _positiveLimit;
    unsigned long long magnitude = 0;
    const size_t firstDigit = i;
    bool overflow = false;
    for (int digit; i < run.size() && (digit = digitValue(run[i], _base)) >= 0; ++i) {
        const unsigned long long d = static_cast<unsigned long long>(digit);
        if (d > limit || magnitude > (limit - d) / static_cast<unsigned long long>(_base))
            overflow = true;
        else
            magnitude = magnitude * _base + d;
    }
    if (i == firstDigit || overflow) {
        m_failed = true;
        return std::nullopt;
    }
    m_pos += i;
    return magnitude;
}

std::optional<unsigned long long> cNumberReader::readUnsigned(unsigned long long _max, int _base)
{
    bool negative = false;
    const auto value = readMagnitude(negative, _max, _max, _base);
    // A minus wraps round within the unsigned range.
    if (value && negative && *value != 0)
        return _max - *value + 1;
    return value;
}

std::optional<LongLong> cNumberReader::readSigned(LongLong _min, LongLong _max)
{
    bool negative = false;
    const auto magnitude = readMagnitude(negative, static_cast<unsigned long long>(_max),
                                         0ULL - static_cast<unsigned long long>(_min), 10);
    if (!magnitude)
        return std::nullopt;
    return negative ? static_cast<LongLong>(0ULL - *magnitude) : static_cast<LongLong>(*magnitude);
}

template <class T>
std::optional<T> cNumberReader::readReal()
{
    if (m_failed)
        return std::nullopt;
    skipSpace();
    const String run = asciiRun();
    const size_t start = !run.empty() && run[0] == '+' ? 1 : 0; // from_chars takes '-' but not '+'
    const size_t mantissa = !run.empty() && run[0] == '-' ? 1 : start;
    // Streams read no "inf", "nan" or hexadecimal floats: a number starts with a digit or a point.
    const bool digitFirst = mantissa < run.size() && ((run[mantissa] >= '0' && run[mantissa] <= '9') || run[mantissa] == '.');
    T value = 0;
    const auto result = std::from_chars(run.data() + start, run.data() + run.size(), value, std::chars_format::general);
    if (!digitFirst || result.ec != std::errc() || !std::isfinite(value)) {
        m_failed = true;
        return std::nullopt;
    }
    m_pos += result.ptr - run.data();
    return value;
}

std::optional<double> cNumberReader::readDouble()
{
    return readReal<double>();
}

std::optional<float> cNumberReader::readFloat()
{
    return readReal<float>();
}
