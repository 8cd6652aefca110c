#pragma once
#include "Game/AwardKey.h"
#include "Game/GameKey.h"

#include <limits>

// Every game variable the game keeps in the player's profile, in the order the defaults are
// stored. Code names a variable only through these, so a misspelt key does not compile:
//     key::FFC[3] = cGame::TOMATOES;  key::Money() += 10;
// Families that the farm buildings and the production slots share ("Upgrade", "UpAvail")
// are split by index range, each with its own default; upgradeLevel and upgradeAvail pick.
namespace key {

inline constexpr UInt FIELD_COUNT = 65;
inline constexpr UInt SLOT_COUNT = 20;
inline constexpr UInt PRODUCT_COUNT = 19;
inline constexpr UInt CROP_COUNT = 8;
inline constexpr UInt PLACE_COUNT = 3;
inline constexpr UInt TIP_COUNT = 50;

inline constexpr cGameKey<PT_INT> CarUp{"CarUp", 0};
inline constexpr cGameKey<PT_INT> YachtUp{"YachtUp", 0};
// Where the worker's feet stand on the farm's ground: a new game's worker waits on the grass by
// the well, left of the barn, so his first walk to the water crosses no roof.
inline constexpr cGameKey<PT_FLOAT> XPersPos{"XPersPos", 84.0f};
inline constexpr cGameKey<PT_FLOAT> YPersPos{"YPersPos", 372.0f};
// What the worker carries: 0 nothing, 1 can, 2 spade, 6 scythe, 10 seed package, 11 hose.
inline constexpr cGameKey<PT_UINT> PCarry{"PCarry", 0, 0, 11};
inline constexpr cGameKeyFamily<PT_UINT> PCC{"PCC", 0, CROP_COUNT, 0};
// The job the worker is in the middle of (cPersonTimedJob::eKind, 0 none), the field it works
// on (-1 none) and the seconds it still needs, for a game left meanwhile.
inline constexpr cGameKey<PT_UINT> PJob{"PJob", 0, 0, 9};
inline constexpr cGameKey<PT_INT> PJobField{"PJobField", -1, -1, Int(FIELD_COUNT) - 1};
inline constexpr cGameKey<PT_FLOAT> PJobLeft{"PJobLeft", 0.0f};
// Production slots: level -1 is an empty slot; the type is none or 0..10.
inline constexpr cGameKeyFamily<PT_INT> SlotUpgrade{"Upgrade", 0, SLOT_COUNT, -1, -1, 3};
inline constexpr cGameKeyFamily<PT_UINT> ProdType{"ProdType", 0, SLOT_COUNT, NONE_VALUE, -1, 10};
inline constexpr cGameKeyFamily<PT_FLOAT> XProdPos{"XProdPos", 0, SLOT_COUNT, 0.0f};
inline constexpr cGameKeyFamily<PT_FLOAT> YProdPos{"YProdPos", 0, SLOT_COUNT, 0.0f};
inline constexpr cGameKeyFamily<PT_UINT> ProdCount{"ProdCount", 0, SLOT_COUNT, 0};
inline constexpr cGameKeyFamily<PT_FLOAT> ProdPct{"ProdPct", 0, SLOT_COUNT, 0.0f};
inline constexpr cGameKeyFamily<PT_UINT> ProdStop{"ProdStop", 0, SLOT_COUNT, 0};
// A production building bought and not yet put down, on the mouse: its type + 1 (0 none).
inline constexpr cGameKey<PT_UINT> ProdOnMouse{"ProdOnMouse", 0, 0, 11};
// Mowing building, warehouse, water source, dig building: Upgrade31..Upgrade34.
inline constexpr cGameKeyFamily<PT_INT> FarmUpgrade{"Upgrade", 31, 4, 0, 0, 3};
// Highest level the player may buy: none for a production type not yet released.
inline constexpr cGameKeyFamily<PT_UINT> DepotUpAvail{"UpAvail", 0, 11, NONE_VALUE, -1, 3};
inline constexpr cGameKeyFamily<PT_UINT> FarmUpAvail{"UpAvail", 11, 4, 0, -1, 3};
inline constexpr cGameKeyFamily<PT_FLOAT> FFW{"FFW", 0, FIELD_COUNT, 0.0f};
inline constexpr cGameKeyFamily<PT_FLOAT> FFF{"FFF", 0, FIELD_COUNT, 100.0f};
// Field status: 0 growing, 1 grown, 2 dead, 3 ploughed; the crop indexes the product tables.
inline constexpr cGameKeyFamily<PT_UINT> FFS{"FFS", 0, FIELD_COUNT, 0, 0, 3};
inline constexpr cGameKeyFamily<PT_UINT> FFC{"FFC", 0, FIELD_COUNT, 0, 0, CROP_COUNT - 1};
inline constexpr cGameKeyFamily<PT_FLOAT> FFP{"FFP", 0, FIELD_COUNT, 0.0f};
// Field extension levels, bought and released.
inline constexpr cGameKey<PT_INT> fcu{"fcu", 0, 0, 3};
inline constexpr cGameKey<PT_INT> fua{"fua", 0, 0, 3};
inline constexpr cGameKeyFamily<PT_UINT> SeedAvail{"SeedAvail", 0, CROP_COUNT, 0};
inline constexpr cGameKeyFamily<PT_FLOAT> SPXPos{"SPXPos", 0, PLACE_COUNT, 0.0f};
inline constexpr cGameKeyFamily<PT_FLOAT> SPYPos{"SPYPos", 0, PLACE_COUNT, 0.0f};
inline constexpr cGameKeyFamily<PT_UINT> SPStatus{"SPStatus", 0, PLACE_COUNT, 0};
inline constexpr cGameKeyFamily<PT_BOOL> SPExist{"SPExist", 0, PLACE_COUNT, false};
inline constexpr cGameKeyFamily<PT_UINT> WGoodCount{"WGoodCount", 0, PRODUCT_COUNT, 0};
inline constexpr cGameKeyFamily<PT_UINT> WGoodPrice{"WGoodPrice", 0, PRODUCT_COUNT, 0};
// The asking price; 0 until the player names one (the market then asks the good's value).
inline constexpr cGameKeyFamily<PT_UINT> MGoodPrice{"MGoodPrice", 0, PRODUCT_COUNT, 0};
inline constexpr cGameKeyFamily<PT_UINT> MGoodCount{"MGoodCount", 0, PRODUCT_COUNT, 0};
inline constexpr cGameKeyFamily<PT_FLOAT> MSellTime{"MSellTime", 0, PRODUCT_COUNT, -1.0f};
inline constexpr cGameKeyFamily<PT_INT> MEffPrice{"MEffPrice", 0, PRODUCT_COUNT, 10};
// Time-line event numbers (-1: none); the time-line checks them against its own length.
inline constexpr cGameKeyFamily<PT_INT> task{"task", 0, PLACE_COUNT, -1, -1, NO_LIMIT};
inline constexpr cGameKeyFamily<PT_FLOAT> taskTime{"taskTime", 0, PLACE_COUNT, 0.0f};
inline constexpr cGameKeyFamily<PT_BOOL> taskPassCancel{"taskPassCancel", 0, PLACE_COUNT, false};
// The bonus a running contract was accepted with; -1 for the time-line's own.
inline constexpr cGameKeyFamily<PT_INT> taskBonus{"taskBonus", 0, PLACE_COUNT, -1};
inline constexpr cGameKeyFamily<PT_INT> letter{"letter", 0, PLACE_COUNT, -1, -1, NO_LIMIT};
inline constexpr cGameKeyFamily<PT_FLOAT> letTime{"letTime", 0, PLACE_COUNT, 0.0f};
inline constexpr cGameKeyFamily<PT_INT> letState{"letState", 0, PLACE_COUNT, 0};
// The same events known again where a newer time-line has moved them: the event's time in
// seconds (-1: none kept, a profile of an earlier build) and its number among the contracts
// due at that time.
inline constexpr cGameKeyFamily<PT_INT> taskAt{"taskAt", 0, PLACE_COUNT, -1, -1, NO_LIMIT};
inline constexpr cGameKeyFamily<PT_INT> taskNth{"taskNth", 0, PLACE_COUNT, 0, 0, NO_LIMIT};
inline constexpr cGameKeyFamily<PT_INT> letterAt{"letterAt", 0, PLACE_COUNT, -1, -1, NO_LIMIT};
inline constexpr cGameKeyFamily<PT_INT> letterNth{"letterNth", 0, PLACE_COUNT, 0, 0, NO_LIMIT};
inline constexpr cGameKeyFamily<PT_BOOL> Award{getAwardKey, AWARD_COUNT, false};
inline constexpr cGameKeyFamily<PT_BOOL> awardShow{"awardShow", 0, AWARD_COUNT, false};
inline constexpr cGameKey<PT_INT> marketIt{"marketIt", 0};
inline constexpr cGameKey<PT_INT> tutJustProc{"tutJustProc", -1, -1, TIP_COUNT - 1};
inline constexpr cGameKeyFamily<PT_BOOL> tip{"tip", 0, TIP_COUNT, false};
inline constexpr cGameKey<PT_UINT> awQCollect{"awQCollect", 0};
inline constexpr cGameKey<PT_UINT> awQProcess{"awQProcess", 0};
inline constexpr cGameKey<PT_UINT> awQTask{"awQTask", 0};
inline constexpr cGameKey<PT_BOOL> awEarn{"awEarn", false};
inline constexpr cGameKey<PT_UINT> awQDestroy{"awQDestroy", 0};
inline constexpr cGameKey<PT_FLOAT> awNoDryTime{"awNoDryTime", 0.0f};
inline constexpr cGameKey<PT_BOOL> awNoDry{"awNoDry", false};
inline constexpr cGameKey<PT_BOOL> awHighSold{"awHighSold", false};
inline constexpr cGameKey<PT_UINT> awAdecvClick{"awAdecvClick", 0};
inline constexpr cGameKey<PT_BOOL> awAdecvStart{"awAdecvStart", false};
inline constexpr cGameKeyFamily<PT_BOOL> awManDepotBuild{"awManDepotBuild", 0, 11, false};
inline constexpr cGameKeyFamily<PT_BOOL> awDepotUpg{"awDepotUpg", 0, 15, false};
inline constexpr cGameKey<PT_INT> awGrowType{"awGrowType", 0};
inline constexpr cGameKey<PT_INT> mTrigger{"mTrigger", 0};
inline constexpr cGameKey<PT_INT> wlTrigger{"wlTrigger", -1};
// Where the time-line stands: the number of the next event to fire and that event's time in
// seconds, which a continued game checks against the time-line it reads (-1: none kept, a
// profile of an earlier build).
inline constexpr cGameKey<PT_INT> eventNext{"eventNext", -1, -1, NO_LIMIT};
inline constexpr cGameKey<PT_INT> eventNextAt{"eventNextAt", -1, -1, NO_LIMIT};
inline constexpr cGameKey<PT_BOOL> TFastSpeed{"TFastSpeed", false};
inline constexpr cGameKey<PT_BOOL> TProdCompl{"TProdCompl", false};
// The seed lesson's coins are in the purse.
inline constexpr cGameKey<PT_BOOL> TSeedGift{"TSeedGift", false};
// The tip on screen (-1 none): a game left meanwhile goes on with its lesson.
inline constexpr cGameKey<PT_INT> tutShown{"tutShown", -1, -1, TIP_COUNT - 1};
inline constexpr cGameKey<PT_INT> Money{"Money", 0, 0, NO_LIMIT};
// Clocks never run backwards: a negative one in a damaged profile starts again from 0.
inline constexpr cGameKey<PT_FLOAT> GameTime{"GameTime", 0.0f, 0, std::numeric_limits<Int>::max()};
inline constexpr cGameKey<PT_FLOAT> RunTime{"RunTime", 0.0f, 0, std::numeric_limits<Int>::max()};
inline constexpr cGameKey<PT_BOOL> MainGame{"MainGame", true};
// Made at 0 on first use; no default is stored for it.
inline constexpr cGameKey<PT_FLOAT> WaterLevel{"WaterLevel", 0.0f};

// "Upgrade" followed by _index: a production slot 0..19 or a farm building 31..34.
Int& upgradeLevel(UInt _index);
// "UpAvail" followed by the upgrade item 0..14.
UInt& upgradeAvail(UInt _item);
// "req<place>_<requirement>" of a running contract: place 0..2, requirement 0..1; -1 (made so
// on first use) or 0 (an ended contract's, as earlier builds leave it) for the time-line's own count.
Int& requirement(UInt _place, UInt _requirement);

// Stores the default of every variable above that has one.
void storeDefaults();

} // namespace key
