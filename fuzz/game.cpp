#include "FuzzDataFolder.h"
#include "Game/Game.h"
#include "Ui/FlyText.h"
#include "Ui/Scavenger.h"
#include "Ui/UI.h"
#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/SoundManager.h"
#include "engine/TextConvert.h"
#include "engine/Timer.h"
#include "engine/XML.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

// The managers a game uses and one game over a "game.xml" of no tables, made once.
struct sWorld {
    cFileManager files;
    cResourceManager resources;
    cSettings settings;
    cHeadlessWindow window;
    cHeadlessSystem system;
    cRecordingRasterDevice* device;
    std::unique_ptr<cGraphics> graphics;
    cTimer timer;
    cHeadlessSoundLibrary library;
    cSoundManager sound{library};
    cUI ui;
    cGame* game;

    explicit sWorld(const sFuzzDataFolder& _folder) : files(_folder.root, "pack")
    {
        auto recording = std::make_unique<cRecordingRasterDevice>();
        device = recording.get();
        graphics = std::make_unique<cGraphics>(std::move(recording), window, system);
        cGame::startGame();
        game = cGame::getInstance();
    }

    static sWorld& get()
    {
        static sWorld* world = [] {
            const sFuzzDataFolder& folder = sFuzzDataFolder::get();
            const char16_t game[] = u"\uFEFF<Game />";
            sFuzzDataFolder::write(folder.root + "/game.xml", game, sizeof game - sizeof game[0]);
            const char16_t fly[] = u"\uFEFF<FlyText><PositionPoints><Point position=\"0 0\" /><Point position=\"0 9\" />"
                                   u"</PositionPoints><AlphaPoints><Point alpha=\"1\" distance=\"0\" />"
                                   u"<Point alpha=\"0\" distance=\"1\" /></AlphaPoints></FlyText>";
            std::filesystem::create_directories(folder.root + "/UI");
            sFuzzDataFolder::write(folder.root + "/UI/FlyProductExpence.xml", fly, sizeof fly - sizeof fly[0]);
            // The tutorial of the game, with no tips and bare notes.
            std::filesystem::create_directories(folder.root + "/Tutorial");
            const char16_t bare[] = u"\uFEFF<Tutorial />";
            for (const char* name : {"Tutorial", "CommonHelpTip", "ArrowHelpTip", "ActionTip"})
                sFuzzDataFolder::write(folder.root + "/Tutorial/" + name + ".xml", bare, sizeof bare - sizeof bare[0]);
            return new sWorld(folder);
        }();
        return *world;
    }
};

} // namespace

// Any bytes as "game.xml": the tables load or fail with a text, and whatever they hold then
// answers every lookup, prices every level and flies every product without a fault. Inputs
// with an odd first byte are taken as text and given to the parser as UTF-16, so the fuzzer
// reaches the elements.
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
        cXML document("game.xml", bytes.data(), static_cast<ULong>(bytes.size()));
        world.game->loadXML(&document);
    } catch (const String&) {
    }
    cGame& game = *world.game;
    for (UInt type = 0; type <= OVERALL_PROD_COUNT; ++type) {
        game.getProdInfo(type);
        game.getSeedsInfo(cGame::eCultivationType(type));
        game.startFlyProduct(type);
    }
    for (UInt item = 0; item < cGame::UPGRADE_ITEM_COUNT; ++item)
        for (UInt level = 0; level < cGame::UPGRADE_LEVEL_COUNT; ++level)
            game.getUpgradeCost(cGame::eUpgradeItem(item), level);
    game.playUpgradeSound();
    std::vector<cView*> flies;
    for (const auto& child : game.getChildren())
        if (dynamic_cast<cFlyText*>(child.second))
            flies.push_back(child.second);
    for (cView* fly : flies)
        delete fly;
    cScavenger::free();
    world.resources.clearUseless();
    world.device->forgetCalls();
    return 0;
}
