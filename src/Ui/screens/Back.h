#pragma once
#include "Ui/views/View.h"

#include <vector>

class cControl;

// The base of a screen: a view drawn only through its children, whose element may carry
// any number of backdrop pictures under "Background".
class cBack : public cView {
public:
    using CONTROL_LIST = std::vector<cControl*>;

    explicit cBack(cView* _parent);
    ~cBack() override;

    // The view's switches, then one picture per child of the first "Background", in the
    // order the element gives its children (by tag, then as written).
    void loadXML(iXML* _xml_doc) override;

    // One picture under _owner per child of _xml_doc's first "Background", appended to _list.
    static void loadBackground(iXML* _xml_doc, cView* _owner, CONTROL_LIST& _list);

    // Children of the screen, recorded in load order; derived screens may append their own.
    // The screen deletes them as children, never through this list.
    CONTROL_LIST& getBackground() { return m_background; }
    const CONTROL_LIST& getBackground() const { return m_background; }

private:
    CONTROL_LIST m_background;
};
