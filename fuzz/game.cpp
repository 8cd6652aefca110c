#include "FuzzDocument.h"
#include "FuzzWorld.h"
#include "Game/Game.h"
#include "Ui/FlyText.h"
#include "engine/SoundManager.h"
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

// The game's tables in a "game.xml" of none, the fly text it starts for a product, its
// tutorial with no tips and bare notes, and the rest of a game as small as it may be.
void writeGameFiles(const sFuzzDataFolder& _folder)
{
    const char16_t game[] = u"\uFEFF<Game />";
    sFuzzDataFolder::write(_folder.root + "/game.xml", game, sizeof game - sizeof game[0]);
    const char16_t fly[] = u"\uFEFF<FlyText><PositionPoints><Point position=\"0 0\" /><Point position=\"0 9\" />"
                           u"</PositionPoints><AlphaPoints><Point alpha=\"1\" distance=\"0\" />"
                           u"<Point alpha=\"0\" distance=\"1\" /></AlphaPoints></FlyText>";
    std::filesystem::create_directories(_folder.root + "/UI");
    sFuzzDataFolder::write(_folder.root + "/UI/FlyProductExpence.xml", fly, sizeof fly - sizeof fly[0]);
    std::filesystem::create_directories(_folder.root + "/Tutorial");
    const char16_t bare[] = u"\uFEFF<Tutorial />";
    for (const char* name : {"Tutorial", "CommonHelpTip", "ArrowHelpTip", "ActionTip"})
        sFuzzDataFolder::write(_folder.root + "/Tutorial/" + name + ".xml", bare, sizeof bare - sizeof bare[0]);
    writeElement(_folder.root, "Gameplay/Gameplay.xml",
                 u"<Gameplay><Events><E Type=\"9\" Time=\"0:01:00\" /></Events></Gameplay>");
    writeElement(_folder.root, "UI/gameUI/GameMenu.xml", u"<GameMenu />");
    writeElement(_folder.root, "UI/Menu.xml", u"<Menu />");
    writeElement(_folder.root, "UI/HelpView.xml", u"<HelpView />");
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
