#pragma once
#include "engine/Types.h"

#include <map>

// The settings' values by section and key.
using SETTINGS_MAP = std::map<String, std::map<String, WString>>;

class iXML;

// Every attribute of every child of the document's root: the child's tag is the section, the
// attribute's name the key; a later value of a section and key replaces an earlier one.
void readSettingsSections(iXML* _document, SETTINGS_MAP& _properties);

// The player's copy of the settings is written by the game and read back on every start, so
// one damaged value would stay for good: a frame rate that stops the clock, a window of one
// pixel, a profiles folder that hides every player. Each value of _settings that the game
// reads with a range and that does not read as a whole value of its type inside that range
// takes the shipped value from _shipped (or goes, so the program's own default applies);
// each such change is logged. A missing profiles folder takes the shipped one too.
void checkSettings(SETTINGS_MAP& _settings, const SETTINGS_MAP& _shipped);
