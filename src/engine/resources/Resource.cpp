#include "engine/resources/Resource.h"

namespace {

cResource::fForget s_forget = nullptr;

} // namespace

void cResource::setForgetHook(fForget _hook)
{
    s_forget = _hook;
}

cResource::~cResource()
{
    if (s_forget)
        s_forget(this);
}

iResource* cResource::addRef()
{
    ++m_refCount;
    return this;
}

Bool cResource::release()
{
    --m_refCount;
    return m_refCount < 1;
}
