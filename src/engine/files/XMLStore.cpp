#include "engine/files/XMLStore.h"

#include "engine/text/TextConvert.h"

#include <algorithm>

namespace {

// Big enough that a large document needs few blocks, small enough that a short one
// wastes little.
const std::size_t MAX_BLOCK = std::size_t(1) << 20;

String tagText(std::u16string_view _name)
{
    String tag;
    tag.reserve(_name.size());
    for (const char16_t c : _name) {
        if (c >= 0x80)
            return toString(WString(_name));
        tag.push_back(static_cast<char>(c));
    }
    return tag;
}

} // namespace

void* cXMLStore::fromNewBlock(std::size_t _size, std::size_t _align)
{
    const std::size_t size = std::max(m_nextBlock, _size + _align);
    // Uninitialised: every byte is written before it is read.
    m_blocks.emplace_back(new char[size]);
    m_nextBlock = std::min(m_nextBlock * 2, MAX_BLOCK);
    char* block = m_blocks.back().get();
    const std::size_t pad = (0 - reinterpret_cast<std::uintptr_t>(block)) & (_align - 1);
    m_free = block + pad + _size;
    m_left = size - pad - _size;
    return block + pad;
}

const String* cXMLStore::tag(std::u16string_view _name)
{
    const auto found = m_tags.find(_name);
    if (found != m_tags.end())
        return found->second.get();
    char16_t* spelling = allocate<char16_t>(_name.size());
    std::copy(_name.begin(), _name.end(), spelling);
    auto& made = m_tags[std::u16string_view(spelling, _name.size())];
    made = std::make_unique<String>(tagText(_name));
    return made.get();
}

ATTRIBUTE_MAP* cXMLStore::keep(std::unique_ptr<ATTRIBUTE_MAP> _map)
{
    m_attributeMaps.push_back(std::move(_map));
    return m_attributeMaps.back().get();
}

XML_CHILDREN* cXMLStore::keep(std::unique_ptr<XML_CHILDREN> _map)
{
    m_childMaps.push_back(std::move(_map));
    return m_childMaps.back().get();
}
