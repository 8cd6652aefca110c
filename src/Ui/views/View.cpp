#include "Ui/views/View.h"

#include "Ui/views/Scavenger.h"
#include "Ui/views/UI.h"
#include "Ui/views/ViewWatch.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/Log.h"
#include "engine/logs/LogManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <exception>

cView::cView(cView* _parent) : m_number(cUI::takeViewNumber()), m_parent(_parent)
{
    attachToParent();
}

cView::cView(const cView& _source)
    : m_number(cUI::takeViewNumber()),
      m_fadeSpeed(_source.m_fadeSpeed),
      m_parent(_source.m_parent),
      m_visible(_source.m_visible),
      m_enabled(_source.m_enabled),
      m_absoluteEnabled(_source.m_absoluteEnabled)
{
    attachToParent();
    if (m_enabled && m_chainEnabled)
        cUI::addEnabled(this);
    if (m_absoluteEnabled && m_chainAbsoluteEnabled)
        cUI::addAbsoluteEnabled(this);
}

void cView::attachToParent()
{
    if (!m_parent)
        return;
    m_parent->addChild(this);
    m_chainVisible = m_parent->m_visible && m_parent->m_chainVisible;
    m_chainEnabled = m_parent->m_enabled && m_parent->m_chainEnabled;
    m_chainAbsoluteEnabled = m_parent->m_absoluteEnabled && m_parent->m_chainAbsoluteEnabled;
}

cView::~cView() noexcept(false)
{
    for (cViewWatch* watch : m_watches)
        watch->m_view = nullptr;
    cUI::removeFading(this);
    // Each child's destructor takes it out of this set; the explicit erase keeps the loop
    // finite even if it did not. A failing child does not keep its brothers alive.
    std::exception_ptr failure;
    while (!m_children.empty()) {
        const auto first = *m_children.begin();
        try {
            delete first.second;
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
        m_children.eraseNumber(first.first);
    }
    if (m_parent)
        m_parent->removeChild(this);
    cUI::forget(this);
    if (!failure)
        return;
    if (std::uncaught_exceptions() == 0)
        std::rethrow_exception(failure);
    try {
        std::rethrow_exception(failure);
    } catch (const String& _error) {
        logError("A view could not be deleted cleanly:\n" + _error);
    } catch (...) {
        logError("A view could not be deleted cleanly.");
    }
}

void cView::addChild(cView* _child)
{
    m_children.insert(_child);
}

void cView::removeChild(cView* _child)
{
    m_children.erase(_child);
}

void cView::forChildren(void (cView::*_walk)())
{
    // A notification may make or delete children; the walk sees those it started with that
    // are still there.
    m_children.visit([_walk](cView* _child) { (_child->*_walk)(); });
}

void cView::forEachChild(void (cView::*_operation)())
{
    forChildren(_operation);
}

void cView::showWalk()
{
    m_chainVisible = true;
    if (!m_visible)
        return;
    if (m_enabled && m_chainEnabled)
        enabled();
    forChildren(&cView::showWalk);
    showed();
}

void cView::enableWalk()
{
    m_chainEnabled = true;
    if (!(m_enabled && m_visible && m_chainVisible))
        return;
    forChildren(&cView::enableWalk);
    enabled();
}

void cView::absoluteEnableWalk()
{
    m_chainAbsoluteEnabled = true;
    if (!m_absoluteEnabled)
        return;
    forChildren(&cView::absoluteEnableWalk);
    absoluteEnabled();
}

void cView::hideWalk()
{
    m_chainVisible = false;
    forChildren(&cView::hideWalk);
    hid();
}

void cView::disableWalk()
{
    m_chainEnabled = false;
    forChildren(&cView::disableWalk);
    disabled();
}

void cView::absoluteDisableWalk()
{
    m_chainAbsoluteEnabled = false;
    forChildren(&cView::absoluteDisableWalk);
    absoluteDisabled();
}

// Every child learns it is hidden, and its whole subtree with it, whatever their own flags.
void cView::hideChildren()
{
    m_children.visit([](cView* _child) {
        _child->m_chainVisible = false;
        _child->forChildren(&cView::hideWalk);
        _child->hid();
    });
}

void cView::show()
{
    GUARD_BEGIN
    m_visible = true;
    m_alpha = 1.0f;
    if (m_chainVisible)
        showed();
    GUARD_END("void cView::show()")
}

void cView::hide()
{
    m_visible = false;
    m_alpha = 0;
    hid();
    hideChildren();
}

void cView::enable()
{
    GUARD_BEGIN
    if (m_enabled)
        return;
    m_enabled = true;
    if (m_chainEnabled && m_visible && m_chainVisible) {
        forChildren(&cView::enableWalk);
        enabled();
    }
    GUARD_END("void cView::enable()")
}

void cView::disable()
{
    if (!m_enabled)
        return;
    m_enabled = false;
    forChildren(&cView::disableWalk);
    disabled();
}

void cView::absoluteEnable()
{
    GUARD_BEGIN
    if (m_absoluteEnabled)
        return;
    m_absoluteEnabled = true;
    if (m_chainAbsoluteEnabled) {
        forChildren(&cView::absoluteEnableWalk);
        absoluteEnabled();
    }
    GUARD_END("void cView::absoluteEnable()")
}

void cView::absoluteDisable()
{
    if (!m_absoluteEnabled)
        return;
    m_absoluteEnabled = false;
    forChildren(&cView::absoluteDisableWalk);
    absoluteDisabled();
}

void cView::showed()
{
    if (m_enabled && m_chainEnabled) {
        enabled();
        forChildren(&cView::enableWalk);
    }
    forChildren(&cView::showWalk);
    m_fadeState = FADE_NONE;
}

void cView::hid()
{
    if (m_enabled && m_chainEnabled) {
        disabled();
        forChildren(&cView::disableWalk);
    }
    hideChildren();
    m_fadeState = FADE_NONE;
}

void cView::parentTransparenty()
{
    forChildren(&cView::parentTransparenty);
}

void cView::enabled()
{
    cUI::addEnabled(this);
}

void cView::disabled()
{
    cUI::removeEnabled(this);
}

void cView::absoluteEnabled()
{
    cUI::addAbsoluteEnabled(this);
}

void cView::absoluteDisabled()
{
    cUI::removeAbsoluteEnabled(this);
}

Float cView::getRootAlpha() const
{
    const cView* root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root->m_alpha;
}

void cView::setParent(cView* _parent)
{
    if (_parent == m_parent)
        return;
    for (const cView* ancestor = _parent; ancestor; ancestor = ancestor->m_parent)
        if (ancestor == this)
            throw "A view cannot be placed under itself.";
    if (m_parent)
        m_parent->removeChild(this);
    m_parent = _parent;
    if (!m_parent) {
        showWalk();
        return;
    }
    m_parent->addChild(this);
    const Bool parentVisible = m_parent->m_visible && m_parent->m_chainVisible;
    if (m_chainVisible == parentVisible)
        return;
    if (m_chainVisible)
        hideWalk();
    else
        showWalk();
}

void cView::leaveParent()
{
    if (m_parent)
        m_parent->removeChild(this);
    m_parent = nullptr;
}

void cView::loadXML(iXML* _xml_doc)
{
    if (!_xml_doc)
        throw "No XML element to load the view from.";
    loadAttributes(findAttribute(_xml_doc, u"Visible"), findAttribute(_xml_doc, u"Enable"),
                   findAttribute(_xml_doc, u"TranparencySpeed"), findAttribute(_xml_doc, u"AbsoluteEnable"));
}

namespace {

// A missing switch is off. A damaged one is an error: read as off it would leave a screen
// that never runs, and the game stuck on it. White space around the digit is allowed.
Bool readSwitch(const WString* _text, const char* _attribute)
{
    if (!_text)
        return false;
    const size_t first = _text->find_first_not_of(u" \t\r\n");
    const size_t last = _text->find_last_not_of(u" \t\r\n");
    if (first != WString::npos && first == last && ((*_text)[first] == u'0' || (*_text)[first] == u'1'))
        return (*_text)[first] == u'1';
    throw String("The attribute \"") + _attribute + "\" is not 0 or 1: \"" + cutForLog(toString(*_text)) + "\".";
}

} // namespace

void cView::loadAttributes(const WString* _visible, const WString* _enable, const WString* _speed,
                           const WString* _absoluteEnable)
{
    // All are read before any is applied.
    const Bool visible = readSwitch(_visible, "Visible");
    const Bool enable = readSwitch(_enable, "Enable");
    const Bool absoluteEnable = readSwitch(_absoluteEnable, "AbsoluteEnable");
    if (_speed)
        toFloat(m_fadeSpeed, *_speed);
    if (visible)
        show();
    else
        hide();
    if (enable)
        this->enable();
    else
        disable();
    if (absoluteEnable)
        this->absoluteEnable();
}

void cView::showTransparently()
{
    GUARD_BEGIN
    m_visible = true;
    if (m_chainVisible)
        showed();
    m_fadeState = FADE_IN;
    if (m_parent)
        finishFade();
    else
        cUI::addFading(this);
    GUARD_END("void cView::showTransparently()")
}

void cView::hideTransparently()
{
    GUARD_BEGIN
    m_fadeState = FADE_OUT;
    // The own flag stays set, so the view comes back enabled when it is shown again.
    if (m_enabled) {
        disabled();
        forChildren(&cView::disableWalk);
    }
    if (m_parent)
        finishFade();
    else
        cUI::addFading(this);
    GUARD_END("void cView::hideTransparently()")
}

void cView::discardTransparently()
{
    GUARD_BEGIN
    m_fadeState = FADE_OUT_DISCARD;
    if (m_enabled) {
        m_enabled = false;
        forChildren(&cView::disableWalk);
        disabled();
    }
    if (m_absoluteEnabled) {
        m_absoluteEnabled = false;
        forChildren(&cView::absoluteDisableWalk);
        absoluteDisabled();
    }
    if (m_parent)
        finishFade();
    else
        cUI::addFading(this);
    GUARD_END("void cView::discardTransparently()")
}

// Where the running fade would have ended.
void cView::finishFade()
{
    switch (m_fadeState) {
    case FADE_IN:
        if (m_alpha < 1.0f)
            m_alpha = 1.0f;
        m_fadeState = FADE_NONE;
        break;
    case FADE_OUT:
        hide();
        m_fadeState = FADE_NONE;
        break;
    case FADE_OUT_DISCARD:
        m_fadeState = FADE_NONE;
        hide();
        discard(this, ".\\Ui\\View401");
        break;
    case FADE_NONE:
        break;
    }
}

void cView::changeTransparency(Float _frameTime)
{
    GUARD_BEGIN
    const Float step = m_fadeSpeed * _frameTime;
    // A view put under a parent while fading, or a speed that never gets anywhere, would hold
    // every view's processing for ever: such a fade ends now.
    if (m_parent || !(m_fadeSpeed > 0)) {
        finishFade();
    } else if (m_fadeState == FADE_IN) {
        m_alpha += step;
        if (m_alpha >= 1.0f)
            m_fadeState = FADE_NONE;
    } else if (m_fadeState != FADE_NONE) {
        m_alpha -= step;
        if (m_alpha <= 0)
            finishFade();
    }
    parentTransparenty();
    GUARD_END("void cView::changeTransparency()")
}
