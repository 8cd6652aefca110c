#include "FuzzDataFolder.h"
#include "Ui/FlyText.h"
#include "Ui/MultilineText.h"
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

// A 2 x 2 picture "p.bmp" and a font "f.fnt" of 'a' to 'z' and space to '9' over it, so that
// "Font" and "Texture" can name files that load.
void writeTextFiles(const sFuzzDataFolder& _folder)
{
    auto u32 = [](std::uint32_t _value) {
        return std::string{char(_value), char(_value >> 8), char(_value >> 16), char(_value >> 24)};
    };
    std::string bitmap = "BM" + u32(70) + u32(0) + u32(54) + u32(40) + u32(2) + u32(2);
    bitmap += std::string{1, 0, 24, 0} + u32(0) + u32(16) + u32(2835) + u32(2835) + u32(0) + u32(0);
    for (int row = 0; row < 2; ++row)
        bitmap += std::string("\x20\x80\xE0\xE0\x80\x20\0\0", 8);
    sFontFile font;
    font.ranges = {{u'a', u'z', 0}, {u' ', u'9', 0}};
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
            writeTextFiles(folder);
            return new sWorld(folder);
        }();
        return *world;
    }
};

// Loads _view from _document; a view that refuses its element is gone, one that loads is kept.
template <class T> std::unique_ptr<T> load(std::unique_ptr<T> _view, iXML* _document)
{
    try {
        _view->loadXML(_document);
        return _view;
    } catch (const String&) {
        return nullptr;
    }
}

Bool s_arrived = false;

void onArrival(std::uintptr_t)
{
    s_arrived = true;
}

} // namespace

// Any bytes as the element of a fly text and of a multi-line text: each loads or fails with a
// text, and a loaded one lays out, wraps, flies and ends without a fault. Inputs with an odd
// first byte are taken as text and given to the parser as UTF-16, so the fuzzer reaches the
// attributes.
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
        cXML document("text.xml", bytes.data(), static_cast<ULong>(bytes.size()));
        auto block = load(std::make_unique<cMultilineText>(nullptr), &document);
        if (block)
            block->setText(u"abc def\n\n ghi jkl mno", true);
        // A fly text that loads discards itself at the end of its path.
        if (auto fly = load(std::make_unique<cFlyText>(nullptr, String()), &document)) {
            fly->setString(u"12 345");
            s_arrived = false;
            fly->setCallback(onArrival, 0);
            cFlyText* flying = fly.release();
            flying->show();
            flying->enable();
            world.timer.getFrameTime() = 0.25f;
            for (int frame = 0; frame < 4; ++frame) {
                cUI::processViews();
                cScavenger::free();
            }
            if (!s_arrived)
                flying->finish();
        }
    } catch (const String&) {
    }
    cScavenger::free();
    world.resources.clearUseless();
    world.device->forgetCalls();
    return 0;
}
