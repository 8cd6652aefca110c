#pragma once
#include "engine/files/XML.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

// The storage of one parsed document. Elements, texts and names live in a few large blocks
// that go all at once: a document of thousands of elements costs a handful of allocations
// to load and to free, not one per piece. The elements of a document never leave it.
class cXMLStore {
public:
    cXMLStore() = default;
    cXMLStore(const cXMLStore&) = delete;
    cXMLStore& operator=(const cXMLStore&) = delete;

    // Room for _count objects of T, never destroyed: T must own nothing beyond this store.
    template <class T>
    T* allocate(std::size_t _count)
    {
        static_assert((alignof(T) & (alignof(T) - 1)) == 0, "alignments are powers of two");
        const std::size_t size = sizeof(T) * _count;
        const std::size_t pad = (0 - reinterpret_cast<std::uintptr_t>(m_free)) & (alignof(T) - 1);
        if (pad + size > m_left)
            return static_cast<T*>(fromNewBlock(size, alignof(T)));
        T* result = reinterpret_cast<T*>(m_free + pad);
        m_free += pad + size;
        m_left -= pad + size;
        return result;
    }

    // The tag spelt _name, made once per document so that elements share it.
    const String* tag(std::u16string_view _name);

    // Lookups a few callers want in the old shape, built on demand and kept until the
    // document goes.
    ATTRIBUTE_MAP* keep(std::unique_ptr<ATTRIBUTE_MAP> _map);
    XML_CHILDREN* keep(std::unique_ptr<XML_CHILDREN> _map);

private:
    void* fromNewBlock(std::size_t _size, std::size_t _align);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_free = nullptr;
    std::size_t m_left = 0;
    std::size_t m_nextBlock = 4096;
    // Keys are views of spellings copied into the blocks.
    std::unordered_map<std::u16string_view, std::unique_ptr<String>> m_tags;
    std::vector<std::unique_ptr<ATTRIBUTE_MAP>> m_attributeMaps;
    std::vector<std::unique_ptr<XML_CHILDREN>> m_childMaps;
};
