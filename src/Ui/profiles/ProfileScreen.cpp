#include "Ui/profiles/ProfileScreen.h"

#include "Ui/profiles/ProfileName.h"
#include "Ui/boxes/TextBox.h"
#include "engine/progress/Profile.h"

void enableOkWhileNamed(cView* _ok, const cTextBox* _nameBox)
{
    const Bool named = !isBlankName(_nameBox->getString());
    const Bool okEnabled = _ok->isEffectivelyEnabled();
    if (named && !okEnabled)
        _ok->enable();
    else if (!named && okEnabled)
        _ok->disable();
}

Bool showOkUnlessReserved(cView* _ok, const WString& _name)
{
    if (isReservedName(_name)) {
        _ok->hide();
        return false;
    }
    _ok->show();
    return true;
}

Bool useTypedProfile(const cView* _screen, Bool _leaving, const cTextBox* _nameBox)
{
    if (_leaving || !_screen->isEffectivelyEnabled())
        return false;
    const WString name = _nameBox->getString();
    if (isBlankName(name))
        return false;
    if (cProfile* profile = cProfile::getInstance()) {
        // A failed save is reported here, where it can still end the game; the destructor
        // could only log it.
        profile->save();
        delete profile;
    }
    new cProfile(name);
    return true;
}
