#pragma once
#include "engine/resources/Resource.h"
#include "graphics/GraphicsResources.h"

#include <vector>

// A vertex shader file, resource type 3. Its bytes are kept for its whole life, so the
// device object can be made again after a reset.
class cShader : public cResource {
public:
    explicit cShader(const String& _name);
    // Deletes a device shader that still exists, so none outlives its resource.
    ~cShader() override;

    UInt getType() const override { return RT_SHADER; }
    void preUpdate() override;
    void update() override;

    SHADER getHandle() const { return m_handle; }
    const std::vector<char>& getBytes() const { return m_bytes; }

    static iResource* make(const String& _path);

private:
    SHADER m_handle = 0;
    std::vector<char> m_bytes;
};
