#pragma once
#include "engine/Types.h"

struct sContractEvent;

// _text with the contract's terms as they stand written in: "{count1}" and "{count2}" the two
// requirements' counts, "{bonus}", "{penalty}", and "{time}" the time allowed ("mm:ss"). The
// random factors scale the terms, so the words a player reads are made from them, never
// written beside them.
WString contractWords(const sContractEvent& _terms, const WString& _text);
