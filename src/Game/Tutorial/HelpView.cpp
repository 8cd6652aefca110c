#include "Game/Tutorial/HelpView.h"

#include "Ui/controls/ChildParts.h"
#include "Game/Shell/Menu.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/controls/Picture.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/XML.h"

cHelpView::cHelpView(cView* _parent) : cBack(_parent)
{
    GUARD_BEGIN
    m_ok = new cHelpButton(this);
    m_next = new cHelpButton(this);
    m_prev = new cHelpButton(this);
    loadViewFile(this, "UI/HelpView.xml");
    m_ok->setOnClick(&cHelpView::onOk);
    m_next->setOnClick(&cHelpView::onNext);
    m_prev->setOnClick(&cHelpView::onPrev);
    m_prev->hide();
    GUARD_END("cHelpView::cHelpView(cView* _parent)")
}

// The pages are children and go with the view.
cHelpView::~cHelpView() = default;

void cHelpView::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "OkButton", m_ok);
    loadChildPart(_xml_doc, "NextButton", m_next);
    loadChildPart(_xml_doc, "PrevButton", m_prev);
    iXML* pages = nullptr;
    if (_xml_doc->get("Pages", pages)) {
        iXML* element = nullptr;
        for (UInt i = 0; pages->get(i, element); ++i) {
            auto* page = new sPage(this);
            m_pages.push_back(page);
            loadPage(element, *page);
        }
    }
    for (sPage* page : m_pages)
        page->hide();
    m_currentPage = 0;
    if (!m_pages.empty()) {
        m_pages[0]->show();
        m_pages[0]->enable();
    }
    showButton(m_prev, false);
    showButton(m_next, m_pages.size() > 1);
    GUARD_END("void cHelpView::loadXML(iXML* xml_doc)")
}

void cHelpView::loadPage(iXML* _xml_doc, sPage& _page)
{
    GUARD_BEGIN
    TAG_LIST items;
    iXML* group = nullptr;
    if (_xml_doc->get("Pictures", group)) {
        iXML* item = nullptr;
        for (UInt i = 0; group->get(i, item); ++i) {
            auto* picture = new cPicture(&_page);
            _page.pictures.push_back(picture);
            picture->loadXML(item);
        }
    }
    if (_xml_doc->get("Texts", group)) {
        iXML* item = nullptr;
        for (UInt i = 0; group->get(i, item); ++i) {
            auto* text = new cMultilineText(&_page);
            _page.texts.push_back(text);
            text->loadXML(item);
        }
    }
    GUARD_END("void cHelpView::loadPage(iXML* xml_doc, sPage& _page)")
}

void cHelpView::showButton(cView* _button, Bool _show)
{
    if (_show) {
        _button->show();
        _button->enable();
    } else {
        _button->hide();
    }
}

void cHelpView::turnTo(UInt _page)
{
    if (_page >= m_pages.size() || _page == m_currentPage)
        return;
    m_pages[m_currentPage]->hide();
    m_currentPage = _page;
    m_pages[m_currentPage]->show();
    m_pages[m_currentPage]->enable();
    showButton(m_next, m_currentPage + 1 < m_pages.size());
    showButton(m_prev, m_currentPage > 0);
}

void cHelpView::onNext(cView* /*_view*/)
{
    GUARD_BEGIN
    if (cHelpView* help = getInstance())
        help->turnTo(help->m_currentPage + 1);
    GUARD_END("void cHelpView::onNext(cView* _view)")
}

void cHelpView::onPrev(cView* /*_view*/)
{
    GUARD_BEGIN
    cHelpView* help = getInstance();
    if (help && help->m_currentPage > 0)
        help->turnTo(help->m_currentPage - 1);
    GUARD_END("void cHelpView::onPrev(cView* _view)")
}

void cHelpView::onOk(cView* /*_view*/)
{
    GUARD_BEGIN
    if (cHelpView* help = getInstance())
        help->hideTransparently();
    if (cMenu* menu = cMenu::getInstance()) {
        menu->showTransparently();
        menu->enable();
    }
    GUARD_END("void cHelpView::onOk(cView* _view)")
}
