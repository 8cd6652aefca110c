#include "Ui/buttons/ButtonPrototype.h"

#include "Ui/views/ResourceHold.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/frame/Logic.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "graphics/Graphics.h"
#include "input/Input.h"

cButtonPrototype* cButtonPrototype::s_deepCandidate = nullptr;
cButtonPrototype::ePendingAction cButtonPrototype::s_pendingAction = cButtonPrototype::PA_NONE;

namespace {

// Replaces a held sound by the one at _path, taking the new reference before the old one
// goes back; an empty path keeps what is held.
void replaceSound(iResource*& _held, const String& _path)
{
    if (!_path.empty())
        holdByPath(_held, _path, &cResourceManager::getSound);
}

} // namespace

cButtonPrototype::cButtonPrototype(cView* _parent) : cPicture(_parent) {}

cButtonPrototype::cButtonPrototype(const cButtonPrototype& _source)
    : cPicture(_source), m_state(_source.m_state), m_onClick(_source.m_onClick), m_onHover(_source.m_onHover),
      m_onUnhover(_source.m_onUnhover), m_clickSound(_source.m_clickSound), m_hoverSound(_source.m_hoverSound),
      m_maskPath(_source.m_maskPath), m_mask(_source.m_mask), m_deepProcessing(_source.m_deepProcessing),
      m_soundOnUnclick(_source.m_soundOnUnclick)
{
    if (m_clickSound)
        m_clickSound->addRef();
    if (m_hoverSound)
        m_hoverSound->addRef();
}

cButtonPrototype::~cButtonPrototype()
{
    // The bindings are gone whatever failed.
    runOrLog("cButtonPrototype::~cButtonPrototype()", [this] { cButtonPrototype::disabled(); });
    unbindInput();
    if (m_clickSound)
        m_clickSound->release();
    if (m_hoverSound)
        m_hoverSound->release();
    if (s_deepCandidate == this)
        releaseCandidacy();
}

const Vector2& cButtonPrototype::getCursor()
{
    // Without a frame driver there is no cursor, and nothing is under it.
    static const Vector2 s_nowhere(-1.0e9f, -1.0e9f);
    cLogic* logic = cLogic::getInstance();
    return logic ? logic->getCursor() : s_nowhere;
}

void cButtonPrototype::process()
{
    GUARD_BEGIN
    cPicture::process();
    if (m_deepProcessing && s_deepCandidate == this) {
        const ePendingAction action = s_pendingAction;
        s_pendingAction = PA_NONE;
        if (action == PA_HOVER)
            hovered();
        else if (action == PA_CLICK)
            clicked();
    }
    GUARD_END("void cButtonPrototype::process()")
}

void cButtonPrototype::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cPicture::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"IsDeepProcessing", m_deepProcessing, &toBool);
    readXmlAttribute(_xml_doc, u"SoundOnUnclick", m_soundOnUnclick, &toBool);
    setMaskTexture(toString((*_xml_doc)[u"texture_mask"]));
    iXML* sounds = nullptr;
    if (_xml_doc->get("Sounds", sounds)) {
        replaceSound(m_clickSound, toString((*sounds)[u"Click"]));
        replaceSound(m_hoverSound, toString((*sounds)[u"Hover"]));
    }
    GUARD_END("void cButtonPrototype::loadXML(iXML* xml_doc)")
}

void cButtonPrototype::enabled()
{
    cPicture::enabled();
    bindInput();
    // Shown again while held down (a screen that lays its lines out anew in the frame of the
    // press): the button was never let go, so its release still clicks. A disabled button
    // keeps no press.
    if (m_state != BS_PRESSED)
        setState(pointInRect(getCursor()) ? BS_HOVERED : BS_NORMAL);
}

void cButtonPrototype::disabled()
{
    GUARD_BEGIN
    cPicture::disabled();
    if (m_deepProcessing && s_deepCandidate == this)
        releaseCandidacy();
    unbindInput();
    setState(BS_DISABLED);
    GUARD_END("void cButtonPrototype::disabled()")
}

void cButtonPrototype::bindInput()
{
    if (cInput* input = cInput::getInstance()) {
        input->bind(CONTROL_BUTTON_PRESSED, &cButtonPrototype::onLeftMouseDown, this);
        input->bind(CONTROL_BUTTON_RELEASED, &cButtonPrototype::onLeftMouseUp, this);
        input->bindMouse(&cButtonPrototype::onMouseMove, this);
    }
}

void cButtonPrototype::unbindInput()
{
    if (cInput* input = cInput::getInstance()) {
        input->unbind(CONTROL_BUTTON_PRESSED, &cButtonPrototype::onLeftMouseDown, this);
        input->unbind(CONTROL_BUTTON_RELEASED, &cButtonPrototype::onLeftMouseUp, this);
        input->unbindMouse(&cButtonPrototype::onMouseMove, this);
    }
}

void cButtonPrototype::releaseCandidacy()
{
    s_deepCandidate = nullptr;
    s_pendingAction = PA_NONE;
}

void cButtonPrototype::setState(eButtonState _state)
{
    GUARD_BEGIN
    if (_state == m_state)
        return;
    setStatePicture(_state);
    m_state = _state;
    GUARD_END("void cButtonPrototype::setState(eButtonState _state)")
}

void cButtonPrototype::setMaskTexture(const String& _path)
{
    if (_path == m_maskPath && (m_mask || _path.empty()))
        return;
    m_mask.reset();
    m_maskPath.clear();
    if (_path.empty())
        return;
    iGraphics* graphics = iGraphics::getInstance();
    if (!graphics)
        throw "Renderer not created.";
    m_mask = graphics->getSharedMask(_path);
    m_maskPath = _path;
}

const VECTOR_VECTOR_BOOL& cButtonPrototype::getMask() const
{
    static const VECTOR_VECTOR_BOOL s_none;
    return m_mask ? *m_mask : s_none;
}

Bool cButtonPrototype::pointInRect(const Vector2& _point)
{
    GUARD_BEGIN
    return containsPoint(_point) &&
           (!hasMask() || isMaskSet(getPosition(), getSize(), m_mask.get(), _point.x, _point.y));
    GUARD_END("Bool cButtonPrototype::pointInRect(const Vector2& pnt)")
}

void cButtonPrototype::call(fButtonEvent _handler)
{
    if (_handler)
        _handler(this);
}

void cButtonPrototype::playSound(iResource* _sound)
{
    // Fire and forget: a channel nobody keeps would never be given back.
    cSoundManager* sound = cSoundManager::getInstance();
    if (sound && m_soundEnable && _sound)
        sound->play(_sound);
}

void cButtonPrototype::hovered()
{
    GUARD_BEGIN
    setState(BS_HOVERED);
    call(m_onHover);
    if (m_state == BS_HOVERED)
        playSound(m_hoverSound);
    GUARD_END("void cButtonPrototype::hovered()")
}

void cButtonPrototype::unhovered()
{
    GUARD_BEGIN
    if (m_deepProcessing && s_deepCandidate == this)
        releaseCandidacy();
    setState(BS_NORMAL);
    call(m_onUnhover);
    GUARD_END("void cButtonPrototype::unhovered()")
}

void cButtonPrototype::clicked()
{
    GUARD_BEGIN
    if (!m_soundOnUnclick)
        playSound(m_clickSound);
    if (isEffectivelyEnabled()) {
        setState(BS_PRESSED);
        call(m_onUnhover);
    } else {
        setState(BS_DISABLED);
    }
    GUARD_END("void cButtonPrototype::clicked()")
}

void cButtonPrototype::unclicked()
{
    GUARD_BEGIN
    if (m_soundOnUnclick)
        playSound(m_clickSound);
    if (isPlayersRelease() && pointInRect(getCursor())) {
        setState(BS_HOVERED);
        call(m_onHover);
        call(m_onClick);
    } else {
        unhovered();
    }
    GUARD_END("void cButtonPrototype::unclicked()")
}

Bool cButtonPrototype::isPlayersRelease()
{
    const cInput* input = cInput::getInstance();
    return !input || !input->isOwedRelease();
}

void cButtonPrototype::refreshStatePicture()
{
    if (m_state >= BS_DISABLED && m_state <= BS_PRESSED)
        setStatePicture(m_state);
}

void cButtonPrototype::onMouseMove(eControl, Long, cView* _view)
{
    auto* button = static_cast<cButtonPrototype*>(_view);
    if (!button->pointInRect(getCursor())) {
        if (button->m_state == BS_HOVERED)
            button->unhovered();
        if (s_deepCandidate == button)
            button->releaseCandidacy();
        return;
    }
    if (button->m_state == BS_PRESSED || button->m_state == BS_HOVERED)
        return;
    if (!button->m_deepProcessing) {
        button->hovered();
        return;
    }
    // Ties keep the button that had the cursor first.
    if (s_deepCandidate && !(s_deepCandidate->getDeep() < button->getDeep()))
        return;
    if (s_deepCandidate)
        s_deepCandidate->unhovered();
    s_deepCandidate = button;
    s_pendingAction = PA_HOVER;
}

void cButtonPrototype::onLeftMouseDown(cView* _view)
{
    auto* button = static_cast<cButtonPrototype*>(_view);
    if (!button->pointInRect(getCursor()))
        return;
    if (!button->m_deepProcessing)
        button->clicked();
    else if (s_deepCandidate == button)
        s_pendingAction = PA_CLICK;
}

void cButtonPrototype::onLeftMouseUp(cView* _view)
{
    auto* button = static_cast<cButtonPrototype*>(_view);
    if (button->m_state == BS_PRESSED)
        button->unclicked();
}
