#include "engine/resources/Channel.h"

#include "engine/logs/ErrorStack.h"
#include "engine/resources/Resource.h"
#include "engine/resources/SoundManager.h"
#include "platform/devices/SoundLibrary.h"

namespace {

// The library of a manager that can play, or null: a channel may outlive the manager.
iSoundLibrary* getPlayingLibrary()
{
    cSoundManager* manager = cSoundManager::getInstance();
    if (!manager || manager->isDisabled())
        return nullptr;
    return &manager->getLibrary();
}

} // namespace

cChannel::cChannel(int _id, iResource* _sound) : m_id(_id), m_sound(nullptr)
{
    GUARD_BEGIN
    // Refused before the reference is taken, so a failed channel keeps no sound loaded.
    if (_id < 0)
        throw "Error sound channel creating. Error code:" + std::to_string(_id);
    if (_sound)
        m_sound = _sound->addRef();
    GUARD_END("cChannel::cChannel(int _id)")
}

cChannel::~cChannel()
{
    if (iSoundLibrary* library = getPlayingLibrary())
        library->stopChannel(m_id);
    if (m_sound)
        m_sound->release();
}

void cChannel::pause()
{
    iSoundLibrary* library = getPlayingLibrary();
    if (library && library->getChannelStatus(m_id) != SCS_PAUSED)
        library->pauseChannel(m_id, true);
}

void cChannel::play()
{
    iSoundLibrary* library = getPlayingLibrary();
    if (!library)
        return;
    if (library->getChannelStatus(m_id) == SCS_PAUSED)
        library->pauseChannel(m_id, false);
    if (library->getChannelStatus(m_id) != SCS_PLAYING)
        library->startChannel(m_id);
}
