// soundmaker <out.wav|out.ogg> <seconds> <note Hz>[,<note Hz>...]
// Writes a short tune of equal-length notes (0 is a rest) as 16-bit mono PCM WAV or Ogg Vorbis.
#include "SoundMaker.h"

#include <cstdio>

int main(int _argc, char** _argv)
{
    if (_argc != 4) {
        std::fprintf(stderr, "usage: %s <out.wav|out.ogg> <seconds> <note Hz>[,<note Hz>...]\n", _argv[0]);
        return 2;
    }
    try {
        const sTune tune = parseTune(_argv[2], _argv[3]);
        saveTune(tune, _argv[1]);
        std::printf("soundmaker: %zu notes, %.3f s in %s\n", tune.notes.size(), tune.seconds, _argv[1]);
    } catch (const String& _error) {
        std::fprintf(stderr, "%s\n", _error.c_str());
        return 1;
    }
    return 0;
}
