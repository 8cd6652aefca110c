#pragma once

// What the sound manager asks of the sound library: samples loaded through file callbacks,
// channels in groups, and their states. Results follow the library's old habit: a negative
// number is a failure.
// The library reads every file through these, so sounds may lie in packages. fileOpen
// answers kBadSoundFile for a file it cannot open. The library reads a file from front to
// back and asks fileSeek only for the size (position 0 from the end, mode 2), so a callback
// need not move the file. A callback may throw; the library treats that as a failed load.
struct sSoundFileCallbacks {
    unsigned int (*fileOpen)(const char* _name) = nullptr;
    int (*fileSeek)(unsigned int _handle, int _position, int _seekMode) = nullptr;
    int (*fileRead)(unsigned int _handle, void* _buffer, int _size) = nullptr;
    void (*fileClose)(unsigned int _handle) = nullptr;
};

const unsigned int kBadSoundFile = 0xFFFFFFFFu;

struct sSoundSetup {
    int sampleRate = 44100;
    int bitsPerSample = 16;
    // Voices that may sound at once; a play beyond them fails.
    int channels = 16;
};

struct sSoundPlay {
    int sample = 0;
    bool loop = false;
    int group = 0;
    // False prepares the channel: it holds its voice and sounds only once started.
    bool start = true;
    int priority = 0;
    // 0 to 100.
    int volume = 100;
    // The sample's own frequency plays it unchanged.
    int frequency = 0;
    // 0 full left, 50 the centre, 100 full right.
    int pan = 50;
};

enum eSoundChannelStatus : int {
    SCS_NONE = 0, // finished, stopped or never known
    SCS_PLAYING = 1,
    SCS_PAUSED = 2, // paused by the game itself
    SCS_PREPARED = 3, // holds a voice, not yet started
};

class iSoundLibrary {
public:
    virtual ~iSoundLibrary() = default;

    // Negative when no device can be had; free() must follow even then.
    virtual int init(const sSoundSetup& _setup) = 0;
    virtual void free() = 0;
    virtual int setFileCallbacks(const sSoundFileCallbacks& _callbacks) = 0;

    // The whole file is read through the callbacks and decoded now. A sample id, never
    // reused, or negative.
    virtual int loadSample(const char* _fileName) = 0;
    // Stops its channels first.
    virtual void unloadSample(int _sample) = 0;
    virtual int getSampleFrequency(int _sample) = 0;

    // A channel id, never reused, so an id kept after its sound ended cannot reach the next
    // sound on the same voice; negative when every voice is busy or the sample is unknown.
    virtual int play(const sSoundPlay& _play) = 0;
    virtual eSoundChannelStatus getChannelStatus(int _channel) = 0;
    virtual void pauseChannel(int _channel, bool _pause) = 0;
    // Starts a prepared channel; anything else is left as it is.
    virtual void startChannel(int _channel) = 0;
    virtual void stopChannel(int _channel) = 0;

    // Sets the volume (0 to 100) of the group's channels, sounding or not.
    virtual void setGroupVolume(int _group, int _volume) = 0;
    // Pauses or resumes everything; channels the game paused itself stay paused.
    virtual void pauseAll(bool _pause) = 0;
    virtual void stopAll() = 0;
};
