#include "Game/Manufacture/HouseKind.h"

#include "Game/Game.h"

namespace {

const sHouseKind s_kinds[HOUSE_KIND_COUNT] = {
    {0, "Manufacture/SheepFold.xml", 3, -1, 1, u"Овчарня"},
    {1, "Manufacture/HenHouse.xml", 7, -1, 0, u"Курятник"},
    {2, "Manufacture/CowShed.xml", 0, -1, 2, u"Коровник"},
    {3, "Manufacture/PigPen.xml", 1, -1, 3, u"Свинарник"},
    {4, "Manufacture/CheeseDairy.xml", -1, 5, 4, u"Сыроварня"},
    {5, "Manufacture/Creamery.xml", -1, 2, 5, u"Маслобойка"},
    {6, "Manufacture/Weavery.xml", -1, 1, 6, u"Прядильня"},
    {7, "Manufacture/Incubator.xml", -1, 0, 7, u"Инкубатор"},
    {8, "Manufacture/TextileDep.xml", -1, 6, 8, u"Ткальня"},
    {9, "Manufacture/Bakery.xml", -1, 9, 10, u"Кондитерская"},
    {10, "Manufacture/Mill.xml", 7, -1, 9, u"Мельница"},
};

} // namespace

const sHouseKind* findHouseKind(UInt _type)
{
    return _type < HOUSE_KIND_COUNT ? &s_kinds[_type] : nullptr;
}

UInt inputKindOf(const sHouseKind& _kind)
{
    return _kind.rawInput != -1 ? UInt(_kind.rawInput) : cGame::CULTIVATION_COUNT + UInt(_kind.productInput);
}

UInt outputKindOf(const sHouseKind& _kind)
{
    return cGame::CULTIVATION_COUNT + _kind.output;
}
