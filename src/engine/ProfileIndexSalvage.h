#pragma once
#include "engine/Types.h"

#include <utility>
#include <vector>

// The entries that still read in a damaged profile index (cut short, say): every complete
// Profile element of its UTF-16 text, as (Name, ID) in the order they stand. What the
// elements claim is the caller's to check.
std::vector<std::pair<WString, WString>> salvageProfileEntries(const std::string& _bytes);

// An identifier as the index writes it: decimal digits only, one that a next identifier
// can still follow. Anything else ("-1", "NaN", "1e308", "") does not read.
Bool readProfileID(const WString& _text, ULong& _id);
