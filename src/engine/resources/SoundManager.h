#pragma once
#include "engine/Singleton.h"
#include "engine/Types.h"

#include <map>

class cChannel;
class iFile;
class iResource;
class iSoundLibrary;

// The sound library's channel groups.
enum eSoundGroup : Int {
    SG_EFFECTS = 1,
    SG_MUSIC = 2,
};

// Plays effects and music through the sound library. Effects either fire and forget (play)
// or come on a channel the caller owns (playSound); music always does (playMusic). Volumes
// run from 0 to 100 and live in the settings' "Sound" section. The device opens with the first
// sound asked for (or the first question whether there is one); when it cannot be opened the
// manager is disabled for the run and every sound operation does nothing.
class cSoundManager : public cSingleton<cSoundManager> {
public:
    // The library comes from the platform and must outlive the manager.
    explicit cSoundManager(iSoundLibrary& _library);
    ~cSoundManager() override;

    // Null when disabled or when no channel can be had.
    virtual cChannel* playSound(iResource* _sound, Bool _loop, Bool _start);
    virtual void play(iResource* _sound);
    virtual cChannel* playMusic(iResource* _sound, Bool _loop, Bool _start);
    virtual Bool isDisabled() { return !openDevice(); }
    virtual UInt getSoundVolume() { return m_soundVolume; }
    virtual void setSoundVolume(UInt _volume);
    virtual UInt getMusicVolume() { return m_musicVolume; }
    virtual void setMusicVolume(UInt _volume);
    virtual Bool isPaused() { return m_paused; }
    // Driven by the window's activation.
    virtual void setPause(Bool _pause);

    // A sample id for cSound (0 when disabled); throws when the file is not a sound.
    int loadResource(const String& _name);
    void unloadResource(int _id);
    iSoundLibrary& getLibrary() { return m_library; }

    // The library reads every sound file through these, from the virtual file system.
    static unsigned int fileOpen(const char* Name);
    static int fileSeek(unsigned int Handle, int Position, int SeekMode);
    static int fileRead(unsigned int Handle, void* Buffer, int Size);
    static void fileClose(unsigned int Handle);

private:
    // Opens the device on the first call; false when there is none.
    Bool openDevice();
    Bool isDeviceOpen() const;
    cChannel* playOnChannel(iResource* _sound, Bool _loop, Int _group, Bool _start, Int _volume);
    // The file of a handle the library holds; throws "Invalid handle." for any other.
    static iFile* getFile(unsigned int _handle);
    void saveVolumes();

    iSoundLibrary& m_library;
    Bool m_paused = false;
    std::map<UInt, iFile*> m_files;
    // Handles start above 1: the first file opened gets 2.
    UInt m_lastHandle = 1;
    UInt m_musicVolume = 100;
    UInt m_soundVolume = 100;
    Int m_musicGroupVolume = 100;
    Int m_soundGroupVolume = 100;
    Bool m_opened = false;
    Bool m_disabled = false;
    Bool m_channelFailureLogged = false;
};
