#pragma once
// One frame of a busy screen, whole: the engine on the headless platform over the demo data,
// a screen of 500 pictures (a backdrop, a market of product and seed icons, turning windmills
// and suns, bobbing arrows, spinning coins), 50 buttons under a cursor that sweeps across them
// so their hover states keep changing, and 20 lines of 30 letters, two of them rewritten every
// frame. A frame is the frame driver's process: cursor, clock, input, views, the draw pass
// through the renderer and the recording device's draws. Other benchmarks measure against it
// in the same run.
#include "BenchData.h"
#include "SameRun.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"
#include "engine/Engine.h"
#include "engine/frame/Logic.h"
#include "engine/files/XML.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace busy {

const int ICON_COLUMNS = 30, ICON_ROWS = 15; // 450 icons
const int BUTTON_COLUMNS = 10, BUTTON_ROWS = 5;
const int TEXTS = 20;
const UInt FRAME_MS = 16;

const char* const PRODUCTS[] = {"Products/Wheat", "Products/Corn", "Products/Carrot", "Products/Tomato",
    "Products/Potato", "Products/Sunflower", "Products/Cabbage", "Products/Pumpkin", "Products/Milk",
    "Products/Egg", "Products/Flour", "Products/Bread", "Products/Cheese", "Products/Butter", "Products/Jam",
    "Products/Juice", "Products/Wool", "Products/Cloth", "Products/Oil", "Products/Melon", "Products/Rose",
    "Seeds/Wheat", "Seeds/Corn", "Seeds/Carrot", "Seeds/Tomato", "Seeds/Pumpkin", "Seeds/Melon", "Seeds/Rose"};
const char* const BUTTONS[] = {"Ui/Button", "Ui/ButtonRed", "Ui/ButtonYellow", "Ui/ButtonSmall", "Ui/RoundButton/Up",
    "Ui/RoundButton/Close"};
// Thirty drawable letters each.
const char* const LINES[] = {"Wheat:120,Corn:95,Carrot:6,Oat", "Fresh-milk-every-morning-at-6!",
    "The-mill-grinds-flour-for-buns", "Eggs-sell-best-on-market-days!", "Cheese-takes-milk-and-patience"};

inline std::string attribute(const char* _name, const std::string& _value)
{
    return std::string(" ") + _name + "=\"" + _value + "\"";
}

inline std::string at(Float _x, Float _y)
{
    return attribute("position", std::to_string(int(_x)) + "," + std::to_string(int(_y)));
}

inline std::string sized(int _width, int _height)
{
    return attribute("size", std::to_string(_width) + "," + std::to_string(_height));
}

// The screen as the game's data would give it, in elements the benchmark knows by tag.
inline std::string screenXml()
{
    std::string xml = "<Screen>\n";
    const std::string shown = attribute("Visible", "1") + attribute("Enable", "1");
    xml += "<picture" + shown + attribute("Picture", "Pictures/Backs/Farm.jpg") + at(400, 300) + sized(800, 600)
        + attribute("deep", "0") + " />\n";
    // The market: a row of one depth alternates its pictures, as shop shelves do.
    for (int row = 0; row < ICON_ROWS; ++row)
        for (int column = 0; column < ICON_COLUMNS; ++column) {
            const int index = row * ICON_COLUMNS + column;
            const std::string picture = std::string("Pictures/") + PRODUCTS[index % std::size(PRODUCTS)] + ".png";
            xml += "<picture" + shown + attribute("Picture", picture) + at(Float(14 + column * 26), Float(64 + row * 26))
                + sized(24, 24) + attribute("deep", std::to_string(2 + row))
                + (index % 7 == 0 ? attribute("alpha", "0.6") : "") + (index % 11 == 0 ? attribute("InverceX", "1") : "")
                + " />\n";
        }
    // 49 moving pictures above the market: windmills (every other one cross-faded), suns,
    // arrows and coins that spin by a per-frame hook.
    for (int i = 0; i < 49; ++i) {
        const Float x = Float(30 + (i * 97) % 740), y = Float(30 + (i * 53) % 380);
        const int kind = i % 4;
        std::string look;
        if (kind == 0)
            look = attribute("Picture", "Pictures/Anim/Windmill.png") + sized(64, 64)
                + attribute("anim_columns", "3") + attribute("anim_rows", "3") + attribute("frames_count", "9")
                + attribute("anim_length", "1.2") + attribute("DoubleAnimRender", i % 8 == 0 ? "1" : "0");
        else if (kind == 1)
            look = attribute("Picture", "Pictures/Anim/Sun.png") + sized(72, 72) + attribute("anim_columns", "3")
                + attribute("anim_rows", "3") + attribute("frames_count", "9") + attribute("anim_length", "2.4");
        else if (kind == 2)
            look = attribute("Picture", "Pictures/Tutorial/Arrow.png") + sized(32, 48)
                + attribute("anim_columns", "4") + attribute("frames_count", "4") + attribute("anim_length", "0.8");
        else
            look = attribute("Picture", "Pictures/Ui/MenuBar/Coin.png") + sized(28, 28);
        xml += "<picture" + shown + look + at(x, y) + attribute("deep", std::to_string(30 + i))
            + attribute("anim_loop", "1") + attribute("PlayAnimation", kind == 3 ? "0" : "1") + " />\n";
    }
    for (int row = 0; row < BUTTON_ROWS; ++row)
        for (int column = 0; column < BUTTON_COLUMNS; ++column) {
            const bool round = row == BUTTON_ROWS - 1;
            const char* look = BUTTONS[round ? 4 + column % 2 : row % 4];
            xml += "<button" + shown + attribute("Picture", std::string("Pictures/") + look + ".png")
                + attribute("anim_columns", "4") + attribute("frames_count", "4") + attribute("frame_normal", "0")
                + attribute("frame_hover", "1") + attribute("frame_pressed", "2") + attribute("frame_disabled", "3")
                + at(Float(40 + column * 80), Float(452 + row * 34)) + (round ? sized(30, 30) : sized(76, 28))
                + attribute("deep", "200") + " />\n";
        }
    for (int i = 0; i < TEXTS; ++i)
        xml += "<text" + shown + attribute("Font", "fonts/main.fnt") + attribute("Texture", "fonts/main.png")
            + attribute("Localized", "0") + attribute("Align", "0") + attribute("SpaceWidth", "7")
            + attribute("Color", i % 2 ? "0xFF553419" : "0xFFFFF4D6") + attribute("String", LINES[i % std::size(LINES)])
            + at(Float(i % 2 ? 600 : 200), Float(70 + (i / 2) * 36)) + attribute("deep", "100") + " />\n";
    return xml + "</Screen>\n";
}

inline Bool spin(cControl* _coin)
{
    _coin->setAngle(_coin->getAngle() + 6.0f);
    return false;
}

// The engine over the built demo data with the screen shown, and the device it draws on.
class cBusyScreen {
public:
    cBusyScreen()
        : m_home((std::filesystem::temp_directory_path() / ("furrow-frame-" + std::to_string(::getpid()))).string())
    {
        setenv("FURROW_HOME", m_home.c_str(), 1);
        m_engine = std::make_unique<cEngine>(FURROW_DATA_DIR, nullptr);
        auto* graphics = dynamic_cast<cGraphics*>(iGraphics::getInstance());
        m_device = graphics ? dynamic_cast<cRecordingRasterDevice*>(&graphics->getDevice()) : nullptr;
        if (!m_device)
            throw String("The headless renderer has no recording device.");
        load();
        m_screen->show();
        m_screen->enable();
    }
    ~cBusyScreen()
    {
        delete m_screen;
        m_engine.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }

    // The cursor moves 8 pixels a frame along one button row, then the next.
    void frame(UInt _number)
    {
        const Int x = Int(_number * 8 % 800), y = 452 + Int(_number / 100 % BUTTON_ROWS) * 34;
        cHeadlessWindow& window = m_platform.getHeadlessWindow();
        // The window's cursor is in desktop pixels.
        const sPixelRect client = window.getWindowRect();
        Int oldX = 0, oldY = 0;
        window.getCursorPosition(oldX, oldY);
        window.setCursorPosition(client.left + x, client.top + y);
        m_platform.getHeadlessMouse().move(client.left + x - oldX, client.top + y - oldY);
        m_platform.getHeadlessSystem().advance(FRAME_MS);
        // A money counter and a clock: two lines change every frame, the rest lie still.
        m_changing[0]->setString(toWide("Coins:" + padded(_number * 37 % 10000000u, 7) + "-Day:"
            + padded(_number / 1000 % 100, 2) + "-Time:" + padded(_number % 10000, 4)));
        m_changing[1]->setString(toWide("Harvest-" + padded(_number % 100, 2) + "%-of-field-" + padded(_number % 1000, 3)
            + "-done!"));
        cLogic::getInstance()->process();
    }

    cRecordingRasterDevice& device() { return *m_device; }
    const std::vector<cAnimButton*>& buttons() const { return m_buttons; }
    size_t letters() const
    {
        size_t count = 0;
        for (cText* text : m_texts)
            count += text->getLetters().size();
        return count;
    }

private:
    static WString toWide(const std::string& _ascii) { return WString(_ascii.begin(), _ascii.end()); }
    static std::string padded(UInt _value, size_t _width)
    {
        const std::string digits = std::to_string(_value);
        return std::string(_width > digits.size() ? _width - digits.size() : 0, '0') + digits;
    }

    void load()
    {
        const std::string bytes = cBenchData::utf16(screenXml());
        cXML document("FrameScreen.xml", bytes.data(), ULong(bytes.size()));
        m_screen = new cView(nullptr);
        TAG_LIST elements;
        document.get("picture", elements);
        for (iXML* element : elements) {
            auto* picture = new cPicture(m_screen);
            picture->loadXML(element);
            if ((*element)[u"Picture"] == u"Pictures/Ui/MenuBar/Coin.png")
                picture->setProcessFunc(&spin);
        }
        elements.clear();
        document.get("button", elements);
        for (iXML* element : elements) {
            m_buttons.push_back(new cAnimButton(m_screen));
            m_buttons.back()->loadXML(element);
        }
        elements.clear();
        document.get("text", elements);
        for (iXML* element : elements) {
            m_texts.push_back(new cText(m_screen));
            m_texts.back()->loadXML(element);
        }
        m_changing[0] = m_texts[0];
        m_changing[1] = m_texts[1];
    }

    std::string m_home;
    cHeadlessPlatform m_platform;
    std::unique_ptr<cEngine> m_engine;
    cRecordingRasterDevice* m_device = nullptr;
    // Deleted by hand before the engine: views live only while the frame driver does.
    cView* m_screen = nullptr;
    std::vector<cAnimButton*> m_buttons;
    std::vector<cText*> m_texts;
    cText* m_changing[2] = {};
};

// What the busy screen's frames cost, kept for the other benchmarks of the run.
const char* const BUSY_SCREEN_FRAME = "busy screen frame";

// The busy screen's frames under _state.
inline void runBusyScreen(benchmark::State& _state)
{
    std::unique_ptr<cBusyScreen> screen;
    try {
        screen = std::make_unique<cBusyScreen>();
    } catch (const String& _error) {
        _state.SkipWithError(_error.c_str());
        return;
    }
    UInt number = 0;
    // The letters are laid out and every look is built once before the clock runs.
    for (; number < 10; ++number) {
        screen->frame(number);
        screen->device().forgetCalls();
    }
    size_t draws = 0, sprites = 0, hoverChanges = 0;
    std::vector<eButtonState> states;
    for (const cAnimButton* button : screen->buttons())
        states.push_back(button->getState());
    cSameRun::cClock clock;
    std::vector<double> seconds;
    for (auto _ : _state) {
        clock.start();
        screen->frame(number++);
        seconds.push_back(clock.stop());
        _state.PauseTiming();
        draws = screen->device().draws().size();
        sprites = 0;
        for (const auto& draw : screen->device().draws())
            sprites += draw.indices.size() / 6;
        for (size_t i = 0; i < states.size(); ++i)
            if (screen->buttons()[i]->getState() != states[i]) {
                states[i] = screen->buttons()[i]->getState();
                ++hoverChanges;
            }
        screen->device().forgetCalls();
        _state.ResumeTiming();
    }
    _state.counters["draws/frame"] = double(draws);
    _state.counters["sprites/frame"] = double(sprites);
    _state.counters["letters"] = double(screen->letters());
    _state.counters["hover changes/frame"] = benchmark::Counter(double(hoverChanges), benchmark::Counter::kAvgIterations);
    // Every picture drawn, and the cursor changing the buttons' looks as it sweeps.
    // The cursor crosses a row of buttons in 100 frames.
    if (sprites < ICON_COLUMNS * ICON_ROWS + BUTTON_COLUMNS * BUTTON_ROWS ||
        (_state.iterations() >= 100 && hoverChanges == 0)) {
        _state.SkipWithError("The busy screen was not drawn whole, or its buttons never changed.");
        return;
    }
    cSameRun::keep(BUSY_SCREEN_FRAME, cSameRun::typical(seconds));
}
} // namespace busy
