#pragma once
#include "engine/Types.h"

// Writes a text file of the program's own (settings, logs of resources, string dumps,
// profiles) into the application-data folder as UTF-16LE, with or without the byte-order
// mark, replacing the old file only once every byte is written. Raises when the file could not
// be created, written, flushed, closed or put in place.
void writeUtf16File(const String& _name, const WString& _text, Bool _byteOrderMark);
