#pragma once
#include "engine/Types.h"

// Resource type numbers. Resource logs written by earlier runs carry them: never renumber.
enum eResourceType : UInt {
    RT_TEXTURE = 0,
    RT_XML = 1,
    RT_FONT = 2,
    RT_SHADER = 3,
    RT_SOUND = 4,
    RT_MESH = 5,
    RT_ANIMATION = 6,
};

// A loaded asset, shared by reference count and named by the path it was loaded from.
// release() only counts down; the cache decides when a resource is deleted.
class iResource {
public:
    virtual ~iResource() = default;
    virtual UInt getType() const = 0;
    // Before and after a device reset: device objects are released and made again.
    virtual void preUpdate() = 0;
    virtual void update() = 0;
    virtual iResource* addRef() = 0;
    // True when the count is now below 1.
    virtual Bool release() = 0;
    virtual const String& getName() const = 0;
    virtual Long getRefCount() const = 0;
};

class cResource : public iResource {
public:
    explicit cResource(const String& _name) : m_name(_name) {}
    // A deleted resource leaves the cache by itself.
    ~cResource() override;

    void preUpdate() override {}
    void update() override {}
    iResource* addRef() override;
    Bool release() override;
    const String& getName() const override { return m_name; }
    Long getRefCount() const override { return m_refCount; }

    // The cache installs this so that a resource deleted by its holder is forgotten.
    using fForget = void (*)(iResource* _resource);
    static void setForgetHook(fForget _hook);

private:
    Long m_refCount = 1;
    String m_name;
};
