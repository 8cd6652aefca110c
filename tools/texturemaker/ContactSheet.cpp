#include "ContactSheet.h"

#include "TextMask.h"

#include <algorithm>
#include <cmath>

namespace {

const UInt kColumns = 8, kCellWidth = 200, kCellHeight = 170, kPictureHeight = 150;

// The picture averaged down (never up) into a box of at most _width x _height.
sImage shrink(const sImage& _source, UInt _width, UInt _height)
{
    const Float scale = std::min({1.0f, Float(_width) / Float(_source.width), Float(_height) / Float(_source.height)});
    sImage result(std::max(1u, UInt(Float(_source.width) * scale)), std::max(1u, UInt(Float(_source.height) * scale)));
    for (UInt y = 0; y < result.height; ++y)
        for (UInt x = 0; x < result.width; ++x) {
            const UInt x0 = UInt(Float(x) / scale), x1 = std::max(x0 + 1, std::min(_source.width, UInt(Float(x + 1) / scale)));
            const UInt y0 = UInt(Float(y) / scale), y1 = std::max(y0 + 1, std::min(_source.height, UInt(Float(y + 1) / scale)));
            Float sum[4] = {};
            for (UInt sy = y0; sy < y1; ++sy)
                for (UInt sx = x0; sx < x1; ++sx)
                    for (int c = 0; c < 4; ++c)
                        sum[c] += _source.rgba[(std::size_t(sy) * _source.width + sx) * 4 + c];
            for (int c = 0; c < 4; ++c)
                result.rgba[(std::size_t(y) * result.width + x) * 4 + c] = sum[c] / Float((x1 - x0) * (y1 - y0));
        }
    return result;
}

void label(const String& _text, Int _x, Int _y, sImage& _sheet)
{
    sLayer layer;
    layer.shape = eShape::Text;
    layer.text = _text;
    layer.box = {Float(_x), Float(_y), 11, 0};
    const sMask mask = renderText(layer);
    for (UInt y = 0; y < mask.height; ++y)
        for (UInt x = 0; x < mask.width; ++x)
            _sheet.blend(mask.left + Int(x), mask.top + Int(y), {0.15f, 0.1f, 0.05f, 1}, mask.cover[y * mask.width + x]);
}

} // namespace

sImage makeContactSheet(const std::vector<std::pair<String, sImage>>& _pictures)
{
    const UInt rows = UInt(_pictures.size() + kColumns - 1) / kColumns;
    sImage sheet(kColumns * kCellWidth, std::max(1u, rows) * kCellHeight);
    for (UInt y = 0; y < sheet.height; ++y)
        for (UInt x = 0; x < sheet.width; ++x) {
            const Float shade = ((x / 8 + y / 8) % 2 == 0) ? 0.86f : 0.78f;
            sheet.blend(Int(x), Int(y), {shade, shade, shade, 1}, 1);
        }
    for (std::size_t i = 0; i < _pictures.size(); ++i) {
        const sImage small = shrink(_pictures[i].second, kCellWidth - 8, kPictureHeight - 6);
        const UInt cellX = UInt(i % kColumns) * kCellWidth, cellY = UInt(i / kColumns) * kCellHeight;
        const UInt x = cellX + (kCellWidth - small.width) / 2, y = cellY + 3 + (kPictureHeight - 6 - small.height) / 2;
        for (UInt sy = 0; sy < small.height; ++sy)
            for (UInt sx = 0; sx < small.width; ++sx)
                sheet.blend(Int(x + sx), Int(y + sy), small.pixel(sx, sy), 1);
        const String& path = _pictures[i].first;
        const std::size_t slash = path.find('/', path.size() > 26 ? path.size() - 26 : 0);
        label(path.size() > 30 && slash != String::npos ? path.substr(slash + 1) : path, Int(cellX + kCellWidth / 2),
            Int(cellY + kPictureHeight + 8), sheet);
    }
    return sheet;
}
