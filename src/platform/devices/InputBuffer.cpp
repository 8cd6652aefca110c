#include "platform/devices/InputBuffer.h"

void cInputBuffer::push(std::uint32_t _offset, bool _down)
{
    if (m_records.size() >= INPUT_BUFFER_SIZE) {
        m_overflow = true;
        return;
    }
    m_records.push_back({_offset, _down ? INPUT_DOWN : 0u});
}

eInputResult cInputBuffer::read(sInputRecord* _records, std::uint32_t& _count)
{
    std::uint32_t moved = 0;
    while (moved < _count && !m_records.empty()) {
        _records[moved++] = m_records.front();
        m_records.pop_front();
    }
    _count = moved;
    const bool overflow = m_overflow;
    m_overflow = false;
    return overflow ? eInputResult::bufferOverflow : eInputResult::ok;
}

void cInputBuffer::clear()
{
    m_records.clear();
    m_overflow = false;
}
