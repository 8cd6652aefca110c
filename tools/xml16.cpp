// Turns a UTF-8 XML source into the UTF-16LE file with a byte order mark that the game
// reads: furrow_xml16 <in.xml> <out.xml>. The declaration's encoding is rewritten to match,
// and malformed UTF-8 stops the build instead of reaching the data.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

bool decode(const std::string& _in, std::u16string& _out, std::size_t& _badAt)
{
    for (std::size_t i = 0; i < _in.size();) {
        const unsigned char lead = static_cast<unsigned char>(_in[i]);
        const int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        _badAt = i;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= _in.size())
            return false;
        char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(_in[i + k]);
            if ((next >> 6) != 2)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        static const char32_t s_least[] = {0, 0x80, 0x800, 0x10000};
        if (code < s_least[extra] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
            return false;
        if (code >= 0x10000) {
            code -= 0x10000;
            _out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            _out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            _out.push_back(static_cast<char16_t>(code));
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

} // namespace

int main(int _argc, char** _argv)
{
    if (_argc != 3) {
        std::fprintf(stderr, "usage: furrow_xml16 <in.xml> <out.xml>\n");
        return 2;
    }
    std::ifstream in(_argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "furrow_xml16: cannot read %s\n", _argv[1]);
        return 1;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    if (const std::size_t end = text.find("?>"); text.compare(0, 5, "<?xml") == 0 && end != std::string::npos) {
        const std::string declaration = std::regex_replace(text.substr(0, end),
            std::regex("encoding\\s*=\\s*([\"'])[^\"']*[\"']", std::regex::icase), "encoding=$1UTF-16$1");
        text = declaration + text.substr(end);
    }
    std::u16string wide;
    std::size_t badAt = 0;
    if (!decode(text, wide, badAt)) {
        std::fprintf(stderr, "%s: malformed UTF-8 at byte %zu\n", _argv[1], badAt);
        return 1;
    }
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : wide) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    std::ofstream out(_argv[2], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "furrow_xml16: cannot write %s\n", _argv[2]);
        return 1;
    }
    return 0;
}
