#include "Description.h"

#include "TextMask.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

const Float kPi = 3.14159265f;

struct sToken {
    String text;
    Bool quoted = false;
};

// One line's words and quoted strings, keyed options split off as key -> value.
struct sLine {
    UInt number = 0;
    std::vector<sToken> words;
    std::map<String, String> options;
};

class cParser {
public:
    cParser(const String& _name) : m_name(_name) {}
    sDescription parse(const String& _text);

private:
    [[noreturn]] void fail(const String& _what) const
    {
        throw String(m_name + ":" + std::to_string(m_line) + ": " + _what);
    }
    sLine split(const String& _text);
    Float number(const String& _word) const;
    UInt count(const String& _word, UInt _min, UInt _max) const;
    sPoint point(const String& _word) const;
    tColour colour(const String& _word) const;
    std::pair<UInt, UInt> size(const String& _word) const;
    void positional(const sLine& _line, std::size_t _count) const;

    void readColour(const sLine& _line);
    void readPicture(const sLine& _line);
    void readMesh(const sLine& _line);
    void readLayer(const sLine& _line);
    void readUse(const sLine& _line);
    void readShape(const sLine& _line, sLayer& _layer) const;
    void readStyle(sLine _line, sLayer& _layer) const;

    String m_name;
    UInt m_line = 0;
    std::map<String, tColour> m_colours;
    sDescription m_result;
};

sLine cParser::split(const String& _text)
{
    sLine line;
    line.number = m_line;
    std::size_t i = 0;
    while (i < _text.size()) {
        if (_text[i] == ' ' || _text[i] == '\t' || _text[i] == '\r') {
            ++i;
            continue;
        }
        sToken token;
        if (_text[i] == '"') {
            const std::size_t end = _text.find('"', i + 1);
            if (end == String::npos)
                fail("the text has no closing quote");
            token.text = _text.substr(i + 1, end - i - 1);
            token.quoted = true;
            i = end + 1;
        } else {
            const std::size_t end = _text.find_first_of(" \t\r", i);
            token.text = _text.substr(i, end == String::npos ? String::npos : end - i);
            i = end == String::npos ? _text.size() : end;
        }
        const std::size_t equals = token.quoted ? String::npos : token.text.find('=');
        if (equals != String::npos)
            line.options[token.text.substr(0, equals)] = token.text.substr(equals + 1);
        else if (!token.quoted && (token.text == "states" || token.text == "gloss"))
            line.options[token.text] = "";
        else
            line.words.push_back(token);
    }
    return line;
}

Float cParser::number(const String& _word) const
{
    char* end = nullptr;
    const Float value = std::strtof(_word.c_str(), &end);
    if (_word.empty() || *end != '\0' || !std::isfinite(value) || std::fabs(value) > 1e5f)
        fail("'" + _word + "' is not a number");
    return value;
}

UInt cParser::count(const String& _word, UInt _min, UInt _max) const
{
    const Float value = number(_word);
    if (value != std::floor(value) || value < Float(_min) || value > Float(_max))
        fail("'" + _word + "' must be a whole number from " + std::to_string(_min) + " to " + std::to_string(_max));
    return UInt(value);
}

sPoint cParser::point(const String& _word) const
{
    const std::size_t comma = _word.find(',');
    if (comma == String::npos)
        fail("'" + _word + "' is not a point x,y");
    return {number(_word.substr(0, comma)), number(_word.substr(comma + 1))};
}

tColour cParser::colour(const String& _word) const
{
    const auto named = m_colours.find(_word);
    if (named != m_colours.end())
        return named->second;
    const String hex = _word.empty() ? _word : _word.substr(1);
    const Bool digits = hex.find_first_not_of("0123456789abcdefABCDEF") == String::npos;
    if (_word.empty() || _word[0] != '#' || !digits || (hex.size() != 3 && hex.size() != 6 && hex.size() != 8))
        fail("'" + _word + "' is no colour: #rgb, #rrggbb, #rrggbbaa or a name given by 'colour'");
    tColour result{0, 0, 0, 1};
    for (std::size_t channel = 0; channel < hex.size() / (hex.size() == 3 ? 1 : 2); ++channel) {
        const String part = hex.size() == 3 ? String(2, hex[channel]) : hex.substr(channel * 2, 2);
        result[channel] = Float(std::strtoul(part.c_str(), nullptr, 16)) / 255.0f;
    }
    return result;
}

std::pair<UInt, UInt> cParser::size(const String& _word) const
{
    const std::size_t x = _word.find('x');
    if (x == String::npos)
        fail("'" + _word + "' is not a size WxH");
    return {count(_word.substr(0, x), 1, 4096), count(_word.substr(x + 1), 1, 4096)};
}

void cParser::positional(const sLine& _line, std::size_t _count) const
{
    if (_line.words.size() != _count + 1)
        fail("'" + _line.words[0].text + "' takes " + std::to_string(_count) + " values, not "
            + std::to_string(_line.words.size() - 1));
}

void cParser::readColour(const sLine& _line)
{
    positional(_line, 2);
    m_colours[_line.words[1].text] = colour(_line.words[2].text);
}

void cParser::readPicture(const sLine& _line)
{
    positional(_line, 2);
    sPicture picture;
    picture.line = m_line;
    picture.path = _line.words[1].text;
    const String extension = picture.path.size() > 4 ? picture.path.substr(picture.path.size() - 4) : "";
    if (extension != ".png" && extension != ".jpg")
        fail("the picture '" + picture.path + "' must end in .png or .jpg");
    const auto frame = size(_line.words[2].text);
    picture.frameWidth = frame.first;
    picture.frameHeight = frame.second;
    for (const auto& option : _line.options) {
        if (option.first == "grid") {
            const auto grid = size(option.second);
            picture.columns = grid.first;
            picture.rows = grid.second;
        } else if (option.first == "frames")
            picture.frames = count(option.second, 1, 1024);
        else if (option.first == "states")
            picture.states = true;
        else if (option.first == "bg") {
            picture.background = true;
            picture.backgroundColour = colour(option.second);
        } else
            fail("a picture has no option '" + option.first + "'");
    }
    if (_line.options.count("frames") == 0)
        picture.frames = picture.columns * picture.rows;
    if (picture.states)
        picture.frames = 4;
    if (picture.frames > picture.columns * picture.rows)
        fail(std::to_string(picture.frames) + " frames do not fit a grid of " + std::to_string(picture.columns)
            + "x" + std::to_string(picture.rows));
    if (picture.width() > 4096 || picture.height() > 4096)
        fail("the picture is larger than 4096 pixels");
    m_result.pictures.push_back(picture);
}

void cParser::readMesh(const sLine& _line)
{
    positional(_line, 2);
    if (_line.words[2].text != "bale")
        fail("there is no mesh '" + _line.words[2].text + "' (only 'bale')");
    m_result.meshes.push_back({m_line, _line.words[1].text, _line.words[2].text});
}

std::vector<sPoint> regularStar(sPoint _centre, Float _outer, Float _inner, UInt _points)
{
    std::vector<sPoint> corners;
    for (UInt i = 0; i < _points * 2; ++i) {
        const Float angle = kPi * Float(i) / Float(_points) - kPi / 2;
        const Float radius = i % 2 == 0 ? _outer : _inner;
        corners.push_back({_centre.x + radius * std::cos(angle), _centre.y + radius * std::sin(angle)});
    }
    return corners;
}

// An arrow pointing up, turned a quarter at a time to _direction.
std::vector<sPoint> arrow(sPoint _centre, Float _size, const String& _direction)
{
    const Float h = _size / 2, w = _size / 5.5f;
    const std::vector<sPoint> up = {{0, -h}, {h, 0}, {w, 0}, {w, h}, {-w, h}, {-w, 0}, {-h, 0}};
    std::vector<sPoint> corners;
    for (const sPoint& p : up) {
        sPoint turned = p;
        if (_direction == "down")
            turned = {-p.x, -p.y};
        else if (_direction == "left")
            turned = {p.y, -p.x};
        else if (_direction == "right")
            turned = {-p.y, p.x};
        corners.push_back({_centre.x + turned.x, _centre.y + turned.y});
    }
    return corners;
}

void cParser::readShape(const sLine& _line, sLayer& _layer) const
{
    const String& name = _line.words[0].text;
    auto value = [&](std::size_t _i) { return number(_line.words[_i].text); };
    if (name == "rect" || name == "ellipse") {
        positional(_line, 4);
        _layer.shape = name == "rect" ? eShape::Rect : eShape::Ellipse;
        _layer.box = {value(1), value(2), value(3), value(4)};
        if (_layer.box[2] <= 0 || _layer.box[3] <= 0)
            fail("'" + name + "' needs a positive size");
    } else if (name == "circle") {
        positional(_line, 3);
        _layer.shape = eShape::Ellipse;
        _layer.box = {value(1), value(2), value(3), value(3)};
        if (_layer.box[2] <= 0)
            fail("'circle' needs a positive radius");
    } else if (name == "poly" || name == "path") {
        _layer.shape = name == "poly" ? eShape::Polygon : eShape::Path;
        for (std::size_t i = 1; i < _line.words.size(); ++i)
            _layer.points.push_back(point(_line.words[i].text));
        if (_layer.points.size() < (name == "poly" ? 3u : 2u))
            fail("'" + name + "' needs at least " + (name == "poly" ? "three points" : "two points"));
        if (name == "path")
            _layer.radius = 1.5f;
    } else if (name == "star") {
        positional(_line, 5);
        _layer.shape = eShape::Polygon;
        _layer.points = regularStar({value(1), value(2)}, value(3), value(4), count(_line.words[5].text, 3, 64));
    } else if (name == "arrow") {
        positional(_line, 4);
        const String& direction = _line.words[4].text;
        if (direction != "up" && direction != "down" && direction != "left" && direction != "right")
            fail("an arrow points up, down, left or right, not '" + direction + "'");
        _layer.shape = eShape::Polygon;
        _layer.points = arrow({value(1), value(2)}, value(3), direction);
    } else if (name == "tick") {
        positional(_line, 3);
        const Float x = value(1), y = value(2), s = value(3);
        _layer.shape = eShape::Path;
        _layer.points = {{x - 0.38f * s, y}, {x - 0.1f * s, y + 0.28f * s}, {x + 0.4f * s, y - 0.32f * s}};
        _layer.radius = s * 0.1f;
    } else if (name == "text") {
        positional(_line, 4);
        if (!_line.words[4].quoted)
            fail("the words of 'text' go in double quotes");
        _layer.shape = eShape::Text;
        _layer.box = {value(1), value(2), value(3), 0};
        _layer.text = _line.words[4].text;
        if (_layer.box[2] < 2 || _layer.box[2] > 400)
            fail("a text size is from 2 to 400 pixels");
    } else
        fail("unknown command '" + name + "'");
}

void cParser::readStyle(sLine _line, sLayer& _layer) const
{
    auto take = [&](const String& _key, auto _read) {
        const auto found = _line.options.find(_key);
        if (found != _line.options.end()) {
            _read(found->second);
            _line.options.erase(found);
        }
    };
    take("fill", [&](const String& _v) {
        const std::size_t dots = _v.find("..");
        _layer.filled = true;
        _layer.fillTop = colour(_v.substr(0, dots));
        _layer.fillBottom = dots == String::npos ? _layer.fillTop : colour(_v.substr(dots + 2));
    });
    take("line", [&](const String& _v) {
        _layer.outlined = true;
        _layer.outline = colour(_v);
    });
    take("w", [&](const String& _v) { _layer.outlineWidth = number(_v); });
    take("r", [&](const String& _v) { _layer.radius = number(_v); });
    take("shadow", [&](const String& _v) { _layer.shadow = number(_v); });
    take("drop", [&](const String& _v) { _layer.drop = number(_v); });
    take("sc", [&](const String& _v) { _layer.shadowColour = colour(_v); });
    take("bevel", [&](const String& _v) { _layer.bevel = number(_v); });
    take("gloss", [&](const String&) { _layer.gloss = true; });
    take("alpha", [&](const String& _v) { _layer.alpha = number(_v); });
    take("rot", [&](const String& _v) { _layer.rotation = number(_v); });
    take("spin", [&](const String& _v) { _layer.spin = number(_v); });
    take("about", [&](const String& _v) {
        _layer.pivotSet = true;
        _layer.pivot = point(_v);
    });
    take("step", [&](const String& _v) { _layer.step = point(_v); });
    take("frame", [&](const String& _v) { _layer.onlyFrame = Int(count(_v, 0, 1023)); });
    take("font", [&](const String& _v) {
        if (fontFile(_v).empty())
            fail("there is no font '" + _v + "' (" + faceNames() + ")");
        _layer.font = _v;
    });
    take("rep", [&](const String& _v) {
        const std::size_t comma = _v.find(',');
        if (comma == String::npos)
            fail("'rep' is N,dx,dy");
        _layer.repeat = count(_v.substr(0, comma), 1, 1000);
        _layer.repeatStep = point(_v.substr(comma + 1));
    });
    if (!_line.options.empty())
        fail("'" + _line.words[0].text + "' has no option '" + _line.options.begin()->first + "'");
    if (!_layer.filled && !_layer.outlined && _layer.shadow <= 0)
        fail("'" + _line.words[0].text + "' draws nothing: give it fill=, line= or shadow=");
    if (_layer.outlineWidth <= 0 || _layer.radius < 0 || _layer.shadow < 0 || _layer.bevel < 0)
        fail("widths, radii, shadows and bevels cannot be negative");
}

void cParser::readLayer(const sLine& _line)
{
    if (m_result.pictures.empty())
        fail("'" + _line.words[0].text + "' comes before any 'picture'");
    sLayer layer;
    layer.line = m_line;
    readShape(_line, layer);
    readStyle(_line, layer);
    if (layer.shape == eShape::Text && (layer.rotation != 0 || layer.spin != 0))
        fail("text does not turn");
    if (layer.onlyFrame >= Int(m_result.pictures.back().frames))
        fail("the picture has no frame " + std::to_string(layer.onlyFrame));
    m_result.pictures.back().layers.push_back(layer);
}

// Another picture's layers, scaled by _scale about its origin and laid at (x, y).
void cParser::readUse(const sLine& _line)
{
    positional(_line, 4);
    if (m_result.pictures.empty())
        fail("'use' comes before any 'picture'");
    const String& name = _line.words[1].text;
    const sPicture* source = nullptr;
    for (const sPicture& picture : m_result.pictures)
        if (picture.path == name)
            source = &picture;
    if (source == nullptr || source == &m_result.pictures.back())
        fail("'use' names no earlier picture '" + name + "'");
    const Float x = number(_line.words[2].text), y = number(_line.words[3].text), k = number(_line.words[4].text);
    if (k <= 0)
        fail("'use' needs a positive scale");
    auto move = [&](sPoint _p) { return sPoint{x + _p.x * k, y + _p.y * k}; };
    std::vector<sLayer> layers = source->layers;
    for (sLayer& layer : layers) {
        layer.line = m_line;
        const sPoint corner = move({layer.box[0], layer.box[1]});
        layer.box = {corner.x, corner.y, layer.box[2] * k, layer.box[3] * k};
        for (sPoint& p : layer.points)
            p = move(p);
        layer.pivot = move(layer.pivot);
        layer.step = {layer.step.x * k, layer.step.y * k};
        layer.repeatStep = {layer.repeatStep.x * k, layer.repeatStep.y * k};
        for (Float* width : {&layer.radius, &layer.outlineWidth, &layer.shadow, &layer.bevel, &layer.drop})
            *width *= k;
    }
    std::vector<sLayer>& target = m_result.pictures.back().layers;
    target.insert(target.end(), layers.begin(), layers.end());
}

sDescription cParser::parse(const String& _text)
{
    std::istringstream lines(_text);
    String text;
    while (std::getline(lines, text)) {
        ++m_line;
        const std::size_t first = text.find_first_not_of(" \t\r");
        if (first == String::npos || text[first] == '#')
            continue;
        const sLine line = split(text);
        if (line.words.empty() || line.words[0].quoted)
            fail("a line starts with a command");
        const String& command = line.words[0].text;
        if (command == "colour")
            readColour(line);
        else if (command == "picture")
            readPicture(line);
        else if (command == "mesh")
            readMesh(line);
        else if (command == "use")
            readUse(line);
        else
            readLayer(line);
    }
    return m_result;
}

} // namespace

sDescription parseDescription(const String& _text, const String& _name)
{
    return cParser(_name).parse(_text);
}
