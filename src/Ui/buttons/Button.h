#pragma once
#include "Ui/buttons/ButtonPrototype.h"

class iResource;

// A button that shows one texture per state. A state without a texture of its own shows the
// normal picture ("Picture").
class cButton : public cButtonPrototype {
public:
    explicit cButton(cView* _parent);
    // Shares the four textures.
    cButton(const cButton& _source);
    ~cButton() override;

    // The prototype's reading; the normal texture is the picture, and "texture_pressed",
    // "texture_hover" and "texture_disabled" name the others.
    void loadXML(iXML* _xml_doc) override;
    // The state's texture becomes the picture; a state without one keeps the current picture.
    void setStatePicture(eButtonState _state) override;

    iResource* getStateTexture(eButtonState _state) const;

private:
    // Indexed by eButtonState.
    iResource* m_textures[4] = {};
};
