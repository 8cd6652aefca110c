#include "platform/images/MngDecoder.h"

#include <libmng.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

const std::size_t SIGNATURE_SIZE = 8;

UInt readU32BigEndian(const unsigned char* _p)
{
    return UInt(_p[0]) << 24 | UInt(_p[1]) << 16 | UInt(_p[2]) << 8 | UInt(_p[3]);
}

UInt chunkCrc(const unsigned char* _p, std::size_t _size)
{
    static UInt table[256];
    static bool filled = false;
    if (!filled) {
        for (UInt n = 0; n < 256; ++n) {
            UInt c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        filled = true;
    }
    UInt crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < _size; ++i)
        crc = table[(crc ^ _p[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// Chunks whose first eight bytes are a width and a height the decoder allocates for.
Bool isHeaderChunk(const unsigned char* _type)
{
    static const char* const HEADERS[] = {"JHDR", "IHDR", "MHDR", "BASI"};
    for (const char* header : HEADERS)
        if (std::memcmp(_type, header, 4) == 0)
            return true;
    return false;
}

// The decoder trusts its input more than it should: every chunk must be whole with a correct
// checksum, every picture within the size limits, and the stream properly ended, before a
// byte reaches it.
void checkStructure(const unsigned char* _data, std::size_t _size, const String& _name)
{
    std::size_t at = SIGNATURE_SIZE;
    Bool ended = false;
    while (!ended) {
        if (_size - at < 12)
            throw String("Image \"" + _name + "\" is truncated.");
        const UInt length = readU32BigEndian(_data + at);
        const unsigned char* type = _data + at + 4;
        if (length > _size - at - 12)
            throw String("Image \"" + _name + "\" is truncated.");
        if (chunkCrc(type, std::size_t(length) + 4) != readU32BigEndian(type + 4 + length))
            throw String("Image \"" + _name + "\" is damaged (bad chunk checksum).");
        if (isHeaderChunk(type)) {
            if (length < 8)
                throw String("Image \"" + _name + "\" has a damaged header.");
            checkImageSize(readU32BigEndian(type + 4), readU32BigEndian(type + 8), _name);
        }
        ended = std::memcmp(type, "IEND", 4) == 0 || std::memcmp(type, "MEND", 4) == 0;
        at += std::size_t(length) + 12;
    }
}

// What the decoder's callbacks work on.
struct sDecoding {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
    const String* name = nullptr;
    sImage image;
    std::vector<unsigned char> canvas; // RGBA rows
};

sDecoding& decoding(mng_handle _handle)
{
    return *static_cast<sDecoding*>(mng_get_userdata(_handle));
}

// The blocks the decoder holds during one decode. Some of its paths forget row buffers, and
// its allocation callbacks carry no context, so the decode in progress is found through a
// thread-local pointer and whatever is left is freed when the decode ends.
class cArena {
public:
    cArena() : m_previous(current()) { current() = this; }
    ~cArena()
    {
        for (void* block : m_blocks)
            std::free(block);
        current() = m_previous;
    }
    cArena(const cArena&) = delete;
    cArena& operator=(const cArena&) = delete;

    static cArena*& current()
    {
        thread_local cArena* arena = nullptr;
        return arena;
    }
    std::set<void*> m_blocks;

private:
    cArena* m_previous;
};

mng_ptr MNG_DECL allocate(mng_size_t _size)
{
    void* block = std::calloc(1, _size); // the decoder relies on zeroed memory
    if (block && cArena::current())
        cArena::current()->m_blocks.insert(block);
    return block;
}

void MNG_DECL release(mng_ptr _pointer, mng_size_t)
{
    if (cArena::current())
        cArena::current()->m_blocks.erase(_pointer);
    std::free(_pointer);
}

mng_bool MNG_DECL openStream(mng_handle)
{
    return MNG_TRUE;
}

mng_bool MNG_DECL readData(mng_handle _handle, mng_ptr _buffer, mng_uint32 _size, mng_uint32p _read)
{
    sDecoding& d = decoding(_handle);
    const std::size_t count = std::min<std::size_t>(_size, d.size - d.position);
    std::memcpy(_buffer, d.data + d.position, count);
    d.position += count;
    *_read = mng_uint32(count);
    return MNG_TRUE;
}

mng_bool MNG_DECL processHeader(mng_handle _handle, mng_uint32 _width, mng_uint32 _height)
{
    sDecoding& d = decoding(_handle);
    if (_width == 0 || _height == 0 || _width > MAX_IMAGE_SIDE || _height > MAX_IMAGE_SIDE ||
        std::size_t(_width) * _height > MAX_IMAGE_PIXELS)
        return MNG_FALSE;
    d.image.width = _width;
    d.image.height = _height;
    d.canvas.assign(std::size_t(_width) * _height * 4, 0);
    return mng_set_canvasstyle(_handle, MNG_CANVAS_RGBA8) == MNG_NOERROR;
}

mng_ptr MNG_DECL canvasLine(mng_handle _handle, mng_uint32 _line)
{
    sDecoding& d = decoding(_handle);
    if (_line >= d.image.height)
        return nullptr;
    return d.canvas.data() + std::size_t(_line) * d.image.width * 4;
}

mng_bool MNG_DECL refresh(mng_handle, mng_uint32, mng_uint32, mng_uint32, mng_uint32)
{
    return MNG_TRUE;
}

mng_uint32 MNG_DECL tickCount(mng_handle)
{
    return 0;
}

// An animation stops at its first frame: the first timer request ends the display.
mng_bool MNG_DECL setTimer(mng_handle, mng_uint32)
{
    return MNG_TRUE;
}

String decoderError(mng_handle _handle)
{
    mng_int8 severity = 0;
    mng_chunkid chunk = 0;
    mng_uint32 sequence = 0;
    mng_int32 extra1 = 0, extra2 = 0;
    mng_pchar text = nullptr;
    mng_getlasterror(_handle, &severity, &chunk, &sequence, &extra1, &extra2, &text);
    return text ? String(text) : String("unknown error");
}

struct sHandle {
    mng_handle handle = nullptr;
    ~sHandle()
    {
        if (handle)
            mng_cleanup(&handle);
    }
};

} // namespace

sImage readMNG(const void* _data, std::size_t _size, const String& _name)
{
    const auto* bytes = static_cast<const unsigned char*>(_data);
    if (_size < SIGNATURE_SIZE)
        throw String("Image \"" + _name + "\" is truncated.");
    checkStructure(bytes, _size, _name);

    cArena arena; // outlives the handle below
    sDecoding d;
    d.data = bytes;
    d.size = _size;
    d.name = &_name;
    sHandle h;
    h.handle = mng_initialize(&d, allocate, release, MNG_NULL);
    if (!h.handle)
        throw String("Can't start the decoder for image \"" + _name + "\".");
    mng_setcb_openstream(h.handle, openStream);
    mng_setcb_closestream(h.handle, openStream);
    mng_setcb_readdata(h.handle, readData);
    mng_setcb_processheader(h.handle, processHeader);
    mng_setcb_getcanvasline(h.handle, canvasLine);
    mng_setcb_refresh(h.handle, refresh);
    mng_setcb_gettickcount(h.handle, tickCount);
    mng_setcb_settimer(h.handle, setTimer);

    const mng_retcode result = mng_readdisplay(h.handle);
    if ((result != MNG_NOERROR && result != MNG_NEEDTIMERWAIT) || d.image.width == 0)
        throw String("Can't decode image \"" + _name + "\": " + decoderError(h.handle) + ".");

    d.image.pixels.resize(std::size_t(d.image.width) * d.image.height);
    const unsigned char* p = d.canvas.data();
    for (UInt& pixel : d.image.pixels) {
        pixel = UInt(p[3]) << 24 | UInt(p[0]) << 16 | UInt(p[1]) << 8 | p[2];
        p += 4;
    }
    return std::move(d.image);
}
