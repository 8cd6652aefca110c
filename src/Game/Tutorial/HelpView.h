#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

#include <vector>

class cMultilineText;
class cPicture;

// The in-game help: pages of pictures and wrapped texts from "UI/HelpView.xml", turned with
// Next and Prev and closed with Ok, back to the pause menu. Made hidden with the game; it
// opens on the page where it was left.
class cHelpView : public cViewSingleton<cHelpView>, public cBack {
public:
    using cHelpButton = cTextButtonT<cAnimButton>;

    // One page: a child of the help view, its pictures and texts its own children.
    struct sPage : public cView {
        explicit sPage(cView* _parent) : cView(_parent) {}
        std::vector<cPicture*> pictures;
        std::vector<cMultilineText*> texts;
    };

    explicit cHelpView(cView* _parent = nullptr);
    ~cHelpView() override;

    // The screen's keys, the three buttons, then one page per child of "Pages". The first page
    // shows; Prev, and Next when there is no page after the first, are hidden.
    void loadXML(iXML* _xml_doc) override;
    void loadPage(iXML* _xml_doc, sPage& _page);

    // Neither goes past the ends.
    static void onNext(cView* _view);
    static void onPrev(cView* _view);
    static void onOk(cView* _view);

    UInt getCurrentPage() const { return m_currentPage; }
    UInt getPageCount() const { return UInt(m_pages.size()); }
    sPage* getPage(UInt _index) const { return _index < m_pages.size() ? m_pages[_index] : nullptr; }
    cHelpButton* getOkButton() const { return m_ok; }
    cHelpButton* getNextButton() const { return m_next; }
    cHelpButton* getPrevButton() const { return m_prev; }

private:
    void turnTo(UInt _page);
    static void showButton(cView* _button, Bool _show);

    // Children of the view.
    cHelpButton* m_ok = nullptr;
    cHelpButton* m_next = nullptr;
    cHelpButton* m_prev = nullptr;
    std::vector<sPage*> m_pages;
    UInt m_currentPage = 0;
};
