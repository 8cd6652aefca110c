#pragma once
#include "platform/devices/SoundLibrary.h"

#include <map>
#include <vector>

// One voice of the device and the channel that holds it.
struct sSoundVoice {
    int channel = 0; // 0 while the voice is free
    int sample = 0;
    int group = 0;
    bool loop = false;
    int volume = 100;
    int pan = 50;
    bool started = false;
    bool paused = false; // by the game, apart from the global pause
};

// The part of the sound library that is the same on every device: channel ids that are
// never reused mapped onto a fixed set of voices, prepared channels, a global pause kept
// apart from the game's own pauses, group volumes, and samples read whole through the file
// callbacks. A backend supplies the device through the hooks below.
class cSoundVoices : public iSoundLibrary {
public:
    int init(const sSoundSetup& _setup) override;
    void free() override;
    int setFileCallbacks(const sSoundFileCallbacks& _callbacks) override;

    int loadSample(const char* _fileName) override;
    void unloadSample(int _sample) override;
    int getSampleFrequency(int _sample) override;

    int play(const sSoundPlay& _play) override;
    eSoundChannelStatus getChannelStatus(int _channel) override;
    void pauseChannel(int _channel, bool _pause) override;
    void startChannel(int _channel) override;
    void stopChannel(int _channel) override;

    void setGroupVolume(int _group, int _volume) override;
    void pauseAll(bool _pause) override;
    void stopAll() override;

    // No sound file is bigger; a larger size is taken for a damaged file.
    static const int kMaxSoundFileSize = 256 * 1024 * 1024;

protected:
    // Negative when there is no device.
    virtual int openDevice(const sSoundSetup& _setup) = 0;
    virtual void closeDevice() = 0;
    // Decodes a whole file under the sample id; false when it is no sound the device reads.
    virtual bool decodeSample(int _sample, const std::vector<unsigned char>& _bytes, int& _frequency) = 0;
    virtual void releaseSample(int _sample) = 0;
    // Sounds the voice from the beginning; false when the device refuses.
    virtual bool startVoice(int _voice, const sSoundVoice& _state) = 0;
    // Volume and pan of a voice, sounding or not.
    virtual void setVoiceLevel(int _voice, const sSoundVoice& _state) = 0;
    virtual void holdVoice(int _voice, bool _hold) = 0;
    virtual void stopVoice(int _voice) = 0;
    // True for a started voice whose sound has ended by itself.
    virtual bool isVoiceDone(int _voice) = 0;

    // Frees the voice of a channel that ended by itself.
    void finishVoice(int _voice);
    // The voice of a live channel, or -1.
    int findVoice(int _channel);

private:
    int freeVoice();
    void releaseVoice(int _voice);
    // Holds or lets sound a started voice as the game's pause and the global pause say.
    void applyPause(int _voice);
    bool readFile(const char* _fileName, std::vector<unsigned char>& _bytes);

    bool m_open = false;
    sSoundFileCallbacks m_callbacks;
    std::vector<sSoundVoice> m_voices;
    std::map<int, int> m_frequencies; // sample id -> its own frequency
    int m_nextChannel = 1;
    int m_nextSample = 1;
    bool m_pausedAll = false;
};
