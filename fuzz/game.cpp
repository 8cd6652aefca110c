#include "FuzzDocument.h"
#include "FuzzWorld.h"
#include "Game/Game.h"
#include "Ui/texts/FlyText.h"
#include "engine/resources/SoundManager.h"
#include "platform/headless/HeadlessSoundLibrary.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void writeElement(const std::string& _root, const std::string& _path, const std::u16string& _element)
{
    const std::filesystem::path path = _root + "/" + _path;
    std::filesystem::create_directories(path.parent_path());
    const std::u16string text = u"\uFEFF" + _element;
    sFuzzDataFolder::write(path.string(), text.data(), text.size() * sizeof(char16_t));
}

// The demo data, so that every screen and farm object a game builds finds its file; the
// time-line is cut to its end event so that the game stays as it starts.
void writeGameFiles(const sFuzzDataFolder& _folder)
{
    const std::filesystem::path demo = FURROW_DEMO_DATA;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(demo)) {
        const std::filesystem::path target = _folder.root / std::filesystem::relative(entry.path(), demo);
        if (entry.is_directory())
            std::filesystem::create_directories(target);
        else if (target.filename() != "settings.xml")
            std::filesystem::copy_file(entry.path(), target, std::filesystem::copy_options::overwrite_existing);
    }
    writeElement(_folder.root, "Gameplay/Gameplay.xml",
                 u"<Gameplay><Events><E Type=\"9\" Time=\"0:01:00\" /></Events></Gameplay>");
}

// The world with the sound manager a game uses and one game over those files.
struct sGameWorld : sFuzzWorld {
    cHeadlessSoundLibrary library;
    cSoundManager sound{library};
    cGame* game;

    explicit sGameWorld(const sFuzzDataFolder& _folder) : sFuzzWorld(_folder)
    {
        cGame::startGame();
        game = cGame::getInstance();
    }
};

} // namespace

// Any bytes as "game.xml": the tables load or fail with a text, and whatever they hold then
// answers every lookup, prices every level and flies every product without a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    sGameWorld& world = fuzzWorld<sGameWorld>(writeGameFiles);
    useFuzzDocument("game.xml", _data, _size, [&world](iXML* _document) { world.game->loadXML(_document); });
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
    world.endInput();
    return 0;
}
