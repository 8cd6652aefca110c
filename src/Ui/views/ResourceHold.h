#pragma once
#include "engine/Types.h"

class cResourceManager;
class iResource;

// How views reach the resource cache and hold what they take from it.

// The cache; fails with "Resource manager not created." while there is none.
cResourceManager& requireResourceManager();

// Swaps the resource held in _field for the one _get finds at _path (none for an empty path).
// The new reference is taken before the old one goes back, so a path that fails to load
// leaves the field as it was.
void holdByPath(iResource*& _field, const String& _path, iResource* (cResourceManager::*_get)(const String&));
