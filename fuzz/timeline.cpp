#include "FuzzDataFolder.h"
#include "Game/EventTargets.h"
#include "Game/GameKeys.h"
#include "Game/Gameplay.h"
#include "engine/FileManager.h"
#include "engine/GameVariables.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/TextConvert.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

// Events act on nothing but the game variables.
class cNoTargets : public iEventTargets {
public:
    void addNote(const WString&) override {}
    void setMoney(Int _money) override { key::Money() = _money; }
    Bool haveLetterRoom() override { return true; }
    void addLetter(sContractEvent*) override {}
    void destroyFields(Int, Float) override {}
    void setFieldsUpgradeAvail(Int _level) override { key::fua() = _level; }
    void updateSeedsButton() override {}
    void refreshMarketLines() override {}
    void refreshWareDetail() override {}
    void onChangeEffectivePrice() override {}
    void refreshUpgradeItem(UInt) override {}
    void updateMenuButtons() override {}
};

} // namespace

// Any bytes as "Gameplay/Gameplay.xml": the time-line loads or fails with a text; a loaded one
// runs two whole cycles frame by frame, applies factors of every size and forecasts every
// product without a fault, and every event it names indexes only what exists. Inputs with an
// odd first byte are taken as text and given to the parser as UTF-16.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const sFuzzDataFolder& folder = sFuzzDataFolder::get();
    String bytes(reinterpret_cast<const char*>(_data), _size);
    if (_size > 0 && _data[0] & 1) {
        bytes = "\xFF\xFE";
        for (const char16_t unit : toWString(String(reinterpret_cast<const char*>(_data) + 1, _size - 1))) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
    }
    std::filesystem::create_directories(folder.root + "/Gameplay");
    sFuzzDataFolder::write(folder.root + "/Gameplay/Gameplay.xml", bytes.data(), bytes.size());
    cFileManager files(folder.root, "pack");
    cResourceManager resources;
    cSettings settings;
    key::storeDefaults();
    std::unique_ptr<cGameplay> gameplay;
    try {
        gameplay = std::make_unique<cGameplay>(std::make_unique<cNoTargets>());
    } catch (const String&) {
        clearProperties();
        return 0;
    }
    try {
        const Float end = gameplay->getEndSeconds();
        const Float step = end > 0 ? end / 50.0f : 1.0f;
        for (int frame = 0; frame < 200; ++frame) {
            key::GameTime() += step;
            gameplay->process();
        }
        gameplay->setRandomFactors({-3.0f, 2.5f, 1e9f, -1e9f});
        std::vector<Float> forecast;
        for (UInt type = 0; type < key::PRODUCT_COUNT; ++type)
            gameplay->getPricePrognos(type, 7.5f, 12, forecast);
        for (UInt i = 0; i < gameplay->getEventCount(); ++i)
            if (!gameplay->getEvent(i)->check().empty())
                std::abort();
    } catch (const String& _error) {
        std::fprintf(stderr, "%s\n", _error.c_str());
        std::abort();
    }
    gameplay.reset();
    clearProperties();
    return 0;
}
