#pragma once

// The one instance of a manager or screen, reachable through T::getInstance() while it
// lives. A deleted singleton can be created again.
template <class T>
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
    // Screens are views as well, whose destructors may pass a failure on.
    virtual ~cSingleton() noexcept(false) { s_instance = nullptr; }
    cSingleton(const cSingleton&) = delete;
    cSingleton& operator=(const cSingleton&) = delete;

private:
    // The base, not T: T is not yet built when the base records itself.
    static inline cSingleton* s_instance = nullptr;
};
