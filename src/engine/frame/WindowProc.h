#pragma once
#include "platform/window/WindowEvent.h"

// What the game does with one window event. Activation and minimising are only forwarded:
// the frame driver, the input manager and the sound manager hold the state, and each is
// told only when it exists. WE_QUIT belongs to the message loop and is ignored here.
void windowProc(const sWindowEvent& _event);
