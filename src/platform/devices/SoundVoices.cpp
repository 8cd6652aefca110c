#include "platform/devices/SoundVoices.h"

#include <algorithm>

namespace {

int clampLevel(int _value)
{
    return std::clamp(_value, 0, 100);
}

} // namespace

int cSoundVoices::init(const sSoundSetup& _setup)
{
    if (m_open || _setup.channels < 1)
        return -1;
    const int result = openDevice(_setup);
    if (result < 0)
        return result;
    m_open = true;
    m_voices.assign(std::size_t(_setup.channels), sSoundVoice());
    m_pausedAll = false;
    return 0;
}

void cSoundVoices::free()
{
    if (!m_open)
        return;
    stopAll();
    for (const auto& sample : m_frequencies)
        releaseSample(sample.first);
    m_frequencies.clear();
    m_voices.clear();
    closeDevice();
    m_open = false;
}

int cSoundVoices::setFileCallbacks(const sSoundFileCallbacks& _callbacks)
{
    if (!_callbacks.fileOpen || !_callbacks.fileSeek || !_callbacks.fileRead || !_callbacks.fileClose)
        return -1;
    m_callbacks = _callbacks;
    return 0;
}

bool cSoundVoices::readFile(const char* _fileName, std::vector<unsigned char>& _bytes)
{
    if (!m_callbacks.fileOpen)
        return false;
    unsigned int handle = kBadSoundFile;
    bool whole = false;
    // The callbacks belong to the caller and may throw; a throw is a failed load, and a file
    // that was opened is closed whatever happens.
    try {
        handle = m_callbacks.fileOpen(_fileName);
        if (handle == kBadSoundFile)
            return false;
        const int size = m_callbacks.fileSeek(handle, 0, 2);
        if (size >= 0 && size <= kMaxSoundFileSize) {
            _bytes.resize(std::size_t(size));
            int done = 0;
            while (done < size) {
                const int got = m_callbacks.fileRead(handle, _bytes.data() + done, size - done);
                if (got <= 0 || got > size - done)
                    break;
                done += got;
            }
            whole = done == size;
        }
    } catch (...) {
        whole = false;
    }
    if (handle != kBadSoundFile) {
        try {
            m_callbacks.fileClose(handle);
        } catch (...) {
        }
    }
    return whole;
}

int cSoundVoices::loadSample(const char* _fileName)
{
    if (!m_open || !_fileName)
        return -1;
    std::vector<unsigned char> bytes;
    if (!readFile(_fileName, bytes))
        return -1;
    const int sample = m_nextSample;
    int frequency = 0;
    if (!decodeSample(sample, bytes, frequency))
        return -1;
    ++m_nextSample;
    m_frequencies[sample] = frequency;
    return sample;
}

void cSoundVoices::unloadSample(int _sample)
{
    if (m_frequencies.erase(_sample) == 0)
        return;
    for (std::size_t i = 0; i < m_voices.size(); ++i)
        if (m_voices[i].channel != 0 && m_voices[i].sample == _sample)
            releaseVoice(int(i));
    releaseSample(_sample);
}

int cSoundVoices::getSampleFrequency(int _sample)
{
    const auto found = m_frequencies.find(_sample);
    return found == m_frequencies.end() ? -1 : found->second;
}

int cSoundVoices::play(const sSoundPlay& _play)
{
    if (!m_open || m_frequencies.count(_play.sample) == 0)
        return -1;
    const int voice = freeVoice();
    if (voice < 0)
        return -1;
    sSoundVoice& state = m_voices[std::size_t(voice)];
    state.sample = _play.sample;
    state.group = _play.group;
    state.loop = _play.loop;
    state.volume = clampLevel(_play.volume);
    state.pan = clampLevel(_play.pan);
    state.started = false;
    state.paused = false;
    setVoiceLevel(voice, state);
    if (_play.start) {
        if (!startVoice(voice, state)) {
            state = sSoundVoice();
            return -1;
        }
        state.started = true;
        applyPause(voice);
    }
    state.channel = m_nextChannel++;
    return state.channel;
}

eSoundChannelStatus cSoundVoices::getChannelStatus(int _channel)
{
    const int voice = findVoice(_channel);
    if (voice < 0)
        return SCS_NONE;
    const sSoundVoice& state = m_voices[std::size_t(voice)];
    if (state.paused)
        return SCS_PAUSED;
    return state.started ? SCS_PLAYING : SCS_PREPARED;
}

void cSoundVoices::pauseChannel(int _channel, bool _pause)
{
    const int voice = findVoice(_channel);
    if (voice < 0)
        return;
    m_voices[std::size_t(voice)].paused = _pause;
    applyPause(voice);
}

void cSoundVoices::startChannel(int _channel)
{
    const int voice = findVoice(_channel);
    if (voice < 0)
        return;
    sSoundVoice& state = m_voices[std::size_t(voice)];
    if (state.started)
        return;
    if (!startVoice(voice, state)) {
        releaseVoice(voice);
        return;
    }
    state.started = true;
    applyPause(voice);
}

void cSoundVoices::stopChannel(int _channel)
{
    const int voice = findVoice(_channel);
    if (voice >= 0)
        releaseVoice(voice);
}

void cSoundVoices::setGroupVolume(int _group, int _volume)
{
    const int volume = clampLevel(_volume);
    for (std::size_t i = 0; i < m_voices.size(); ++i) {
        sSoundVoice& state = m_voices[i];
        if (state.channel != 0 && state.group == _group) {
            state.volume = volume;
            setVoiceLevel(int(i), state);
        }
    }
}

void cSoundVoices::pauseAll(bool _pause)
{
    m_pausedAll = _pause;
    for (std::size_t i = 0; i < m_voices.size(); ++i)
        if (m_voices[i].channel != 0)
            applyPause(int(i));
}

void cSoundVoices::stopAll()
{
    for (std::size_t i = 0; i < m_voices.size(); ++i)
        if (m_voices[i].channel != 0)
            releaseVoice(int(i));
}

void cSoundVoices::finishVoice(int _voice)
{
    if (_voice >= 0 && std::size_t(_voice) < m_voices.size())
        m_voices[std::size_t(_voice)] = sSoundVoice();
}

int cSoundVoices::findVoice(int _channel)
{
    if (_channel <= 0)
        return -1;
    for (std::size_t i = 0; i < m_voices.size(); ++i) {
        const sSoundVoice& state = m_voices[i];
        if (state.channel != _channel)
            continue;
        if (state.started && isVoiceDone(int(i))) {
            finishVoice(int(i));
            return -1;
        }
        return int(i);
    }
    return -1;
}

int cSoundVoices::freeVoice()
{
    for (std::size_t i = 0; i < m_voices.size(); ++i) {
        const sSoundVoice& state = m_voices[i];
        if (state.channel == 0)
            return int(i);
        if (state.started && isVoiceDone(int(i))) {
            finishVoice(int(i));
            return int(i);
        }
    }
    return -1;
}

void cSoundVoices::releaseVoice(int _voice)
{
    if (m_voices[std::size_t(_voice)].started)
        stopVoice(_voice);
    finishVoice(_voice);
}

void cSoundVoices::applyPause(int _voice)
{
    const sSoundVoice& state = m_voices[std::size_t(_voice)];
    if (state.started)
        holdVoice(_voice, state.paused || m_pausedAll);
}
