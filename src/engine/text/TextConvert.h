#pragma once
#include "engine/Types.h"

// UTF-8 <-> UTF-16. The two are exact inverses for valid text, of any length and with
// embedded NULs; malformed input becomes U+FFFD instead of failing.
String toString(const WString& _text);
WString toWString(const String& _text);
WString toWString(const char* _text);

// Only A-Z change: paths and keys are ASCII, and the result must not depend on the user's locale.
String& toLowerCase(String& _text);
// Every letter with a one-to-one small form (Latin, Greek, Cyrillic, Armenian), the same on
// every machine whatever its locale.
WString& toLowerCase(WString& _text);

String& replaceChar(String& _text, char _from, char _to);
WString& replaceChar(WString& _text, char16_t _from, char16_t _to);

// The first white-space-delimited word of the text.
String& readWord(String& _res, const WString& _text);

String intToString(Int _value);

// Keys of the typed game variables: "Upgrade" and 3 give "Upgrade3". The static forms
// return one shared buffer that the next call overwrites; new code takes the by-value
// forms, so that two keys in one expression cannot alias.
String& getStaticString(const char* _text, UInt _index);
WString& getStaticWString(const char* _text, UInt _index);
String makeKey(const char* _text, UInt _index);
WString makeWKey(const char* _text, UInt _index);
