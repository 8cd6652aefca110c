#pragma once
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/GameHarness.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Manufacture/HouseKind.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Manufacture/ProductionHouse.h"
#include "Game/Awards/AwardManager.h"

#include <string>

// A building of every kind, 100 by 100 with four levels: capacities 3, 5, 8 and 2 (the last
// smaller on purpose), each unit taking 10 seconds; the panel's load button 60 right of the
// centre on a board 160 wide and its start/stop button 40 above; its loaded count tag says what
// it counts.
inline std::string houseXml(const std::string& _tag, const std::string& _levels = "")
{
    const std::string levels = !_levels.empty() ? _levels
        : "<Up0 MaxProductionTime=\"10\" ProductionNum=\"3\" /><Up1 MaxProductionTime=\"8\" ProductionNum=\"5\" />"
          "<Up2 MaxProductionTime=\"6\" ProductionNum=\"8\" /><Up3 MaxProductionTime=\"5\" ProductionNum=\"2\" />";
    return makeXml16("<" + _tag + " Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" position=\"0 0\" size=\"100 100\" deep=\"10\" "
                     "JobDoneSound=\"sounds/done.wav\" BuildSound=\"sounds/done.wav\" DestroySound=\"sounds/done.wav\">"
                     "<Upgrades>" + levels + "</Upgrades>"
                     "<AddDepotButton Visible=\"0\" Enable=\"1\" position=\"60 80\" size=\"20 20\" />"
                     "<AddStockButton Visible=\"0\" Enable=\"1\" position=\"-60 80\" size=\"20 20\" />"
                     "<StartStopButton Visible=\"1\" Enable=\"1\" position=\"0 -40\" size=\"10 10\" />"
                     "<Loaded Visible=\"0\" Enable=\"1\" position=\"0 80\" size=\"40 10\" Min=\"0\" Max=\"100\">"
                     "<Slider Visible=\"1\" Enable=\"1\" size=\"4 10\" /></Loaded>"
                     "<LoadedQtyTag Visible=\"0\" Enable=\"1\" Words=\"{count} loaded\" />"
                     "<IPodlogka Visible=\"0\" Enable=\"1\" position=\"0 80\" size=\"160 40\" />"
                     "</" + _tag + ">");
}

inline std::string manufactureXml()
{
    return makeXml16("<Manufacture Visible=\"1\" Enable=\"1\" DepotArea=\"0 100 800 500\">"
                     "<AntiDepotAreaList><A Rect=\"600 100 700 200\" /></AntiDepotAreaList>"
                     "<BuildButton Visible=\"1\" Enable=\"1\" position=\"700 550\" size=\"100 40\" />"
                     "<DestroyButton Visible=\"1\" Enable=\"1\" position=\"500 550\" size=\"100 40\" />"
                     "<UpgradeButton Visible=\"1\" Enable=\"1\" position=\"300 550\" size=\"100 40\" />"
                     "<UpgradeText Visible=\"1\" Enable=\"1\"><Coin /></UpgradeText><UpgradeCaption Visible=\"1\" Enable=\"1\" />"
                     "<CurrentBuildingText Visible=\"1\" Enable=\"1\" />"
                     "<CurrentBuildingPic Visible=\"1\" Enable=\"1\" /></Manufacture>");
}

inline std::string buyBuildingXml()
{
    std::string places, configs;
    for (UInt i = 0; i < 11; ++i) {
        places += "<P place=\"" + std::to_string(100 + 50 * i) + " 300\" />";
        configs += "<C name=\"kind " + std::to_string(i) + "\" />";
    }
    return makeXml16("<BuyBuilding Visible=\"0\" Enable=\"1\" AbsoluteEnable=\"1\" position=\"400 300\" size=\"700 300\" "
                     "HiddenPlace=\"400 -300\" MoveSpeed=\"100000\"><CancelButton Visible=\"1\" Enable=\"1\" position=\"730 170\" "
                     "size=\"40 40\" /><ItemPlace>" + places + "</ItemPlace><ItemConfig>" + configs +
                     "</ItemConfig><ItemProto><BuyButton Visible=\"1\" Enable=\"1\" size=\"40 40\" />"
                     "<BuyMask Visible=\"1\" Enable=\"1\" size=\"44 60\" /><Text Visible=\"1\" Enable=\"1\" />"
                     "<PriceText Visible=\"1\" Enable=\"1\"><Coin /></PriceText></ItemProto></BuyBuilding>");
}

inline tDataFiles manufactureFiles(const tDataFiles& _extra = {})
{
    tDataFiles files = {{"UI/gameUI/Manufacture.xml", manufactureXml()}, {"UI/gameUI/BuyBuilding.xml", buyBuildingXml()},
        {"sounds/done.wav", "done"}, {"manufacture/depotExplos.xml",
            makeXml16("<DepotExplos Visible=\"1\" Enable=\"1\" anim_length=\"0.5\" anim_loop=\"0\" PlayAnimation=\"1\" />")},
        {"game.xml", makeXml16("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" UpgradeSound=\"sounds/upgrade.wav\">"
                               "<Costs><Item><Up0>100</Up0><Up1>200</Up1><Up2>300</Up2><Up3>400</Up3></Item>"
                               "<Item><Up0>150</Up0><Up1>250</Up1><Up2>350</Up2><Up3>450</Up3></Item></Costs></Game>")}};
    for (UInt type = 0; type < HOUSE_KIND_COUNT; ++type) {
        const std::string file = findHouseKind(type)->file;
        files.push_back({file, houseXml(file.substr(12, file.size() - 16))});
    }
    for (const auto& file : _extra) {
        auto same = std::find_if(files.begin(), files.end(), [&](const auto& _f) { return _f.first == file.first; });
        if (same != files.end())
            same->second = file.second;
        else
            files.push_back(file);
    }
    return files;
}

// A game whose production screen is on view, with a warehouse of 30 units.
class cManufactureTest : public cGameTest {
protected:
    explicit cManufactureTest(const tDataFiles& _extra = {}) : cGameTest(manufactureFiles(_extra))
    {
        // The counters these tests drive would win awards, whose presentation holds the game.
        delete cAwardManager::getInstance();
        m_screen = cManufacture::getInstance();
        m_ware = cWareHouse::getInstance();
        cGameMenu::getInstance()->gotoManufacture();
        m_engine.frames(30);
    }
    // A new house of _type on the cursor at (_x, _y).
    cProductionHouse* buy(UInt _type, Int _x, Int _y)
    {
        m_engine.moveTo(_x, _y);
        m_screen->createBuilding(_type, -1);
        m_engine.frame();
        return cProductionHouse::getTakenHouse();
    }
    // A house bought and placed at (_x, _y) for its price.
    cProductionHouse* place(UInt _type, Int _x, Int _y)
    {
        cProductionHouse* house = buy(_type, _x, _y);
        m_engine.press(true);
        m_engine.press(false);
        return house;
    }
    void rightClick()
    {
        m_engine.platform().getHeadlessMouse().pushButton(1, true);
        m_engine.frame();
        m_engine.platform().getHeadlessMouse().pushButton(1, false);
        m_engine.frame();
    }

    cManufacture* m_screen = nullptr;
    cWareHouse* m_ware = nullptr;
};
