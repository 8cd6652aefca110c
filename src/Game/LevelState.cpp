#include "Game/LevelState.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/PlayerFileSeal.h"
#include "engine/progress/Profile.h"
#include "engine/progress/ProgressPick.h"
#include "engine/text/TextConvert.h"
#include "engine/files/SaveBatch.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Game.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Timeline/Gameplay.h"
#include "Ui/controls/Picture.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

// Far more than a farm can hold of packages, notes and events: a larger file is damage.
constexpr std::uint64_t MAX_FILE_BYTES = 16u << 20;

class cByteWriter {
public:
    void u8(std::uint8_t _value) { m_bytes.push_back(char(_value)); }
    void u32(std::uint32_t _value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            u8(std::uint8_t(_value >> shift));
    }
    void f32(Float _value)
    {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &_value, sizeof bits);
        u32(bits);
    }
    void text(const WString& _text)
    {
        u32(std::uint32_t(_text.size()));
        for (char16_t unit : _text) {
            u8(std::uint8_t(unit));
            u8(std::uint8_t(unit >> 8));
        }
    }
    std::string& bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

// Every read names what it reads, so a short file says where it ends.
class cByteReader {
public:
    explicit cByteReader(const std::string& _bytes) : m_bytes(_bytes) {}

    std::size_t left() const { return m_bytes.size() - m_at; }
    std::uint8_t u8(const char* _what)
    {
        need(1, _what);
        return std::uint8_t(m_bytes[m_at++]);
    }
    std::uint32_t u32(const char* _what)
    {
        need(4, _what);
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | std::uint8_t(m_bytes[m_at + i]);
        m_at += 4;
        return value;
    }
    Float f32(const char* _what)
    {
        const std::uint32_t bits = u32(_what);
        Float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // A count of records of _size bytes each that must all be there.
    std::uint32_t count(std::size_t _size, const char* _what)
    {
        const std::uint32_t n = u32(_what);
        if (n > left() / _size)
            throw String(_what) + " " + std::to_string(n) + " is more than the " + std::to_string(left()) + " bytes left hold";
        return n;
    }
    WString text(const char* _what)
    {
        const std::uint32_t length = count(2, _what);
        WString result(length, u'\0');
        for (std::uint32_t i = 0; i < length; ++i)
            result[i] = char16_t(std::uint8_t(m_bytes[m_at + 2 * i]) | std::uint8_t(m_bytes[m_at + 2 * i + 1]) << 8);
        m_at += 2 * std::size_t(length);
        return result;
    }
    void skip(std::size_t _size, const char* _what)
    {
        need(_size, _what);
        m_at += _size;
    }

private:
    void need(std::size_t _size, const char* _what) const
    {
        if (left() < _size)
            throw String("the file ends inside the ") + _what;
    }

    const std::string& m_bytes;
    std::size_t m_at = 0;
};

// The smallest records of the counted sections: an earning, a note (flag and empty text).
constexpr std::size_t EARNING_BYTES = 8;
constexpr std::size_t NOTE_BYTES = 5;
constexpr UInt STATE_PRESSED = 1;
constexpr UInt STATE_TAKEN = 3;
// "FSTM" little-endian: the stamp that follows the sections.
constexpr std::uint32_t STAMP_MARK = 0x4D545346;
constexpr std::size_t STAMP_BYTES = 8;

void readSections(cByteReader& _in, sLevelState& _state)
{
    const std::uint32_t packages = _in.count(LEVEL_STATE_PACKAGE_BYTES, "package count");
    for (std::uint32_t i = 0; i < packages; ++i) {
        sLevelState::sPackage package;
        package.x = _in.f32("package record");
        package.y = _in.f32("package record");
        package.seedType = _in.u32("package record");
        package.count = _in.u32("package record");
        package.state = _in.u32("package record");
        package.bought = _in.u8("package record") != 0;
        _in.skip(3, "package record");
        _state.packages.push_back(package);
    }
    const std::uint32_t earnings = _in.u32("earnings count");
    _state.windowStart = _in.f32("earnings window start");
    if (earnings > _in.left() / EARNING_BYTES)
        throw "earnings count " + std::to_string(earnings) + " is more than the bytes left hold";
    for (std::uint32_t i = 0; i < earnings; ++i) {
        sLevelState::sEarning earning;
        earning.time = _in.f32("earnings");
        earning.money = _in.u32("earnings");
        _state.earnings.push_back(earning);
    }
    const std::uint32_t notes = _in.count(NOTE_BYTES, "note count");
    for (std::uint32_t i = 0; i < notes; ++i) {
        sLevelState::sNote note;
        note.read = _in.u8("note") != 0;
        note.text = _in.text("note length");
        _state.notes.push_back(std::move(note));
    }
    const std::uint32_t factors = _in.count(4, "random factor count");
    for (std::uint32_t i = 0; i < factors; ++i)
        _state.factors.push_back(_in.f32("random factors"));
    if (_in.left() == 0)
        return;
    const std::size_t after = _in.left();
    if (after != STAMP_BYTES || _in.u32("stamp") != STAMP_MARK)
        throw std::to_string(after) + " bytes follow the last section, not a save stamp";
    _state.stamp = _in.u32("stamp");
}

} // namespace

std::string writeLevelState(const sLevelState& _state)
{
    cByteWriter out;
    out.u32(std::uint32_t(_state.packages.size()));
    for (const auto& package : _state.packages) {
        out.f32(package.x);
        out.f32(package.y);
        out.u32(package.seedType);
        out.u32(package.count);
        out.u32(package.state);
        out.u8(package.bought ? 1 : 0);
        for (int i = 0; i < 3; ++i)
            out.u8(0);
    }
    out.u32(std::uint32_t(_state.earnings.size()));
    out.f32(_state.windowStart);
    for (const auto& earning : _state.earnings) {
        out.f32(earning.time);
        out.u32(earning.money);
    }
    out.u32(std::uint32_t(_state.notes.size()));
    for (const auto& note : _state.notes) {
        out.u8(note.read ? 1 : 0);
        out.text(note.text);
    }
    out.u32(std::uint32_t(_state.factors.size()));
    for (Float factor : _state.factors)
        out.f32(factor);
    out.u32(STAMP_MARK);
    out.u32(_state.stamp);
    return std::move(out.bytes());
}

Bool readLevelState(const std::string& _bytes, sLevelState& _state, String& _error)
{
    sLevelState read;
    cByteReader in(_bytes);
    try {
        readSections(in, read);
    } catch (const String& _reason) {
        _error = _reason;
        return false;
    }
    _state = std::move(read);
    return true;
}

Bool checkLevelState(const std::string& _bytes, ULong& _stamp)
{
    sLevelState state;
    String error;
    if (!readLevelState(_bytes, state, error))
        return false;
    _stamp = state.stamp;
    return true;
}

void keepUsablePackages(std::vector<sLevelState::sPackage>& _packages, std::vector<String>& _dropped)
{
    std::vector<sLevelState::sPackage> kept;
    for (sLevelState::sPackage package : _packages) {
        const String at = "package of crop " + std::to_string(package.seedType) + " with " + std::to_string(package.count) + " seeds";
        if (package.seedType >= cGame::CULTIVATION_COUNT || package.count == 0 || !std::isfinite(package.x) ||
            !std::isfinite(package.y)) {
            _dropped.push_back(at);
            continue;
        }
        // A press has no saved press point to go on from.
        if (package.state == STATE_PRESSED || package.state > STATE_TAKEN)
            package.state = 0;
        kept.push_back(package);
    }
    _packages = std::move(kept);
}

namespace {

// Empty without a player: a game that nobody plays (or a profile that loaded nothing) keeps
// no file.
String levelStatePath()
{
    cProfile* profile = cProfile::getInstance();
    return profile ? profile->getLevelStateFile() : String();
}

// A farm held as it is on the disk (its file holds another player's copy) is played, never written.
Bool isHeld()
{
    cProfile* profile = cProfile::getInstance();
    return profile && profile->isHeld();
}

// The file's bytes; a file past any sane size reads as damaged.
Bool readFileBytes(const String& _path, std::string& _bytes, String& _error)
{
    std::unique_ptr<iFile> file(cFileManager::get().open(_path));
    const ULong size = file->getSize();
    if (size > MAX_FILE_BYTES) {
        _error = "the file holds " + std::to_string(size) + " bytes";
        return false;
    }
    _bytes.assign(size, '\0');
    if (size > 0 && file->read(&_bytes[0], size) != size) {
        _error = "the file could not be read whole";
        return false;
    }
    return true;
}

// A save of both files failed: what the game holds of the level state is on no disk, so
// variables written from now on name no level state, until a save of both succeeds. The own
// stamp goes back unless a file of the failed save still bears it: a stamp never names two
// different saves.
void rollBackStamps(ULong _before, Bool _partlyPlaced)
{
    if (!_partlyPlaced)
        propertyMap<PT_ULONG>()[SAVE_STAMP_VARIABLE] = _before;
    propertyMap<PT_ULONG>()[LEVEL_STATE_STAMP_VARIABLE] = 0;
}

Vector2 groundOrigin()
{
    cFarm* farm = cFarm::getInstance();
    return farm ? farm->getSlidingPicture()->getPosition() : Vector2(0, 0);
}

} // namespace

void cGame::saveLevelState()
{
    GUARD_BEGIN
    const String path = levelStatePath();
    if (path.empty() || isHeld())
        return;
    sLevelState state;
    const Vector2 origin = groundOrigin();
    if (cFarm* farm = cFarm::getInstance()) {
        std::vector<cSeedPackage*> packages;
        farm->getSeedPackageList(packages);
        for (cSeedPackage* package : packages) {
            const Vector2& at = package->getPosition();
            state.packages.push_back({at.x - origin.x, at.y - origin.y, package->getSeedType(), package->getCount(),
                package->getState(), package->isBought()});
        }
    }
    if (cGame* game = getInstance()) {
        state.windowStart = game->m_earnedWindowStart;
        for (const sEarning& earning : game->m_earnings)
            state.earnings.push_back({earning.time, earning.money});
    }
    if (cGameMenu* menu = cGameMenu::getInstance())
        for (const cGameMenu::sNote& note : menu->getNotes())
            state.notes.push_back({note.text, note.read});
    if (cGameplay* gameplay = cGameplay::getInstance())
        state.factors = gameplay->getRandomFactors();
    // Both files of this save carry the same new stamp and are put in place as one. A failure
    // before the disk took them leaves both files as they were; the stamps are rolled back
    // then, once the failure is known, before the next save takes a stamp.
    cFileManager::get().waitForSaves();
    ULong& stamp = propertyMap<PT_ULONG>()[SAVE_STAMP_VARIABLE];
    const ULong before = stamp;
    state.stamp = stamp = cProgressPick::nextStamp(before);
    propertyMap<PT_ULONG>()[LEVEL_STATE_STAMP_VARIABLE] = stamp;
    try {
        cSaveBatch batch;
        std::unique_ptr<iFile> file(cFileManager::get().create(path));
        const std::string bytes = writeLevelState(state);
        // Sealed with the variables: a level state that changed since makes the save not whole.
        propertyMap<PT_STRING>()[LEVEL_STATE_SEAL_VARIABLE] = std::to_string(stamp) + ":" + toString(sealOverBytes(bytes));
        const Bool whole = file->write(bytes.data(), ULong(bytes.size())) == bytes.size();
        if (!file->close() || !whole)
            throw "Level state \"" + path + "\" can't be written.";
        cProfile::getInstance()->saveAllProps();
        // The frame goes on while the disk takes the files.
        batch.commit(false, [before](Bool _partlyPlaced) { rollBackStamps(before, _partlyPlaced); });
    } catch (...) {
        rollBackStamps(before, false);
        throw;
    }
    GUARD_END("void cGame::saveLevelState()")
}

void cGame::loadLevelState()
{
    GUARD_BEGIN
    const String path = levelStatePath();
    if (path.empty())
        return;
    cFileManager::get().waitForSaves();
    // A new player's file is written from what the game holds now; reading it back would
    // only give the time-line its factors a second time.
    if (!cFileManager::get().isExist(path)) {
        saveProgress();
        return;
    }
    std::string bytes;
    String error;
    sLevelState state;
    // As the profile's load read and judged it, when it did.
    const std::string* loaded = cProfile::getInstance() ? cProfile::getInstance()->getLoadedLevelState(path) : nullptr;
    const Bool read = loaded || readFileBytes(path, bytes, error);
    if (!read || !readLevelState(loaded ? *loaded : bytes, state, error)) {
        // Nothing of a damaged file is used; the player's copy is kept aside, never deleted,
        // and the game goes on from what it has, with a sound file written in its place.
        logError("Level state \"" + path + "\" is damaged (" + error + ") and is not used.");
        if (!isHeld())
            cFileManager::get().moveAside(path, "is damaged");
        saveProgress();
        return;
    }
    std::vector<String> dropped;
    keepUsablePackages(state.packages, dropped);
    for (const String& package : dropped)
        logError("Level state \"" + path + "\": a " + package + " cannot be used and is left out.");
    applyLevelState(state);
    // A farm rebuilt from damaged files is saved whole at once: until then a crash finds the damage again.
    if (cProfile::getInstance() && cProfile::getInstance()->isRebuiltUnsaved())
        requestSave();
    GUARD_END("void cGame::loadLevelState()")
}

void cGame::applyLevelState(const sLevelState& _state)
{
    if (cFarm* farm = cFarm::getInstance()) {
        const Vector2 origin = groundOrigin();
        for (const auto& package : _state.packages)
            new cSeedPackage(farm->getSlidingPicture(), package.seedType, package.count,
                Vector2(package.x + origin.x, package.y + origin.y), package.state, package.bought);
    }
    // Earnings are a minute's worth: of a level state nothing vouches for (its seal does not
    // hold, or its variables were salvaged) none is believed, nor an award won by them.
    const cProfile* profile = cProfile::getInstance();
    const Bool vouched = !profile || profile->getLoadedCopy().isLevelStateVouchedFor();
    if (cGame* game = getInstance(); game && vouched) {
        for (const auto& earning : _state.earnings)
            if (std::isfinite(earning.time))
                game->addEarnedFromMarket(earning.money, earning.time);
        game->m_earnedWindowStart = _state.windowStart;
    }
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        cGameMenu::NOTES notes;
        for (const auto& note : _state.notes)
            notes.push_back({note.text, note.read});
        menu->setNotes(notes);
    }
    if (cGameplay* gameplay = cGameplay::getInstance())
        gameplay->restoreRandomFactors(_state.factors);
}
