#pragma once
#include "engine/Types.h"

#include <cstdint>
#include <vector>

// A short mono tune: notes of equal length, one after another, each with a soft start and end
// so that neither the notes nor a looped tune click at their joins.
struct sTune {
    std::vector<Double> notes; // Hz; 0 is a rest
    Double seconds = 1.0; // the whole tune
    Double volume = 0.5; // 0 to 1
    UInt sampleRate = 44100;
};

// Reads "<seconds> <note>[,<note>...]" command-line words; throws a String saying what is wrong.
sTune parseTune(const String& _seconds, const String& _notes);

std::vector<std::int16_t> synthesise(const sTune& _tune);

// Whole files as bytes: 16-bit PCM WAV, and Ogg Vorbis (the same bytes for the same input).
String encodeWav(const std::vector<std::int16_t>& _samples, UInt _sampleRate);
String encodeOgg(const std::vector<std::int16_t>& _samples, UInt _sampleRate);

// Picks the format by the name's extension (".wav" or ".ogg"); throws a String on failure.
void saveTune(const sTune& _tune, const String& _path);
