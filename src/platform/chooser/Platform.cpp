#include "platform/Platform.h"

#include "platform/headless/HeadlessPlatform.h"
#include "platform/sdl/SdlPlatform.h"

#include <cstdlib>

namespace platform {

namespace {

struct sBackend {
    const char* name;
    std::unique_ptr<iPlatform> (*create)();
};

template <class T>
std::unique_ptr<iPlatform> make()
{
    return std::make_unique<T>();
}

const sBackend s_backends[] = {
    {"sdl", make<cSdlPlatform>},
    {"headless", make<cHeadlessPlatform>},
};

} // namespace

std::unique_ptr<iPlatform> createPlatform()
{
    const char* name = std::getenv("FURROW_PLATFORM");
    return createPlatform((name && *name) ? String(name) : String("sdl"));
}

std::unique_ptr<iPlatform> createPlatform(const String& _name)
{
    for (const sBackend& backend : s_backends)
        if (_name == backend.name)
            return backend.create();
    throw "Unknown platform: " + _name;
}

} // namespace platform
