#pragma once
#include "Ui/views/View.h"

class cTextBox;

// What the screens that take a profile name (the first profile's and the selection) do alike
// with their name box and OK.

// OK is enabled exactly while a name is typed; blanks alone are no name.
void enableOkWhileNamed(cView* _ok, const cTextBox* _nameBox);

// OK is hidden while the typed name is reserved and shown otherwise; false when hidden.
Bool showOkUnlessReserved(cView* _ok, const WString& _name);

// Makes the typed name the profile in use, unless the screen cannot take it now (leaving,
// not enabled) or no name is typed; true when it did.
Bool useTypedProfile(const cView* _screen, Bool _leaving, const cTextBox* _nameBox);

// The screen of type T that _view is or lies in; only a view outside any falls back to the
// instance.
template <class T> T* screenOf(cView* _view)
{
    for (cView* view = _view; view; view = view->getParent()) {
        if (auto* screen = dynamic_cast<T*>(view))
            return screen;
    }
    return T::getInstance();
}
