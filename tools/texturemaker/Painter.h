#pragma once
#include "Image.h"

// One frame of a picture (0 is the first), state changes of button frames included.
sImage paintFrame(const sPicture& _picture, UInt _frame);

// Every frame in its grid cell, left to right, then top to bottom.
sImage paintPicture(const sPicture& _picture);
