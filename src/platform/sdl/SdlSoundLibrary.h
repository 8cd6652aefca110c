#pragma once
#include "platform/devices/SoundVoices.h"

#include <map>

struct Mix_Chunk;

// The sound library over SDL2_mixer: one mixer channel per voice, samples decoded whole into
// chunks (WAV, Ogg Vorbis and whatever else the mixer was built with). Music is a sample on
// a channel like any effect, as the game's calls expect.
class cSdlSoundLibrary : public cSoundVoices {
public:
    ~cSdlSoundLibrary() override;

protected:
    int openDevice(const sSoundSetup& _setup) override;
    void closeDevice() override;
    bool decodeSample(int _sample, const std::vector<unsigned char>& _bytes, int& _frequency) override;
    void releaseSample(int _sample) override;
    bool startVoice(int _voice, const sSoundVoice& _state) override;
    void setVoiceLevel(int _voice, const sSoundVoice& _state) override;
    void holdVoice(int _voice, bool _hold) override;
    void stopVoice(int _voice) override;
    bool isVoiceDone(int _voice) override;

private:
    std::map<int, Mix_Chunk*> m_chunks;
    int m_frequency = 0;
    bool m_audio = false;
};
