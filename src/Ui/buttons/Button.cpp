#include "Ui/buttons/Button.h"

#include "Ui/views/ResourceHold.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"

namespace {

Bool isLook(eButtonState _state)
{
    return _state >= BS_DISABLED && _state <= BS_PRESSED;
}

} // namespace

cButton::cButton(cView* _parent) : cButtonPrototype(_parent) {}

cButton::cButton(const cButton& _source) : cButtonPrototype(_source)
{
    for (int i = 0; i < 4; ++i) {
        m_textures[i] = _source.m_textures[i];
        if (m_textures[i])
            m_textures[i]->addRef();
    }
}

cButton::~cButton()
{
    for (iResource*& texture : m_textures) {
        if (texture)
            texture->release();
        texture = nullptr;
    }
}

iResource* cButton::getStateTexture(eButtonState _state) const
{
    return isLook(_state) ? m_textures[_state] : nullptr;
}

void cButton::setStatePicture(eButtonState _state)
{
    if (isLook(_state) && m_textures[_state])
        setPictureResource(m_textures[_state]);
    setTransformDirty();
}

void cButton::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cButtonPrototype::loadXML(_xml_doc);
    // Every new texture is fetched before any old one goes back, so a path that fails to
    // load leaves the button as it was.
    const char16_t* const names[4] = {u"texture_disabled", nullptr, u"texture_hover", u"texture_pressed"};
    iResource* loaded[4] = {};
    try {
        for (int i = 0; i < 4; ++i) {
            const String path = names[i] ? toString((*_xml_doc)[names[i]]) : String();
            if (!path.empty())
                loaded[i] = requireResourceManager().getTexture(path);
            else if ((loaded[i] = getPicture()))
                loaded[i]->addRef();
        }
    } catch (...) {
        for (iResource* texture : loaded)
            if (texture)
                texture->release();
        throw;
    }
    for (int i = 0; i < 4; ++i) {
        if (m_textures[i])
            m_textures[i]->release();
        m_textures[i] = loaded[i];
    }
    // The state's look follows at its next change, not here.
    GUARD_END("void cButton::loadXML(iXML* xml_doc)")
}
