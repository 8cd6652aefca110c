#pragma once
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Ui/texts/FlyText.h"
#include "engine/files/XML.h"
#include "support/EngineHarness.h"
#include "support/Thrown.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// Fly texts told apart by colour: red expenses, green incomes, blue products.
inline constexpr UInt EXPENSE_COLOR = 0xFFFF0000;
inline constexpr UInt INCOME_COLOR = 0xFF00FF00;
inline constexpr UInt PRODUCT_COLOR = 0xFF0000FF;
inline constexpr UInt SAY_COLOR = 0xFF00FFFF;

inline std::string flyTextXml(UInt _color)
{
    std::ostringstream color;
    color << std::hex << _color;
    return makeXml16("<FlyText Visible=\"1\" Enable=\"1\" Color=\"0x" + color.str() + "\" Speed=\"50\"><PositionPoints><Point position=\"0 0\" /><Point position=\"0 100\" /></PositionPoints>"
          "<AlphaPoints><Point alpha=\"1\" distance=\"0\" /><Point alpha=\"0\" distance=\"1\" /></AlphaPoints></FlyText>");
}

// The menu bar with every button shown and enabled but the journal's, and a blink colour; the
// contract cards stand at the left edge, over the market at the right.
inline std::string gameMenuXml()
{
    std::string xml = "<GameMenu Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" JournalBlinkColor=\"0xFFFF0000\" "
                      "JournalBlinkPeriod=\"0.5\">";
    for (const char* button : {"MainMenuButton", "MarketButton", "FarmButton", "ProducingButton"})
        xml += std::string("<") + button + " Visible=\"1\" Enable=\"1\" />";
    return makeXml16(xml + "<JournalButton Visible=\"0\" Enable=\"1\" position=\"700 30\" size=\"48 48\" /><MoneyText Visible=\"1\" Enable=\"1\" />"
                           "<ContractStatusPlaces><P Place=\"0 40\" /><P Place=\"0 80\" /><P Place=\"0 120\" />"
                           "</ContractStatusPlaces><MarketContractPlaces><P Place=\"500 40\" /><P Place=\"500 80\" />"
                           "<P Place=\"300 80\" /></MarketContractPlaces></GameMenu>");
}

// A warehouse of four levels holding 30, 60, 100 and 160 units, small at the bottom left.
inline std::string warehouseXml()
{
    return makeXml16("<Warehouse Visible=\"1\" Enable=\"1\" position=\"30 580\" size=\"20 20\"><ClickOffsetList><O Offset=\"0 10\" />"
                     "</ClickOffsetList><Upgrades><Up0 ProductionNum=\"30\" /><Up1 ProductionNum=\"60\" />"
                     "<Up2 ProductionNum=\"100\" /><Up3 ProductionNum=\"160\" /></Upgrades></Warehouse>");
}

// A contract dialog with its two requirement lines.
inline std::string contractDialogXml(const std::string& _root)
{
    // Instant fades: nothing of the game runs while a dialog fades.
    return makeXml16("<" + _root + " TranparencySpeed=\"1000\"><AimProto><ProductIcon /><ReqText /><NumberText /></AimProto>"
                     "<AimProtoAdd><ProductIcon /><ReqText /><NumberText /></AimProtoAdd>"
                     "<AimPlaces><P Place=\"100 100\" /><P Place=\"100 200\" /></AimPlaces></" + _root + ">");
}

// A tool building of four levels at the bottom left, out of the other tests' way: each look
// has (level + 1) columns, and 5 more without the tool, so a building tells its look;
// _levelAttributes gives the per-level numbers.
inline std::string toolBuildingXml(const std::string& _levelAttributes, Int _x)
{
    std::string levels;
    for (int l = 0; l < 4; ++l)
        levels += "<Up" + std::to_string(l) + " " + _levelAttributes + " anim_columns=\"" + std::to_string(l + 1) +
                  "\"><NoInstrument anim_columns=\"" + std::to_string(l + 6) + "\" /></Up" + std::to_string(l) + ">";
    return makeXml16("<Building Visible=\"1\" Enable=\"1\" position=\"" + std::to_string(_x) +
                     " 580\" size=\"20 20\"><ClickOffsetList><O Offset=\"0 10\" /></ClickOffsetList><Upgrades>" + levels +
                     "</Upgrades></Building>");
}

// The stock panel with twelve slots in two rows, slot 1 with the large icon, shown at (100, 100).
inline std::string wareDetailXml()
{
    std::string slots;
    for (int i = 0; i < 12; ++i) {
        const std::string x = std::to_string(100 + 40 * (i % 6)), y = std::to_string(100 + 50 * (i / 6));
        slots += "<P IconType=\"" + std::to_string(i == 1 ? 1 : 0) + "\"><Icon position=\"" + x + " " + y +
                 "\" /><Text position=\"" + x + " " + y + "\" /></P>";
    }
    return makeXml16("<WareDetail Visible=\"1\" Enable=\"1\" position=\"100 100\" HiddenPlace=\"100 -200\" "
                     "MoveSpeed=\"1000\" VisibleTime=\"2\"><ProductInfo>" + slots + "</ProductInfo></WareDetail>");
}

// A well and two pumps holding 5, 8 and 10; the upgrade button at (200, 150), the sprinkle
// button at (260, 150) selling for 100, its look n with n + 1 columns so a look tells its count.
inline std::string waterSourceXml()
{
    std::string looks;
    for (int n = 0; n < 3; ++n)
        looks += "<S anim_columns=\"" + std::to_string(n + 1) + "\" />";
    return makeXml16("<WaterSource Visible=\"1\" Enable=\"1\" position=\"200 200\" size=\"80 80\" deep=\"10\" "
                     "SprinkleCost=\"100\" SprinkleButtonDeepThanGet=\"5\"><ClickOffsetList><O Offset=\"0 40\" /></ClickOffsetList>"
                     "<Upgrades><Up0 WaterCapacity=\"5\" frames_count=\"1\"><NoInstrument anim_columns=\"2\" /></Up0>"
                     "<Up1 WaterCapacity=\"8\" anim_columns=\"3\"><NoInstrument anim_columns=\"4\" /></Up1>"
                     "<Up2 WaterCapacity=\"10\" anim_columns=\"5\"><NoInstrument anim_columns=\"6\" /></Up2></Upgrades>"
                     "<UpgradeButton Visible=\"1\" Enable=\"1\" position=\"200 150\" size=\"40 20\" deep=\"20\" />"
                     "<SprinkleButton Visible=\"0\" Enable=\"1\" position=\"260 150\" size=\"40 20\" deep=\"20\" />"
                     "<SprinkleButtonStates>" + looks + "</SprinkleButtonStates></WaterSource>");
}

// The hose's drops: 8 by 8 growing to twice that, 100 to 200 px/s, landing within 10 px.
inline std::string hoseEffectXml()
{
    return makeXml16("<HoseEffect Visible=\"1\" Enable=\"1\" size=\"8 8\" MaxScale=\"2\" Speed=\"100 200\" "
                     "DistortionRadius=\"10\" Frequency=\"15\" />");
}

// A 20 by 20 sprinkler watering within 40 px, with its three sounds; its spray of drops
// thrown up at 15 a second.
inline std::string sprinkleXml()
{
    return makeXml16("<Sprinkle Visible=\"1\" Enable=\"1\" size=\"20 20\" deep=\"50\" Radius=\"40\" "
                     "UnfitColor=\"0x80FF0000\" DropSound=\"sounds/drop.wav\" InstallSound=\"sounds/install.wav\" "
                     "TakeSound=\"sounds/take.wav\" />");
}

inline std::string sprinkleEffectXml()
{
    return makeXml16("<SprinkleEffect size=\"4 4\" Speed=\"0 -60\" Gravity=\"0 120\" LiveTime=\"1 1\" MaxScale=\"2\" "
                     "RandAngle=\"30\" Frequency=\"15\" />");
}

// The flying tool: from 100 px/s under 200 px/s², a quarter turn a second; look k has k + 1
// columns, so a flight tells its look.
inline std::string elasticAnimationXml()
{
    std::string looks;
    for (int k = 0; k < 10; ++k)
        looks += "<S anim_columns=\"" + std::to_string(k + 1) + "\" />";
    return makeXml16("<ElasticAnimation Visible=\"0\" Enable=\"1\" size=\"32 32\" RotationSpeed=\"90\" Speed=\"100\" "
                     "Accelerate=\"200\"><States>" + looks + "</States></ElasticAnimation>");
}

// A game over the whole engine on the headless platform, with a small "game.xml", the three
// fly texts and an upgrade sound, on a fresh set of game variables; _files replace the files
// of the same name or join them.
class cGameTest : public ::testing::Test {
protected:
    // Fonts and pictures that must be measured need the recording renderer.
    explicit cGameTest(const tDataFiles& _files = {}, cEngineHarness::eRenderer _renderer = cEngineHarness::eRenderer::null)
        : m_engine(cEngineHarness::DEFAULT_SETTINGS, gameFiles(_files), _renderer)
    {
        clearProperties();
        cGame::onInitProfile();
        cGame::startGame();
        m_game = cGame::getInstance();
    }
public:
    static tDataFiles gameFiles(const tDataFiles& _files)
    {
        tDataFiles files = {{"game.xml", makeXml16("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" UpgradeSound=\"sounds/upgrade.wav\" />")},
            {"Gameplay/Gameplay.xml", makeXml16("<Gameplay><Events><E Type=\"9\" Time=\"0:10:00\" /></Events></Gameplay>")},
            {"UI/gameUI/GameMenu.xml", gameMenuXml()}, {"UI/Menu.xml", makeXml16("<Menu />")},
            {"UI/HelpView.xml", makeXml16("<HelpView />")}, {"UI/YesNo.xml", makeXml16("<YesNo />")},
            // The shell screens the pause menu leads to.
            {"UI/Load.xml", makeXml16("<Load Visible=\"1\" Enable=\"1\" />")}, {"UI/MainMenu.xml", makeXml16("<MainMenu />")},
            {"Ui/FixedBack.xml", makeXml16("<FixedBack />")}, {"UI/Options.xml", makeXml16("<Options />")},
            {"UI/FlyTextExpence.xml", flyTextXml(EXPENSE_COLOR)}, {"UI/FlyTextIncome.xml", flyTextXml(INCOME_COLOR)},
            {"UI/FlyProductExpence.xml", flyTextXml(PRODUCT_COLOR)}, {"sounds/upgrade.wav", "chime"},
            {"UI/FlyTextCanEmpty.xml", flyTextXml(SAY_COLOR)},
            {"Tutorial/Tutorial.xml", makeXml16("<Tutorial Visible=\"1\" Enable=\"1\" TutorialEnable=\"0\" />")},
            {"Tutorial/CommonHelpTip.xml", makeXml16("<CommonHelpTip />")},
            {"Tutorial/ArrowHelpTip.xml", makeXml16("<ArrowHelpTip />")}, {"Tutorial/ActionTip.xml", makeXml16("<ActionTip />")},
            {"Farm/ActionAreas/Warehouse.xml", warehouseXml()}, {"Farm/ActionAreas/WaterSource.xml", waterSourceXml()},
            {"Effects/HoseEffect.xml", hoseEffectXml()}, {"Farm/ActionAreas/Sprinkle.xml", sprinkleXml()},
            {"Effects/SprinkleEffect.xml", sprinkleEffectXml()}, {"sounds/drop.wav", "drop"},
            {"sounds/install.wav", "install"}, {"sounds/take.wav", "take"}, {"UI/gameUI/WareDetail.xml", wareDetailXml()},
            {"UI/Awards.xml", makeXml16("<Awards Visible=\"1\" Enable=\"1\" />")},
            // The contract dialogs and the bar's contract panels.
            {"ui/gameui/ContractStatus.xml", makeXml16("<ContractStatus AbsoluteEnable=\"1\" />")},
            {"Gameplay/ContractProvide.xml", contractDialogXml("ContractProvide")},
            {"Gameplay/ContractAim.xml", contractDialogXml("ContractAim")},
            {"Gameplay/ContractPassConfirm.xml", contractDialogXml("ContractPassConfirm")},
            {"Gameplay/ContractFail.xml", contractDialogXml("ContractFail")},
            {"Farm/ElasticAnimation.xml", elasticAnimationXml()},
            {"Farm/ActionAreas/DigBuilding.xml", toolBuildingXml("DigTime=\"2\"", 60)},
            {"Farm/ActionAreas/MowBuilding.xml", toolBuildingXml("ProductionNum=\"10\" MowTime=\"3\"", 90)},
            {"Person/Person.xml", makeXml16("<Person Visible=\"1\" Speed=\"100\" />")}};
        for (const auto& file : _files) {
            auto same = std::find_if(files.begin(), files.end(), [&](const auto& _f) { return _f.first == file.first; });
            if (same != files.end())
                same->second = file.second;
            else
                files.push_back(file);
        }
        return files;
    }
    ~cGameTest() override
    {
        cGame::endGame();
        clearProperties();
    }

    // Reads an element from UTF-8 text into _target, or into the game's tables.
    template <class T>
    static void load(const std::string& _element, T& _target)
    {
        const std::string bytes = makeXml16(_element);
        cXML xml("test.xml", bytes.data(), ULong(bytes.size()));
        _target.loadXML(&xml);
    }
    void load(const std::string& _element) { load(_element, *m_game); }

    // The fly texts now under the game, or under _parent, oldest first.
    std::vector<cFlyText*> flyTexts(const cView* _parent = nullptr) const
    {
        std::vector<cFlyText*> flies;
        for (const auto& child : (_parent ? _parent : m_game)->getChildren())
            if (auto* fly = dynamic_cast<cFlyText*>(child.second))
                flies.push_back(fly);
        return flies;
    }

    cEngineHarness m_engine;
    cGame* m_game = nullptr;
};
