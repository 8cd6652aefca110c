#include "FuzzDataFolder.h"
#include "Ui/Picture.h"
#include "Ui/UI.h"
#include "engine/FileManager.h"
#include "engine/Logic.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/TextConvert.h"
#include "engine/XML.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"

#include <cstdint>
#include <memory>

namespace {

// A 2 x 2 picture "p.bmp", so that a "Picture" can name a file that loads.
std::string tinyBitmap()
{
    auto u32 = [](std::uint32_t _value) {
        return std::string{char(_value), char(_value >> 8), char(_value >> 16), char(_value >> 24)};
    };
    std::string bytes = "BM" + u32(70) + u32(0) + u32(54) + u32(40) + u32(2) + u32(2);
    bytes += std::string{1, 0, 24, 0} + u32(0) + u32(16) + u32(2835) + u32(2835) + u32(0) + u32(0);
    for (int row = 0; row < 2; ++row)
        bytes += std::string("\x20\x80\xE0\xE0\x80\x20\0\0", 8);
    return bytes;
}

// The renderer on the recording device with the cache and the UI manager, made once.
struct sWorld {
    cFileManager files;
    cResourceManager resources;
    cSettings settings;
    cHeadlessWindow window;
    cHeadlessSystem system;
    cRecordingRasterDevice* device;
    std::unique_ptr<cGraphics> graphics;
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
            const std::string bitmap = tinyBitmap();
            sFuzzDataFolder::write(folder.root + "/p.bmp", bitmap.data(), bitmap.size());
            return new sWorld(folder);
        }();
        return *world;
    }
};

} // namespace

// Any bytes as the element of a control, loaded into a picture: it loads or fails with a text,
// and a loaded picture animates, draws and goes without a fault. Inputs with an odd first byte
// are taken as text and given to the parser as UTF-16, so the fuzzer reaches the attributes.
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
        cXML document("control.xml", bytes.data(), static_cast<ULong>(bytes.size()));
        auto picture = std::make_unique<cPicture>(nullptr);
        try {
            picture->loadXML(&document);
        } catch (const String&) {
        }
        picture->process();
        picture->setAnimFrame(picture->getAnimFrame() + 1);
        world.graphics->beginRender();
        cUI::drawControls(&cLogic::draw);
        world.graphics->endRender();
        picture->hide();
        picture->process();
    } catch (const String&) {
    }
    cScavenger::free();
    world.resources.clearUseless();
    world.device->forgetCalls();
    return 0;
}
