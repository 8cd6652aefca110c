#pragma once
#include "engine/Types.h"

class cMovableBack;

// Puts one of the three game screens in the absolute pass, where it slides, and gives it its
// backdrop and slide speed from _path when the data has that file: the screen can be switched
// to before its working parts exist.
void loadScreenLook(cMovableBack& _screen, const String& _path);
