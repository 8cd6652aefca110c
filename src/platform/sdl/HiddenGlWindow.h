#pragma once
#include <SDL.h>

// A hidden window with a GL-ready pixel format, for drawing off screen (pixel tests).
class cHiddenGlWindow {
public:
    cHiddenGlWindow(int _width, int _height);
    ~cHiddenGlWindow();
    cHiddenGlWindow(const cHiddenGlWindow&) = delete;
    cHiddenGlWindow& operator=(const cHiddenGlWindow&) = delete;

    SDL_Window* window() const { return m_window; }

private:
    SDL_Window* m_window = nullptr;
};
