#pragma once
#include "engine/Types.h"

// Escapes text for an XML attribute or element written by hand. Ordinary values come out
// byte for byte as they went in; a value like "Tom & Jerry" must not make the next start's
// file unparseable.
WString escapeXml(const WString& _text);
