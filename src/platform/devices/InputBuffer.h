#pragma once
#include "platform/devices/InputDevice.h"

#include <deque>

// The events a device keeps between two readings. Like the Windows devices it stands in
// for, it holds at most INPUT_BUFFER_SIZE records: later ones are lost and the next reading
// says so.
class cInputBuffer {
public:
    void push(std::uint32_t _offset, bool _down);
    // Moves the oldest records out; bufferOverflow when records were lost since the last read.
    eInputResult read(sInputRecord* _records, std::uint32_t& _count);
    void clear();
    std::size_t size() const { return m_records.size(); }

private:
    std::deque<sInputRecord> m_records;
    bool m_overflow = false;
};
