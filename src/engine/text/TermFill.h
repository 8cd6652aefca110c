#pragma once
#include "engine/Types.h"

#include <utility>
#include <vector>

// _text with each term's name ("{count1}") replaced by its value, in one pass, so a value is
// never read again as a name.
WString fillTerms(const WString& _text, const std::vector<std::pair<WString, WString>>& _terms);
