#include "SoundMaker.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

const Double kPi = 3.14159265358979323846;
// Longest tune: ten minutes is more than any game loop needs.
const Double kMaxSeconds = 600.0;
const Double kFadeSeconds = 0.004;

Double parseNumber(const String& _text, const char* _what)
{
    char* end = nullptr;
    const Double value = std::strtod(_text.c_str(), &end);
    if (_text.empty() || *end != '\0' || !std::isfinite(value) || value < 0)
        throw String("soundmaker: ") + _what + " must be a number of at least 0, not \"" + _text + "\"";
    return value;
}

void putLittle(String& _out, std::uint32_t _value, int _bytes)
{
    for (int i = 0; i < _bytes; ++i)
        _out.push_back(char((_value >> (8 * i)) & 0xFF));
}

void appendPage(String& _out, const ogg_page& _page)
{
    _out.append(reinterpret_cast<const char*>(_page.header), std::size_t(_page.header_len));
    _out.append(reinterpret_cast<const char*>(_page.body), std::size_t(_page.body_len));
}

// The encoder's state, torn down in the reverse order it is built whatever happens.
struct sVorbisEncoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool analysing = false;
    bool streaming = false;

    sVorbisEncoder() { vorbis_info_init(&info); vorbis_comment_init(&comment); }
    ~sVorbisEncoder()
    {
        if (streaming)
            ogg_stream_clear(&stream);
        if (analysing) {
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
};

// Moves every finished block into pages; _flush forces out a last, partial page.
void drainPackets(sVorbisEncoder& _encoder, String& _out)
{
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&_encoder.dsp, &_encoder.block) == 1) {
        vorbis_analysis(&_encoder.block, nullptr);
        vorbis_bitrate_addblock(&_encoder.block);
        while (vorbis_bitrate_flushpacket(&_encoder.dsp, &packet)) {
            ogg_stream_packetin(&_encoder.stream, &packet);
            while (ogg_stream_pageout(&_encoder.stream, &page))
                appendPage(_out, page);
        }
    }
}

} // namespace

sTune parseTune(const String& _seconds, const String& _notes)
{
    sTune tune;
    tune.seconds = parseNumber(_seconds, "the length in seconds");
    if (tune.seconds <= 0 || tune.seconds > kMaxSeconds)
        throw String("soundmaker: the length must be above 0 and at most 600 seconds");
    std::size_t start = 0;
    while (start <= _notes.size()) {
        const std::size_t comma = std::min(_notes.find(',', start), _notes.size());
        const Double note = parseNumber(_notes.substr(start, comma - start), "a note");
        if (note >= tune.sampleRate / 2.0)
            throw String("soundmaker: a note must lie below half the sample rate");
        tune.notes.push_back(note);
        start = comma + 1;
    }
    return tune;
}

std::vector<std::int16_t> synthesise(const sTune& _tune)
{
    const std::size_t total = std::size_t(_tune.seconds * _tune.sampleRate);
    std::vector<std::int16_t> samples(total, 0);
    if (_tune.notes.empty() || total == 0)
        return samples;
    const std::size_t noteLength = std::max<std::size_t>(1, total / _tune.notes.size());
    const Double fade = kFadeSeconds * _tune.sampleRate;
    for (std::size_t i = 0; i < total; ++i) {
        const std::size_t index = std::min(i / noteLength, _tune.notes.size() - 1);
        const std::size_t at = i - index * noteLength;
        const std::size_t length = index + 1 == _tune.notes.size() ? total - index * noteLength : noteLength;
        const Double envelope = std::min({1.0, (at + 1) / fade, (length - at) / fade});
        const Double phase = 2 * kPi * _tune.notes[index] * Double(at) / _tune.sampleRate;
        // A touch of the octave above keeps a pure tone from sounding thin.
        const Double wave = 0.8 * std::sin(phase) + 0.2 * std::sin(2 * phase);
        samples[i] = std::int16_t(std::lround(std::clamp(wave * envelope * _tune.volume, -1.0, 1.0) * 32767));
    }
    return samples;
}

String encodeWav(const std::vector<std::int16_t>& _samples, UInt _sampleRate)
{
    const std::uint32_t dataSize = std::uint32_t(_samples.size() * 2);
    String out = "RIFF";
    putLittle(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    putLittle(out, 16, 4);
    putLittle(out, 1, 2); // PCM
    putLittle(out, 1, 2); // mono
    putLittle(out, _sampleRate, 4);
    putLittle(out, _sampleRate * 2, 4); // bytes per second
    putLittle(out, 2, 2); // bytes per frame
    putLittle(out, 16, 2);
    out += "data";
    putLittle(out, dataSize, 4);
    for (std::int16_t sample : _samples)
        putLittle(out, std::uint16_t(sample), 2);
    return out;
}

String encodeOgg(const std::vector<std::int16_t>& _samples, UInt _sampleRate)
{
    sVorbisEncoder encoder;
    if (vorbis_encode_init_vbr(&encoder.info, 1, long(_sampleRate), 0.4f) != 0)
        throw String("soundmaker: the Vorbis encoder refuses this sample rate");
    vorbis_comment_add_tag(&encoder.comment, "ENCODER", "soundmaker");
    vorbis_analysis_init(&encoder.dsp, &encoder.info);
    vorbis_block_init(&encoder.dsp, &encoder.block);
    encoder.analysing = true;
    // A fixed serial number: the same tune gives the same file.
    ogg_stream_init(&encoder.stream, 1);
    encoder.streaming = true;

    String out;
    ogg_packet header, comment, codebooks;
    vorbis_analysis_headerout(&encoder.dsp, &encoder.comment, &header, &comment, &codebooks);
    ogg_stream_packetin(&encoder.stream, &header);
    ogg_stream_packetin(&encoder.stream, &comment);
    ogg_stream_packetin(&encoder.stream, &codebooks);
    ogg_page page;
    // The audio must begin on a page of its own.
    while (ogg_stream_flush(&encoder.stream, &page))
        appendPage(out, page);

    const std::size_t step = 4096;
    for (std::size_t done = 0; done < _samples.size(); done += step) {
        const std::size_t count = std::min(step, _samples.size() - done);
        float** buffer = vorbis_analysis_buffer(&encoder.dsp, int(count));
        for (std::size_t i = 0; i < count; ++i)
            buffer[0][i] = _samples[done + i] / 32768.0f;
        vorbis_analysis_wrote(&encoder.dsp, int(count));
        drainPackets(encoder, out);
    }
    vorbis_analysis_wrote(&encoder.dsp, 0);
    drainPackets(encoder, out);
    while (ogg_stream_flush(&encoder.stream, &page))
        appendPage(out, page);
    return out;
}

void saveTune(const sTune& _tune, const String& _path)
{
    const String ext = _path.size() >= 4 ? _path.substr(_path.size() - 4) : String();
    String bytes;
    if (ext == ".wav" || ext == ".WAV")
        bytes = encodeWav(synthesise(_tune), _tune.sampleRate);
    else if (ext == ".ogg" || ext == ".OGG")
        bytes = encodeOgg(synthesise(_tune), _tune.sampleRate);
    else
        throw String("soundmaker: the output name must end in .wav or .ogg: ") + _path;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(_path.c_str(), "wb"), std::fclose);
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        throw String("soundmaker: cannot write ") + _path;
}
