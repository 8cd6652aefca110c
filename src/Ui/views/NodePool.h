#pragma once
#include <cstddef>
#include <new>

// An allocator that keeps the freed nodes of the view sets' maps for the next insertion: views
// are shown, hidden, enabled and disabled many times a frame, and a heap allocation for each
// cost more than the change itself. Single nodes go to a free list of their type and stay
// there for the program's life (no more than the most the sets ever held at once); anything
// else comes from the heap. One thread, as the views have.
template <class T>
class cNodePool {
public:
    using value_type = T;

    cNodePool() = default;
    template <class U>
    cNodePool(const cNodePool<U>& /*_other*/)
    {
    }

    T* allocate(std::size_t _count)
    {
        static_assert(sizeof(T) >= sizeof(void*), "a free node keeps the next one in itself");
        void*& free = freeList();
        if (_count == 1 && free) {
            void* node = free;
            free = *static_cast<void**>(node);
            return static_cast<T*>(node);
        }
        return static_cast<T*>(::operator new(_count * sizeof(T)));
    }
    void deallocate(T* _node, std::size_t _count)
    {
        if (_count != 1) {
            ::operator delete(_node);
            return;
        }
        void*& free = freeList();
        *reinterpret_cast<void**>(_node) = free;
        free = _node;
    }

    template <class U>
    bool operator==(const cNodePool<U>& /*_other*/) const
    {
        return true;
    }
    template <class U>
    bool operator!=(const cNodePool<U>& /*_other*/) const
    {
        return false;
    }

private:
    static void*& freeList()
    {
        static void* s_free = nullptr;
        return s_free;
    }
};
