#include "engine/resources/SoundManager.h"

#include "engine/resources/Channel.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/resources/Sound.h"
#include "engine/text/ValueConvert.h"
#include "platform/devices/SoundLibrary.h"

#include <algorithm>

namespace {

const UInt kMaxVolume = 100;
// The centre of the library's pan scale.
const int kCentrePan = 50;

// Loudness follows the square root of the slider, so the low half of the slider is usable.
Int toGroupVolume(UInt _volume)
{
    return Int(fastSqrt(Float(_volume) * 0.01f) * 100);
}

int getSampleId(iResource* _sound)
{
    const cSound* sound = dynamic_cast<const cSound*>(_sound);
    return sound ? sound->getSampleId() : 0;
}

} // namespace

cSoundManager::cSoundManager(iSoundLibrary& _library) : m_library(_library)
{
    GUARD_BEGIN
    cResourceManager::registerMaker(RT_SOUND, cSound::make);
    sSoundFileCallbacks callbacks;
    callbacks.fileOpen = fileOpen;
    callbacks.fileSeek = fileSeek;
    callbacks.fileRead = fileRead;
    callbacks.fileClose = fileClose;
    if (m_library.setFileCallbacks(callbacks) < 0)
        throw "Can't setup sound file callbacks.";
    if (cSettings::exists()) {
        cSettings::getInstance()->getPropertyT("Sound", "Music", m_musicVolume);
        cSettings::getInstance()->getPropertyT("Sound", "Sound", m_soundVolume);
    }
    setMusicVolume(m_musicVolume);
    setSoundVolume(m_soundVolume);
    GUARD_END("cSoundManager::cSoundManager()")
}

// The device is opened by the first sound the game asks for, not at the start: the first
// screens are silent, and a device once open is drained when it closes (some buffers' worth
// of waiting), which a run that never sounds should not pay.
Bool cSoundManager::openDevice()
{
    if (m_opened)
        return !m_disabled;
    m_opened = true;
    sSoundSetup setup;
    setup.sampleRate = 44100;
    setup.bitsPerSample = 16;
    setup.channels = 16;
    if (m_library.init(setup) < 0) {
        // No device: the game runs silent rather than not at all.
        m_library.free();
        m_disabled = true;
        return false;
    }
    m_library.setGroupVolume(SG_MUSIC, m_musicGroupVolume);
    m_library.setGroupVolume(SG_EFFECTS, m_soundGroupVolume);
    if (m_paused)
        m_library.pauseAll(true);
    return true;
}

Bool cSoundManager::isDeviceOpen() const
{
    return m_opened && !m_disabled;
}

cSoundManager::~cSoundManager()
{
    // A run that never sounded leaves the volumes as they were read.
    if (isDeviceOpen()) {
        saveVolumes();
        m_library.stopAll();
        m_library.free();
    }
    // Whatever the library left open is closed here rather than leaked.
    for (auto& file : m_files) {
        file.second->close();
        delete file.second;
    }
    m_files.clear();
}

void cSoundManager::saveVolumes()
{
    if (!cSettings::exists())
        return;
    try {
        cSettings::getInstance()->setPropertyT("Sound", "Music", m_musicVolume);
        cSettings::getInstance()->setPropertyT("Sound", "Sound", m_soundVolume);
    } catch (...) {
        // A destructor never throws: the volumes are lost, the game still closes.
        logError("Sound volumes not saved: " + getErrorCallStack());
    }
}

cChannel* cSoundManager::playSound(iResource* _sound, Bool _loop, Bool _start)
{
    GUARD_BEGIN
    if (!openDevice())
        return nullptr;
    // Prepared rather than started and paused, so nothing of it is heard before the pause.
    cChannel* channel = playOnChannel(_sound, _loop, SG_EFFECTS, _start, m_soundGroupVolume);
    if (channel && !_start)
        channel->pause();
    return channel;
    GUARD_END("cChannel* cSoundManager::playSound(iResource* _sound, Bool _loop, Bool _start)")
}

void cSoundManager::play(iResource* _sound)
{
    GUARD_BEGIN
    if (!openDevice())
        return;
    sSoundPlay request;
    request.sample = getSampleId(_sound);
    request.group = SG_EFFECTS;
    request.volume = m_soundGroupVolume;
    request.frequency = m_library.getSampleFrequency(request.sample);
    request.pan = kCentrePan;
    // Fire and forget: a sound that finds no free voice is simply not heard.
    m_library.play(request);
    GUARD_END("void cSoundManager::play(iResource* _sound)")
}

cChannel* cSoundManager::playMusic(iResource* _sound, Bool _loop, Bool _start)
{
    GUARD_BEGIN
    if (!openDevice())
        return nullptr;
    return playOnChannel(_sound, _loop, SG_MUSIC, _start, m_musicGroupVolume);
    GUARD_END("cChannel* cSoundManager::playMusic(iResource* _sound, Bool _loop, Bool _start)")
}

cChannel* cSoundManager::playOnChannel(iResource* _sound, Bool _loop, Int _group, Bool _start, Int _volume)
{
    sSoundPlay request;
    request.sample = getSampleId(_sound);
    request.loop = _loop;
    request.group = _group;
    request.start = _start;
    request.volume = _volume;
    request.frequency = m_library.getSampleFrequency(request.sample);
    request.pan = kCentrePan;
    const int id = m_library.play(request);
    if (id < 0) {
        // Every voice busy is no reason to end the game over a sound: the caller gets what a
        // silent manager gives, and the log hears of it once.
        if (!m_channelFailureLogged) {
            getLog("error")->printf("No sound channel could be had (error code %d); sounds go unheard.", id);
            m_channelFailureLogged = true;
        }
        return nullptr;
    }
    cChannel* channel = new cChannel(id, _sound);
    channel->setGroup(_group);
    return channel;
}

void cSoundManager::setSoundVolume(UInt _volume)
{
    m_soundVolume = std::min(_volume, kMaxVolume);
    m_soundGroupVolume = toGroupVolume(m_soundVolume);
    if (isDeviceOpen())
        m_library.setGroupVolume(SG_EFFECTS, m_soundGroupVolume);
}

void cSoundManager::setMusicVolume(UInt _volume)
{
    m_musicVolume = std::min(_volume, kMaxVolume);
    m_musicGroupVolume = toGroupVolume(m_musicVolume);
    if (isDeviceOpen())
        m_library.setGroupVolume(SG_MUSIC, m_musicGroupVolume);
}

void cSoundManager::setPause(Bool _pause)
{
    if (_pause == m_paused)
        return;
    m_paused = _pause;
    if (isDeviceOpen())
        m_library.pauseAll(_pause);
}

int cSoundManager::loadResource(const String& _name)
{
    GUARD_BEGIN
    if (!openDevice())
        return 0;
    const int id = m_library.loadSample(_name.c_str());
    if (id < 0)
        throw "Error loading sound file \"" + _name + "\"";
    return id;
    GUARD_END("int cSoundManager::loadResource(const String& _name)")
}

void cSoundManager::unloadResource(int _id)
{
    if (isDeviceOpen())
        m_library.unloadSample(_id);
}

iFile* cSoundManager::getFile(unsigned int _handle)
{
    cSoundManager* manager = getInstance();
    const auto found = manager ? manager->m_files.find(_handle) : std::map<UInt, iFile*>::iterator();
    if (!manager || found == manager->m_files.end())
        throw "Invalid handle.";
    return found->second;
}

unsigned int cSoundManager::fileOpen(const char* Name)
{
    cSoundManager* manager = getInstance();
    if (!manager || !Name || !cFileManager::exists())
        return kBadSoundFile;
    iFile* file = nullptr;
    try {
        file = cFileManager::getInstance()->open(Name);
    } catch (...) {
        // The file manager throws for an unknown name; its exception must not cross the
        // library. The library's failure becomes the load's own error text.
        return kBadSoundFile;
    }
    if (!file)
        return kBadSoundFile;
    manager->m_files[++manager->m_lastHandle] = file;
    return manager->m_lastHandle;
}

int cSoundManager::fileSeek(unsigned int Handle, int Position, int SeekMode)
{
    GUARD_BEGIN
    iFile* file = getFile(Handle);
    // Only the size is ever asked for; the file is read from front to back.
    if (SeekMode == 2 && Position == 0)
        return int(file->getSize());
    return 0;
    GUARD_END("int cSoundManager::fileSeek (unsigned int Handle, int Position, int SeekMode)")
}

int cSoundManager::fileRead(unsigned int Handle, void* Buffer, int Size)
{
    GUARD_BEGIN
    iFile* file = getFile(Handle);
    if (Size <= 0)
        return 0;
    return int(file->read(Buffer, ULong(Size)));
    GUARD_END("int cSoundManager::fileRead (unsigned int Handle, void* Buffer, int Size)")
}

void cSoundManager::fileClose(unsigned int Handle)
{
    GUARD_BEGIN
    iFile* file = getFile(Handle);
    file->close();
    delete file;
    getInstance()->m_files.erase(Handle);
    GUARD_END("void cSoundManager::fileClose (unsigned int Handle)")
}
