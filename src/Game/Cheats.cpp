#include "Game/Cheats.h"

#include "Game/Game.h"
#include "Game/Awards/AwardManager.h"
#include "Ui/profiles/NewProfile.h"
#include "Ui/profiles/SelectProfile.h"
#include "Ui/boxes/TextBox.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "input/Input.h"

#include <cwctype>

namespace {

const char* const BEEP_SOUND = "sounds/beep.wav";

void addMoney(cCheats&)
{
    cGame::cheatAddMoney();
}

void addUpgrades(cCheats&)
{
    cGame::cheatAddUpgrades();
}

void addSeeds(cCheats&)
{
    cGame::cheatAddSeeds();
}

void addProduction(cCheats&)
{
    cGame::cheatAddProduction(nullptr);
}

struct sEffectWord {
    const char16_t* word;
    void (*effect)(cCheats&);
    // The all-effects word sounds a beep first.
    Bool beeps;
};

// Tested in this order; the first match runs alone.
const sEffectWord EFFECT_WORDS[] = {
    {u"quartzfern", &addMoney, false},
    {u"marigoldsloop", &addUpgrades, false},
    {u"pebblewick", &addSeeds, false},
    {u"lanternquill", &addProduction, false},
    {u"kitemoss", nullptr, true},
};

void (*const ALL_EFFECTS[])(cCheats&) = {&addMoney, &addUpgrades, &addSeeds, &addProduction};

// "q01" .. "q21": the k-th code presents award k - 1.
const char16_t* const AWARD_CODES[] = {u"q01", u"q02", u"q03", u"q04", u"q05", u"q06", u"q07",
                                       u"q08", u"q09", u"q10", u"q11", u"q12", u"q13", u"q14",
                                       u"q15", u"q16", u"q17", u"q18", u"q19", u"q20", u"q21"};
static_assert(sizeof(AWARD_CODES) / sizeof(AWARD_CODES[0]) == AWARD_COUNT);

char16_t lower(char16_t _c)
{
    return char16_t(std::towlower(std::wint_t(_c)));
}

Bool isTaking(const cTextBox* _box)
{
    return _box && _box->isEffectivelyEnabled();
}

} // namespace

cCheats::cCheats()
{
    GUARD_BEGIN
    if (cInput* input = cInput::getInstance())
        input->bindKeyboard(&cCheats::onCheat, nullptr);
    GUARD_END("cCheats::cCheats()")
}

cCheats::~cCheats()
{
    if (cInput* input = cInput::getInstance())
        input->unbindKeyboardHandler(&cCheats::onCheat, nullptr);
    m_buffer.clear();
    if (m_beep && cResourceManager::exists())
        runOrLog("cCheats::~cCheats()", [this] { m_beep->release(); });
}

void cCheats::onCheat(char16_t _c, cView* /*_context*/)
{
    GUARD_BEGIN
    if (cCheats* cheats = getInstance())
        cheats->type(_c);
    GUARD_END("void cCheats::onCheat(wchar_t _c, cView*)")
}

void cCheats::type(char16_t _c)
{
    if (isTypingIntoTextBox()) {
        m_buffer.clear();
        return;
    }
    m_buffer.push_back(_c);
    if (m_buffer.size() > BUFFER_LENGTH)
        m_buffer.erase(0, 1);
    if (!runEffectWord())
        runAwardCode();
}

Bool cCheats::runEffectWord()
{
    for (const sEffectWord& entry : EFFECT_WORDS) {
        if (!endsWith(entry.word))
            continue;
        m_buffer.clear();
        // The effects work on the game's objects: without a game the word means nothing.
        if (!cGame::getInstance())
            return true;
        if (entry.beeps) {
            beep();
            for (auto effect : ALL_EFFECTS)
                effect(*this);
        } else {
            entry.effect(*this);
        }
        return true;
    }
    return false;
}

Bool cCheats::runAwardCode()
{
    cAwardManager* awards = cAwardManager::getInstance();
    if (!awards)
        return false;
    for (UInt k = 0; k < AWARD_COUNT; ++k) {
        if (!endsWith(AWARD_CODES[k]))
            continue;
        m_buffer.clear();
        awards->setForcedIndex(Int(k));
        return true;
    }
    return false;
}

Bool cCheats::endsWith(const char16_t* _word) const
{
    const WString word(_word);
    if (m_buffer.size() < word.size())
        return false;
    const std::size_t start = m_buffer.size() - word.size();
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lower(m_buffer[start + i]) != word[i])
            return false;
    return true;
}

void cCheats::beep()
{
    cSoundManager* sound = cSoundManager::getInstance();
    if (!sound || sound->isDisabled() || !cResourceManager::exists())
        return;
    // A missing beep costs the beep, never the effects that follow it.
    runOrLog("void cCheats::beep()", [this, sound] {
        if (!m_beep)
            m_beep = cResourceManager::getInstance()->getSound(BEEP_SOUND);
        sound->play(m_beep);
    });
}

Bool cCheats::isTypingIntoTextBox()
{
    // The profile screens hold the program's only text boxes.
    const cNewProfile* created = cNewProfile::getInstance();
    const cSelectProfile* selected = cSelectProfile::getInstance();
    return (created && isTaking(created->getNameBox())) || (selected && isTaking(selected->getNameBox()));
}
