#include "engine/resources/Sound.h"

#include "engine/logs/ErrorStack.h"
#include "engine/resources/SoundManager.h"

cSound::cSound(const String& name) : cResource(name)
{
    GUARD_BEGIN
    // Without a manager there is no library to hold the sample, as when it is disabled.
    if (cSoundManager::exists())
        m_sampleId = cSoundManager::getInstance()->loadResource(name);
    GUARD_END("cSound::cSound(const String& name)")
}

cSound::~cSound()
{
    if (cSoundManager::exists())
        cSoundManager::getInstance()->unloadResource(m_sampleId);
}

iResource* cSound::make(const String& _path)
{
    return new cSound(_path);
}
