#include "platform/headless/HeadlessSoundLibrary.h"

#include <string>
#include <utility>

namespace {

std::string flag(bool _value)
{
    return _value ? "1" : "0";
}

} // namespace

cHeadlessSoundLibrary::~cHeadlessSoundLibrary()
{
    cSoundVoices::free();
}

void cHeadlessSoundLibrary::record(std::string _call)
{
    // The older half goes at once, so dropping costs little per call.
    if (m_calls.size() == 2 * KEPT_CALLS)
        m_calls.erase(m_calls.begin(), m_calls.begin() + long(KEPT_CALLS));
    m_calls.push_back(std::move(_call));
}

int cHeadlessSoundLibrary::countCalls(const std::string& _name) const
{
    int count = 0;
    for (const std::string& call : m_calls)
        if (call.compare(0, _name.size(), _name) == 0 && (call.size() == _name.size() || call[_name.size()] == ' '))
            ++count;
    return count;
}

int cHeadlessSoundLibrary::init(const sSoundSetup& _setup)
{
    const int result = cSoundVoices::init(_setup);
    record("init channels=" + std::to_string(_setup.channels) + " -> " + std::to_string(result));
    return result;
}

void cHeadlessSoundLibrary::free()
{
    record("free");
    cSoundVoices::free();
}

int cHeadlessSoundLibrary::setFileCallbacks(const sSoundFileCallbacks& _callbacks)
{
    const int result = m_callbacksRefused ? -1 : cSoundVoices::setFileCallbacks(_callbacks);
    record("setFileCallbacks -> " + std::to_string(result));
    return result;
}

int cHeadlessSoundLibrary::loadSample(const char* _fileName)
{
    const int result = cSoundVoices::loadSample(_fileName);
    record(std::string("loadSample ") + (_fileName ? _fileName : "") + " -> " + std::to_string(result));
    return result;
}

void cHeadlessSoundLibrary::unloadSample(int _sample)
{
    record("unloadSample " + std::to_string(_sample));
    cSoundVoices::unloadSample(_sample);
}

int cHeadlessSoundLibrary::play(const sSoundPlay& _play)
{
    const int result = cSoundVoices::play(_play);
    record("play " + std::to_string(_play.sample) + " loop=" + flag(_play.loop) + " group=" + std::to_string(_play.group)
        + " start=" + flag(_play.start) + " volume=" + std::to_string(_play.volume) + " frequency="
        + std::to_string(_play.frequency) + " pan=" + std::to_string(_play.pan) + " -> " + std::to_string(result));
    return result;
}

void cHeadlessSoundLibrary::pauseChannel(int _channel, bool _pause)
{
    record("pauseChannel " + std::to_string(_channel) + " " + flag(_pause));
    cSoundVoices::pauseChannel(_channel, _pause);
}

void cHeadlessSoundLibrary::startChannel(int _channel)
{
    record("startChannel " + std::to_string(_channel));
    cSoundVoices::startChannel(_channel);
}

void cHeadlessSoundLibrary::stopChannel(int _channel)
{
    record("stopChannel " + std::to_string(_channel));
    cSoundVoices::stopChannel(_channel);
}

void cHeadlessSoundLibrary::setGroupVolume(int _group, int _volume)
{
    record("setGroupVolume " + std::to_string(_group) + " " + std::to_string(_volume));
    m_groupVolumes[_group] = _volume;
    cSoundVoices::setGroupVolume(_group, _volume);
}

void cHeadlessSoundLibrary::pauseAll(bool _pause)
{
    record("pauseAll " + flag(_pause));
    cSoundVoices::pauseAll(_pause);
}

void cHeadlessSoundLibrary::stopAll()
{
    record("stopAll");
    cSoundVoices::stopAll();
}

bool cHeadlessSoundLibrary::isAudible(int _channel)
{
    const int voice = findVoice(_channel);
    if (voice < 0)
        return false;
    const sDeviceVoice& state = device(voice);
    return state.sounding && !state.held;
}

void cHeadlessSoundLibrary::finish(int _channel)
{
    const int voice = findVoice(_channel);
    if (voice >= 0 && device(voice).sounding)
        device(voice).done = true;
}

const std::vector<unsigned char>* cHeadlessSoundLibrary::getSampleBytes(int _sample) const
{
    const auto found = m_samples.find(_sample);
    return found == m_samples.end() ? nullptr : &found->second;
}

int cHeadlessSoundLibrary::getGroupVolume(int _group) const
{
    const auto found = m_groupVolumes.find(_group);
    return found == m_groupVolumes.end() ? -1 : found->second;
}

int cHeadlessSoundLibrary::getChannelVolume(int _channel)
{
    const int voice = findVoice(_channel);
    return voice < 0 ? -1 : device(voice).volume;
}

int cHeadlessSoundLibrary::openDevice(const sSoundSetup& _setup)
{
    if (m_deviceMissing)
        return -1;
    m_device.assign(std::size_t(_setup.channels), sDeviceVoice());
    m_open = true;
    return 0;
}

void cHeadlessSoundLibrary::closeDevice()
{
    m_device.clear();
    m_samples.clear();
    m_open = false;
}

bool cHeadlessSoundLibrary::decodeSample(int _sample, const std::vector<unsigned char>& _bytes, int& _frequency)
{
    // Any bytes will do for a sound here, but no bytes are no sound.
    if (_bytes.empty())
        return false;
    m_samples[_sample] = _bytes;
    _frequency = kFrequency;
    return true;
}

void cHeadlessSoundLibrary::releaseSample(int _sample)
{
    m_samples.erase(_sample);
}

bool cHeadlessSoundLibrary::startVoice(int _voice, const sSoundVoice& _state)
{
    sDeviceVoice& state = device(_voice);
    state = sDeviceVoice();
    state.sounding = true;
    state.volume = _state.volume;
    return true;
}

void cHeadlessSoundLibrary::setVoiceLevel(int _voice, const sSoundVoice& _state)
{
    device(_voice).volume = _state.volume;
}

void cHeadlessSoundLibrary::holdVoice(int _voice, bool _hold)
{
    device(_voice).held = _hold;
}

void cHeadlessSoundLibrary::stopVoice(int _voice)
{
    device(_voice) = sDeviceVoice();
}

bool cHeadlessSoundLibrary::isVoiceDone(int _voice)
{
    // Asked only of started voices, and a yes frees the voice.
    if (!device(_voice).done)
        return false;
    device(_voice) = sDeviceVoice();
    return true;
}

cHeadlessSoundLibrary::sDeviceVoice& cHeadlessSoundLibrary::device(int _voice)
{
    return m_device[std::size_t(_voice)];
}
