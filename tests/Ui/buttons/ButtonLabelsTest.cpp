#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"
#include "platform/images/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double luminance(double _r, double _g, double _b)
{
    const auto linear = [](double _c) { return _c <= 0.03928 ? _c / 12.92 : std::pow((_c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(_r / 255) + 0.7152 * linear(_g / 255) + 0.0722 * linear(_b / 255);
}

double contrast(double _a, double _b)
{
    return (std::max(_a, _b) + 0.05) / (std::min(_a, _b) + 0.05);
}

// A labelled button of the shipped layouts: where it is written, its picture and its label.
struct sButton {
    std::string where;
    std::string picture;
    UInt columns = 1;
    UInt frames = 1;
    UInt frame = 0;
    UInt label = 0;
};

std::string narrow(const WString& _text)
{
    return toString(_text);
}

UInt number(iXML* _xml, const char16_t* _name, UInt _default)
{
    const std::string text = narrow((*_xml)[_name]);
    return text.empty() ? _default : UInt(std::stoul(text));
}

// Every element drawn as a button (it names its normal frame) with a text of its own.
void collect(iXML* _xml, const std::string& _where, std::vector<sButton>& _buttons)
{
    iXML* child = nullptr;
    String tag;
    for (UInt i = 0, count = _xml->getChildCount(); i < count; ++i) {
        if (!_xml->get(i, child, &tag))
            continue;
        iXML* text = nullptr;
        const std::string picture = narrow((*child)[u"Picture"]);
        const std::string color = child->get("Text", text) ? narrow((*text)[u"Color"]) : "";
        if (!picture.empty() && !narrow((*child)[u"frame_normal"]).empty() && !color.empty() &&
            !narrow((*text)[u"String"]).empty())
            _buttons.push_back({_where + " " + tag, picture, number(child, u"anim_columns", 1),
                                number(child, u"frames_count", 1), number(child, u"frame_normal", 0),
                                UInt(std::stoul(color, nullptr, 16))});
        collect(child, _where, _buttons);
    }
}

// The middle band of a frame, where the label stands: its mean colour over the opaque pixels.
Bool middleLuminance(const sImage& _image, const sButton& _button, double& _luminance)
{
    const UInt rows = (_button.frames + _button.columns - 1) / _button.columns;
    const UInt w = _image.width / _button.columns, h = _image.height / std::max(rows, 1u);
    const UInt left = (_button.frame % _button.columns) * w, top = (_button.frame / _button.columns) * h;
    double r = 0, g = 0, b = 0, n = 0;
    for (UInt y = top + h * 2 / 5; y < top + h * 3 / 5; ++y)
        for (UInt x = left + w / 5; x < left + w * 4 / 5; ++x) {
            const UInt argb = _image.at(x, y);
            if ((argb >> 24) < 200)
                continue;
            r += (argb >> 16) & 0xFF;
            g += (argb >> 8) & 0xFF;
            b += argb & 0xFF;
            ++n;
        }
    if (n == 0)
        return false;
    _luminance = luminance(r / n, g / n, b / n);
    return true;
}

// A button's word must read on the button as the player first sees it: at least 2.5 to 1
// between the label and the middle of its normal picture (light words on the green, red and
// wood buttons, dark words on the pale ones). The demo has dozens of labelled buttons; each
// layout is walked, so a new pale button with a light word is caught wherever it is written.
TEST(ButtonLabels, EveryShippedButtonLabelReadsOnItsButton)
{
    const char* data = std::getenv("FURROW_DATA");
    ASSERT_TRUE(data);
    std::vector<sButton> buttons;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(data)) {
        if (entry.path().extension() != ".xml")
            continue;
        const std::string bytes = readFileBytes(entry.path().string());
        cXML xml(entry.path().string(), bytes.data(), ULong(bytes.size()));
        collect(&xml, std::filesystem::relative(entry.path(), data).string(), buttons);
    }
    EXPECT_GT(buttons.size(), 20u) << "the walk found the demo's buttons";
    for (const sButton& button : buttons) {
        const std::string png = readFileBytes(std::string(data) + "/" + button.picture);
        ASSERT_FALSE(png.empty()) << button.where << ": " << button.picture;
        const sImage image = loadImage(png.data(), png.size(), button.picture);
        double back = 0;
        ASSERT_TRUE(middleLuminance(image, button, back)) << button.where;
        const UInt c = button.label;
        const double ink = luminance((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
        EXPECT_GE(contrast(ink, back), 2.5) << button.where << " (" << button.picture << ")";
    }
}

} // namespace
