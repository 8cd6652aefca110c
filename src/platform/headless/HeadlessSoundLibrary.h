#pragma once
#include "platform/devices/SoundVoices.h"

#include <map>
#include <string>
#include <vector>

// The sound library with no device: the channel states of a real one, every call the game
// made written down, and switches that script a missing device or a busy mixer.
class cHeadlessSoundLibrary : public cSoundVoices {
public:
    // What a real device plays everything at.
    static const int kFrequency = 44100;

    ~cHeadlessSoundLibrary() override;

    int init(const sSoundSetup& _setup) override;
    void free() override;
    int setFileCallbacks(const sSoundFileCallbacks& _callbacks) override;
    int loadSample(const char* _fileName) override;
    void unloadSample(int _sample) override;
    int play(const sSoundPlay& _play) override;
    void pauseChannel(int _channel, bool _pause) override;
    void startChannel(int _channel) override;
    void stopChannel(int _channel) override;
    void setGroupVolume(int _group, int _volume) override;
    void pauseAll(bool _pause) override;
    void stopAll() override;

    // The last calls made, at least the last KEPT_CALLS, in order, e.g.
    // "play 1 loop=0 group=1 start=1 volume=70 pan=50 -> 1". A game played for hours must not
    // keep every sound it ever played.
    static const size_t KEPT_CALLS = 2048;
    const std::vector<std::string>& getCalls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    // How many recorded calls begin with _name and a space or end there.
    int countCalls(const std::string& _name) const;

    void setDeviceMissing(bool _missing) { m_deviceMissing = _missing; }
    void setCallbacksRefused(bool _refused) { m_callbacksRefused = _refused; }

    // True while the voice of a started channel would be heard.
    bool isAudible(int _channel);
    // Ends a started channel as if its sound had run out.
    void finish(int _channel);
    bool isOpen() const { return m_open; }
    // The bytes a sample was decoded from.
    const std::vector<unsigned char>* getSampleBytes(int _sample) const;
    int getGroupVolume(int _group) const;
    int getChannelVolume(int _channel);

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
    struct sDeviceVoice {
        bool sounding = false;
        bool held = false;
        bool done = false;
        int volume = 100;
    };

    void record(std::string _call);
    sDeviceVoice& device(int _voice);

    std::vector<std::string> m_calls;
    std::vector<sDeviceVoice> m_device;
    std::map<int, std::vector<unsigned char>> m_samples;
    std::map<int, int> m_groupVolumes;
    bool m_deviceMissing = false;
    bool m_callbacksRefused = false;
    bool m_open = false;
};
