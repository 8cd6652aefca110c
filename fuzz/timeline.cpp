#include "engine/progress/GameVariables.h"
#include "FuzzDocument.h"
#include "Game/GameKeys.h"
#include "Game/Timeline/EventTargets.h"
#include "Game/Timeline/Gameplay.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// Two whole cycles frame by frame, factors of every size and a forecast of every product;
// every event kept names only what exists.
void run(cGameplay& _gameplay)
{
    const Float end = _gameplay.getEndSeconds();
    const Float step = end > 0 ? end / 50.0f : 1.0f;
    for (int frame = 0; frame < 200; ++frame) {
        key::GameTime() += step;
        _gameplay.process();
    }
    _gameplay.setRandomFactors({-3.0f, 2.5f, 1e9f, -1e9f});
    std::vector<Float> forecast;
    for (UInt type = 0; type < key::PRODUCT_COUNT; ++type)
        _gameplay.getPricePrognos(type, 7.5f, 12, forecast);
    for (UInt i = 0; i < _gameplay.getEventCount(); ++i)
        if (!_gameplay.getEvent(i)->check().empty())
            std::abort();
}

} // namespace

// Any bytes as "Gameplay/Gameplay.xml": the time-line loads or fails with a text, and a loaded
// one runs without a fault and without a failure.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    key::storeDefaults();
    useFuzzDocument("Gameplay/Gameplay.xml", _data, _size, [](iXML* _document) {
        cGameplay gameplay(_document, std::make_unique<cNoTargets>());
        try {
            run(gameplay);
        } catch (const String& _error) {
            std::fprintf(stderr, "%s\n", _error.c_str());
            std::abort();
        }
    });
    clearProperties();
    return 0;
}
