#pragma once
#include "engine/resources/Resource.h"

// A sound file loaded into the sound library as a sample, cached by path like every resource.
class cSound : public cResource {
public:
    // Throws "Error loading sound file "<name>"" when the library cannot load it.
    explicit cSound(const String& name);
    ~cSound() override;

    UInt getType() const override { return RT_SOUND; }
    // 0 while the sound manager is disabled.
    int getSampleId() const { return m_sampleId; }

    // The resource cache's maker for sounds.
    static iResource* make(const String& _path);

private:
    int m_sampleId = 0;
};
