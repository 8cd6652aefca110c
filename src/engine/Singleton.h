#pragma once

// The one instance of a manager or screen, reachable through T::getInstance() while it
// lives. A deleted singleton can be created again. A view that is a singleton says so
// (cViewSingleton): a view's destructor may pass a failure on, so the base's must allow it.
template <class T, bool IsView = false>
class cSingleton {
public:
    static T* getInstance() { return static_cast<T*>(s_instance); }
    static bool exists() { return s_instance != nullptr; }

protected:
    cSingleton()
    {
        if (s_instance)
            throw "Object already exist.";
        s_instance = this;
    }
    virtual ~cSingleton() noexcept(!IsView)
    {
        if (s_instance == this)
            s_instance = nullptr;
    }
    cSingleton(const cSingleton&) = delete;
    cSingleton& operator=(const cSingleton&) = delete;

    // Gives the slot up before the object goes, so that a new one may be made while this one
    // finishes (a screen fading out); the old one never takes the slot back.
    void releaseInstance()
    {
        if (s_instance == this)
            s_instance = nullptr;
    }

private:
    // The base, not T: T is not yet built when the base records itself.
    static inline cSingleton* s_instance = nullptr;
};

template <class T>
using cViewSingleton = cSingleton<T, true>;
