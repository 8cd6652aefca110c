#include "engine/text/TermFill.h"

#include <algorithm>

WString fillTerms(const WString& _text, const std::vector<std::pair<WString, WString>>& _terms)
{
    WString told;
    for (size_t at = 0; at < _text.size();) {
        const auto term = std::find_if(_terms.begin(), _terms.end(), [&](const auto& _term) {
            return _text.compare(at, _term.first.size(), _term.first) == 0;
        });
        if (term == _terms.end()) {
            told += _text[at++];
        } else {
            told += term->second;
            at += term->first.size();
        }
    }
    return told;
}
