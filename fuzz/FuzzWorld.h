#pragma once
#include "FuzzDataFolder.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/UI.h"
#include "engine/files/FileManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/frame/Timer.h"
#include "graphics/sprites/FontFile.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The renderer on the recording device with the file manager, the cache, the settings, the
// timer and the UI manager, for the targets that load views.
struct sFuzzWorld {
    cFileManager files;
    cResourceManager resources;
    cSettings settings;
    cHeadlessWindow window;
    cHeadlessSystem system;
    cRecordingRasterDevice* device;
    std::unique_ptr<cGraphics> graphics;
    cTimer timer;
    cUI ui;

    explicit sFuzzWorld(const sFuzzDataFolder& _folder) : files(_folder.root, "pack")
    {
        auto recording = std::make_unique<cRecordingRasterDevice>();
        device = recording.get();
        graphics = std::make_unique<cGraphics>(std::move(recording), window, system);
    }

    // What one input left behind goes, so that a long run neither grows nor carries one
    // input's views and pictures into the next.
    void endInput()
    {
        cScavenger::free();
        resources.clearUseless();
        device->forgetCalls();
    }
};

// The world of this fuzzing process, made once, after _writeFiles has put the files its
// inputs may name into the data folder.
template <class World = sFuzzWorld> World& fuzzWorld(void (*_writeFiles)(const sFuzzDataFolder&))
{
    static World* world = [_writeFiles] {
        const sFuzzDataFolder& folder = sFuzzDataFolder::get();
        _writeFiles(folder);
        return new World(folder);
    }();
    return *world;
}

// A 2 x 2 picture "p.bmp", so that an element can name a picture that loads.
inline void writeFuzzPicture(const sFuzzDataFolder& _folder)
{
    auto u32 = [](std::uint32_t _value) {
        return std::string{char(_value), char(_value >> 8), char(_value >> 16), char(_value >> 24)};
    };
    std::string bitmap = "BM" + u32(70) + u32(0) + u32(54) + u32(40) + u32(2) + u32(2);
    bitmap += std::string{1, 0, 24, 0} + u32(0) + u32(16) + u32(2835) + u32(2835) + u32(0) + u32(0);
    for (int row = 0; row < 2; ++row)
        bitmap += std::string("\x20\x80\xE0\xE0\x80\x20\0\0", 8);
    sFuzzDataFolder::write(_folder.root + "/p.bmp", bitmap.data(), bitmap.size());
}

// "p.bmp" and a font "f.fnt" over it whose _ranges share 26 glyphs, so that "Font" and
// "Texture" can name files that load.
inline void writeFuzzFont(const sFuzzDataFolder& _folder, std::vector<sFontRange> _ranges)
{
    writeFuzzPicture(_folder);
    sFontFile font;
    font.ranges = std::move(_ranges);
    font.glyphs.assign(26, sGlyph{0, 1, 0.5f, 0, 0.5f});
    const String bytes = writeFontFile(font);
    sFuzzDataFolder::write(_folder.root + "/f.fnt", bytes.data(), bytes.size());
}
