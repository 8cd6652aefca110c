#include "Game/Contracts/ContractWords.h"

#include "engine/text/TermFill.h"
#include "engine/text/TextConvert.h"
#include "Game/Timeline/GameEvent.h"

#include <string>

WString contractWords(const sContractEvent& _terms, const WString& _text)
{
    return fillTerms(_text, {
        {u"{count1}", toWString(std::to_string(_terms.Requirements[0].Count))},
        {u"{count2}", toWString(std::to_string(_terms.Requirements[1].Count))},
        {u"{bonus}", toWString(std::to_string(_terms.Bonus))},
        {u"{penalty}", toWString(std::to_string(_terms.Penalty))},
        {u"{time}", _terms.WinTime.toString(true)},
    });
}
