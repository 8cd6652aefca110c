#include "Ui/screens/Notice.h"

#include "Ui/texts/MultilineText.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/files/XML.h"

namespace {

const char* const NOTICE_XML = "UI/Notice.xml";
// Long enough to read three lines twice.
constexpr Float NOTICE_SECONDS = 10.0f;
// Drawn for a few frames, it has met the player's eye: from then on a crash does not tell it again.
constexpr Float SEEN_SECONDS = 0.25f;

} // namespace

cNotice::cNotice() : cPicture(nullptr)
{
    GUARD_BEGIN
    m_text = new cMultilineText(this);
    loadViewFile(this, NOTICE_XML);
    GUARD_END("cNotice::cNotice()")
}

void cNotice::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    iXML* element = nullptr;
    if (_xml_doc->get("Background", element))
        cPicture::loadXML(element);
    if (m_text && _xml_doc->get("Text", element))
        m_text->loadXML(element);
    GUARD_END("void cNotice::loadXML(iXML* _xml_doc)")
}

const WString& cNotice::getShownText() const
{
    return m_text->getText();
}

void cNotice::update(Float _seconds)
{
    GUARD_BEGIN
    cNotice* notice = getInstance();
    // Another player plays now: her words leave the board, to be told to her at her next farm.
    if (notice && notice->m_left > 0 && !isPlayerNoticeOnScreen()) {
        notice->m_left = 0;
        notice->hide();
    }
    if (notice && notice->m_left > 0) {
        notice->m_left -= _seconds;
        if (notice->m_left <= NOTICE_SECONDS - SEEN_SECONDS)
            seePlayerNotice();
        if (notice->m_left > 0)
            return;
        notice->hide();
    }
    WString text;
    if (!takePlayerNotice(text))
        return;
    if (!notice)
        notice = new cNotice();
    notice->m_text->setText(text, true);
    notice->m_left = NOTICE_SECONDS;
    notice->show();
    GUARD_END("void cNotice::update(Float _seconds)")
}
