#include "Game/Contracts/ContractWords.h"

#include "engine/text/TextConvert.h"
#include "Game/Timeline/GameEvent.h"

#include <algorithm>
#include <string>
#include <utility>

WString contractWords(const sContractEvent& _terms, const WString& _text)
{
    const std::pair<WString, WString> terms[] = {
        {u"{count1}", toWString(std::to_string(_terms.Requirements[0].Count))},
        {u"{count2}", toWString(std::to_string(_terms.Requirements[1].Count))},
        {u"{bonus}", toWString(std::to_string(_terms.Bonus))},
        {u"{penalty}", toWString(std::to_string(_terms.Penalty))},
        {u"{time}", _terms.WinTime.toString(true)},
    };
    WString told;
    for (size_t at = 0; at < _text.size();) {
        const auto term = std::find_if(std::begin(terms), std::end(terms), [&](const auto& _term) {
            return _text.compare(at, _term.first.size(), _term.first) == 0;
        });
        if (term == std::end(terms)) {
            told += _text[at++];
        } else {
            told += term->second;
            at += term->first.size();
        }
    }
    return told;
}
