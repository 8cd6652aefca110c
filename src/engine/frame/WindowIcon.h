#pragma once

class iWindow;

// Gives the window the picture "Icon.png" of the data folder when there is one. The icon is
// only decoration: a damaged picture is logged and the window goes without it.
void loadWindowIcon(iWindow& _window);
