#pragma once
#include "Ui/controls/Picture.h"

// The cloud a destroyed production building leaves: it plays once where the building stood
// and goes. Nobody keeps a pointer to it.
class cDepotExplos : public cPicture {
public:
    // Reads "manufacture/depotExplos.xml" when the data has it.
    cDepotExplos(const Vector2& _position, cView* _parent);

    void onAnimationEnd() override;
    void disabled() override;
};
