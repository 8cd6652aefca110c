#include "platform/sdl/SdlSoundLibrary.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// Short enough that a click follows the click that caused it.
const int kChunkSamples = 1024;

int toMixerVolume(int _volume)
{
    return _volume * MIX_MAX_VOLUME / 100;
}

} // namespace

cSdlSoundLibrary::~cSdlSoundLibrary()
{
    free();
}

int cSdlSoundLibrary::openDevice(const sSoundSetup& _setup)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return -1;
    m_audio = true;
    const Uint16 format = _setup.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16SYS;
    if (Mix_OpenAudio(_setup.sampleRate, format, 2, kChunkSamples) != 0) {
        closeDevice();
        return -1;
    }
    // Ogg support is loaded on demand; without it WAV still plays.
    Mix_Init(MIX_INIT_OGG);
    // The voices are ours to hand out; the mixer's own channel picking is never used.
    Mix_AllocateChannels(_setup.channels);
    int channels = 0;
    Uint16 opened = 0;
    Mix_QuerySpec(&m_frequency, &opened, &channels);
    return 0;
}

void cSdlSoundLibrary::closeDevice()
{
    for (auto& chunk : m_chunks)
        Mix_FreeChunk(chunk.second);
    m_chunks.clear();
    if (m_frequency != 0) {
        Mix_CloseAudio();
        Mix_Quit();
        m_frequency = 0;
    }
    if (m_audio) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        // Alone in SDL (a run without a window, or the window already gone), SDL itself ends
        // too, so what it started behind the audio part (its system bus connection) is let go.
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
            SDL_Quit();
        m_audio = false;
    }
}

bool cSdlSoundLibrary::decodeSample(int _sample, const std::vector<unsigned char>& _bytes, int& _frequency)
{
    if (_bytes.empty())
        return false;
    SDL_RWops* source = SDL_RWFromConstMem(_bytes.data(), int(_bytes.size()));
    if (!source)
        return false;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 1);
    if (!chunk)
        return false;
    m_chunks[_sample] = chunk;
    // The mixer converts every sample to the device's rate when it decodes it.
    _frequency = m_frequency;
    return true;
}

void cSdlSoundLibrary::releaseSample(int _sample)
{
    const auto found = m_chunks.find(_sample);
    if (found == m_chunks.end())
        return;
    Mix_FreeChunk(found->second);
    m_chunks.erase(found);
}

bool cSdlSoundLibrary::startVoice(int _voice, const sSoundVoice& _state)
{
    const auto found = m_chunks.find(_state.sample);
    if (found == m_chunks.end())
        return false;
    return Mix_PlayChannel(_voice, found->second, _state.loop ? -1 : 0) == _voice;
}

void cSdlSoundLibrary::setVoiceLevel(int _voice, const sSoundVoice& _state)
{
    Mix_Volume(_voice, toMixerVolume(_state.volume));
    // Equal 255s remove the panning effect, so a centred voice costs nothing.
    const int right = _state.pan <= 50 ? 255 * _state.pan / 50 : 255;
    const int left = _state.pan >= 50 ? 255 * (100 - _state.pan) / 50 : 255;
    Mix_SetPanning(_voice, Uint8(left), Uint8(right));
}

void cSdlSoundLibrary::holdVoice(int _voice, bool _hold)
{
    if (_hold)
        Mix_Pause(_voice);
    else
        Mix_Resume(_voice);
}

void cSdlSoundLibrary::stopVoice(int _voice)
{
    Mix_HaltChannel(_voice);
}

bool cSdlSoundLibrary::isVoiceDone(int _voice)
{
    // A paused channel still counts as playing to the mixer.
    return Mix_Playing(_voice) == 0;
}
