// The least a program needs to show a frame: SDL2 opens a window of the game's size with the
// same GL visual (double buffered, depth and stencil), makes a context, clears and presents
// FURROW_FRAMES frames (2 when unset) and ends. The start-up benchmark times it beside the game.
#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdio>
#include <cstdlib>

int main(int, char**)
{
    int frames = 2;
    if (const char* text = std::getenv("FURROW_FRAMES"))
        frames = std::atoi(text);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                                          SDL_WINDOW_OPENGL);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return 1;
    }
    for (int frame = 0; frame < frames; ++frame) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        glClearColor(0.2f, 0.5f, 0.2f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        SDL_GL_SwapWindow(window);
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
