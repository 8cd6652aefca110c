#include "Game/Farm/Letters/ContractLetterSlot.h"
#include "Game/Farm/Farm.h"
#include "Game/GameKeys.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/SoundManager.h"

void cFarm::makeLetterSlots()
{
    for (UInt i = 0; i < LETTER_PLACES; ++i)
        m_letterSlots[i] = new cContractLetterSlot(getContent(), i);
}

void cFarm::restoreLetters()
{
    GUARD_BEGIN
    for (UInt i = 0; i < LETTER_PLACES; ++i) {
        // A place the file does not give stands at the farm's origin, still reachable.
        if (i < m_letterPlaces.size())
            m_letterSlots[i]->setPlace(m_letterPlaces[i]);
        if (m_letterSlots[i]->restore())
            ++m_letterCount;
    }
    GUARD_END("void cFarm::restoreLetters()")
}

void cFarm::addLetter(sContractEvent* _event)
{
    GUARD_BEGIN
    for (cContractLetterSlot* slot : m_letterSlots) {
        if (slot->getLetterState() != cContractLetterSlot::EMPTY)
            continue;
        slot->setup(_event, cContractLetterSlot::UNREAD, false);
        ++m_letterCount;
        cSoundManager* sound = cSoundManager::getInstance();
        if (sound && m_letterSound)
            sound->play(m_letterSound.get());
        return;
    }
    GUARD_END("void cFarm::addLetter(sContractEvent* _event)")
}

void cFarm::clearLetterSlot(cContractLetterSlot* _slot)
{
    GUARD_BEGIN
    for (cContractLetterSlot* slot : m_letterSlots) {
        // A place already empty gives back no letter: the count never wraps.
        if (slot != _slot || slot->getLetterState() == cContractLetterSlot::EMPTY)
            continue;
        --m_letterCount;
        slot->setEmpty();
    }
    GUARD_END("void cFarm::clearLetterSlot(cContractLetterSlot* _slot)")
}
