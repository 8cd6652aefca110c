#include "Ui/screens/YesNo.h"

#include "Ui/texts/MultilineText.h"
#include "Ui/views/Scavenger.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/files/XML.h"
#include "input/Input.h"

namespace {

const char* const YES_NO_XML = "UI/YesNo.xml";

} // namespace

cYesNo::cYesNo(cView* _guarded) : cPicture(nullptr), m_guarded(_guarded)
{
    GUARD_BEGIN
    m_yesButton = new cAnswerButton(this);
    m_noButton = new cAnswerButton(this);
    m_text = new cMultilineText(this);
    m_title = new cText(this);
    m_yesButton->setOnClick(&cYesNo::onYes);
    m_noButton->setOnClick(&cYesNo::onNo);
    loadViewFile(this, YES_NO_XML);
    GUARD_END("cYesNo::cYesNo(cView * _parent)")
}

cYesNo::~cYesNo()
{
    // The keys and the guarded view are let go whatever failed.
    runOrLog("cYesNo::~cYesNo()", [this] {
        releaseGuarded();
        unbindKeys();
    });
}

void cYesNo::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    iXML* element = nullptr;
    if (_xml_doc->get("Background", element))
        cPicture::loadXML(element);
    if (m_yesButton && _xml_doc->get("YesButton", element))
        m_yesButton->loadXML(element);
    if (m_noButton && _xml_doc->get("NoButton", element))
        m_noButton->loadXML(element);
    if (m_text && _xml_doc->get("Text", element))
        m_text->loadXML(element);
    if (m_title && _xml_doc->get("Title", element))
        m_title->loadXML(element);
    GUARD_END("void cYesNo::loadXML(iXML* xml_doc)")
}

void cYesNo::enabled()
{
    cPicture::enabled();
    m_answered = false;
    if (cView* guarded = m_guarded.get()) {
        m_holding = true;
        guarded->disable();
    }
    bindKeys();
}

void cYesNo::disabled()
{
    cPicture::disabled();
    releaseGuarded();
    unbindKeys();
}

void cYesNo::process()
{
    GUARD_BEGIN
    cPicture::process();
    // The frame's input is over: the next frame may answer again.
    m_answered = false;
    cView* guarded = m_guarded.get();
    if (guarded && guarded->isEffectivelyEnabled()) {
        m_holding = true;
        guarded->disable();
    }
    GUARD_END("void cYesNo::process()")
}

void cYesNo::releaseGuarded()
{
    if (!m_holding)
        return;
    m_holding = false;
    if (cView* guarded = m_guarded.get())
        guarded->enable();
}

void cYesNo::bindKeys()
{
    if (cInput* input = cInput::getInstance()) {
        input->bind(KEY_RETURN, &cYesNo::onYes, m_yesButton);
        input->bind(KEY_SPACE, &cYesNo::onYes, m_yesButton);
        input->bind(KEY_ESCAPE, &cYesNo::onNo, m_noButton);
    }
}

void cYesNo::unbindKeys()
{
    if (cInput* input = cInput::getInstance()) {
        input->unbind(KEY_RETURN, &cYesNo::onYes, m_yesButton);
        input->unbind(KEY_SPACE, &cYesNo::onYes, m_yesButton);
        input->unbind(KEY_ESCAPE, &cYesNo::onNo, m_noButton);
    }
}

void cYesNo::answer(cView* _self, fHandler cYesNo::*_handler)
{
    auto* dialog = static_cast<cYesNo*>(_self->getParent());
    // The input step runs every answer it collected for the frame, even those that reach a
    // dialog the first answer already discarded.
    if (dialog->m_answered)
        return;
    dialog->m_answered = true;
    if (fHandler handler = dialog->*_handler)
        handler(dialog);
}

void cYesNo::onYes(cView* _self)
{
    GUARD_BEGIN
    answer(_self, &cYesNo::m_yesHandler);
    GUARD_END("void cYesNo::onYes(cView * _self)")
}

void cYesNo::onNo(cView* _self)
{
    GUARD_BEGIN
    answer(_self, &cYesNo::m_noHandler);
    GUARD_END("void cYesNo::onNo(cView * _self)")
}

void cYesNo::closeDialog(cView* _dialog)
{
    discard(_dialog, "void cYesNo::closeDialog(cView* _dialog)");
}
