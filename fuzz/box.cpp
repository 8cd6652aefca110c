#include "FuzzDataFolder.h"
#include "Ui/ListBox.h"
#include "Ui/ProgressDiscrete.h"
#include "Ui/ProgressFloat.h"
#include "Ui/TextBox.h"
#include "Ui/UI.h"
#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/TextConvert.h"
#include "engine/Timer.h"
#include "engine/XML.h"
#include "graphics/FontFile.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"

#include <cstdint>
#include <memory>

namespace {

// A 2 x 2 picture "p.bmp" and a font "f.fnt" of '_' and 'a' to 'z' over it, so that the
// paths of the elements can name files that load.
void writeBoxFiles(const sFuzzDataFolder& _folder)
{
    auto u32 = [](std::uint32_t _value) {
        return std::string{char(_value), char(_value >> 8), char(_value >> 16), char(_value >> 24)};
    };
    std::string bitmap = "BM" + u32(70) + u32(0) + u32(54) + u32(40) + u32(2) + u32(2);
    bitmap += std::string{1, 0, 24, 0} + u32(0) + u32(16) + u32(2835) + u32(2835) + u32(0) + u32(0);
    for (int row = 0; row < 2; ++row)
        bitmap += std::string("\x20\x80\xE0\xE0\x80\x20\0\0", 8);
    sFontFile font;
    font.ranges = {{u'_', u'_', 0}, {u'a', u'z', 0}};
    font.glyphs.assign(26, sGlyph{0, 1, 0.5f, 0, 0.5f});
    const String fontBytes = writeFontFile(font);
    sFuzzDataFolder::write(_folder.root + "/p.bmp", bitmap.data(), bitmap.size());
    sFuzzDataFolder::write(_folder.root + "/f.fnt", fontBytes.data(), fontBytes.size());
}

// The renderer on the recording device with the cache, the settings, the timer and the UI
// manager, made once.
struct sWorld {
    cFileManager files;
    cResourceManager resources;
    cSettings settings;
    cHeadlessWindow window;
    cHeadlessSystem system;
    cRecordingRasterDevice* device;
    std::unique_ptr<cGraphics> graphics;
    cTimer timer;
    cUI ui;

    explicit sWorld(const sFuzzDataFolder& _folder) : files(_folder.root, "pack")
    {
        auto recording = std::make_unique<cRecordingRasterDevice>();
        device = recording.get();
        graphics = std::make_unique<cGraphics>(std::move(recording), window, system);
    }

    static sWorld& get()
    {
        static sWorld* world = [] {
            const sFuzzDataFolder& folder = sFuzzDataFolder::get();
            writeBoxFiles(folder);
            return new sWorld(folder);
        }();
        return *world;
    }
};

// _view loaded from _document, or null when it refuses the element with a text.
template <class T> std::unique_ptr<T> load(iXML* _document)
{
    auto view = std::make_unique<T>(nullptr);
    try {
        view->loadXML(_document);
        return view;
    } catch (const String&) {
        return nullptr;
    }
}

void frames(int _count)
{
    for (int frame = 0; frame < _count; ++frame) {
        cUI::processViews();
        cScavenger::free();
    }
}

void exercise(cListBox& _list)
{
    for (int row = 0; row < 7; ++row)
        _list.addItem(u"abc");
    for (int step = 0; step < 9; ++step)
        cListBox::onScrollDown(_list.getDownButton());
    _list.clear();
    _list.addItem(u"z");
    cListBox::onScrollUp(_list.getUpButton());
}

void exercise(cTextBox& _box)
{
    for (char16_t unit : std::u16string(u"ab\u0008\rcd\xD83C\xDF3D_z\u0008\u0008"))
        cTextBox::onChar(unit, &_box);
}

void exercise(cProgressFloat& _bar)
{
    for (Float value : {-1.0f, 0.0f, 33.0f, 1e30f})
        _bar.setValue(value), _bar.progressChanged(), _bar.getSprite();
}

void exercise(cProgressDiscrete& _bar)
{
    _bar.setValue(3);
    _bar.setCount(2);
    _bar.setCount(6);
}

template <class T> void loadAndUse(iXML* _document)
{
    if (auto view = load<T>(_document)) {
        view->show();
        view->enable();
        exercise(*view);
        frames(2);
    }
}

} // namespace

// Any bytes as the element of a list box, a text box and both progress bars: each loads or
// fails with a text, and a loaded one scrolls, takes keys or moves its value without a fault.
// Inputs with an odd first byte are taken as text and given to the parser as UTF-16, so the
// fuzzer reaches the attributes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    sWorld& world = sWorld::get();
    String bytes(reinterpret_cast<const char*>(_data), _size);
    if (_size > 0 && _data[0] & 1) {
        bytes = "\xFF\xFE";
        for (const char16_t unit : toWString(String(reinterpret_cast<const char*>(_data) + 1, _size - 1))) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
    }
    try {
        cXML document("box.xml", bytes.data(), static_cast<ULong>(bytes.size()));
        world.timer.getFrameTime() = 0.25f;
        loadAndUse<cListBox>(&document);
        loadAndUse<cTextBox>(&document);
        loadAndUse<cProgressFloat>(&document);
        loadAndUse<cProgressDiscrete>(&document);
    } catch (const String&) {
    }
    cScavenger::free();
    world.resources.clearUseless();
    world.device->forgetCalls();
    return 0;
}
