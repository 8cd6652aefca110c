#pragma once
#include "engine/Types.h"

class cView;

// Loads _view from the document at _path through the resource cache; the document goes back
// to the cache whether the view takes it or throws; a failure names the file.
void loadViewFile(cView* _view, const String& _path);
