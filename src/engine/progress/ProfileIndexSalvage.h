#pragma once
#include "engine/Types.h"

#include <utility>
#include <vector>

// The entries that still read in a damaged profile index (cut short, say): every complete
// Profile element of its UTF-16 text, as (Name, ID) in the order they stand. What the
// elements claim is the caller's to check.
std::vector<std::pair<WString, WString>> salvageProfileEntries(const std::string& _bytes);

// Every complete element <_tag .../> of a damaged UTF-16 file that still reads alone, as the
// values of _attributes (empty when missing), in the order they stand.
std::vector<std::vector<WString>> salvageElements(
    const std::string& _bytes, const WString& _tag, const std::vector<const char16_t*>& _attributes);

// The first _attribute="..." of a damaged UTF-16 file, when it is whole; else empty.
WString salvageAttribute(const std::string& _bytes, const WString& _attribute);

// An identifier as the index writes it: decimal digits only, one that a next identifier
// can still follow. Anything else ("-1", "NaN", "1e308", "") does not read.
Bool readProfileID(const WString& _text, ULong& _id);
