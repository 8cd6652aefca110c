#pragma once
#include "engine/Types.h"

// Everything the program writes as XML must read back as it was written, or the next start
// moves the player's file aside.

// Escapes text for an XML attribute or element written by hand. Ordinary values come out
// code unit for code unit as they went in; markup characters and the white space a parser
// would fold into blanks become references. Characters no XML 1.0 file can carry (control
// characters other than tab, line feed and carriage return, unpaired surrogates, U+FFFE and
// U+FFFF) become U+FFFD: the value then differs, but the file stays readable.
WString escapeXml(const WString& _text);
// Appends _name="_value" and a blank, the value escaped.
void appendXmlAttribute(WString& _out, const char16_t* _name, const WString& _value);

// A section or key name as an XML name. Letters, digits, '_', '-' and '.' (digits, '-' and '.'
// not first) stay; any other code unit becomes "_xHHHH_" with its hexadecimal value, and the
// "_x" of a name itself "_x005F_x"; the empty name is "_x_". Names the program has always
// written come out unchanged.
WString encodeXmlName(const WString& _name);
// The inverse of encodeXmlName; a name that holds no escapes comes back unchanged.
WString decodeXmlName(const WString& _name);
