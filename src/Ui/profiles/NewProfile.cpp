#include "Ui/profiles/NewProfile.h"

#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/profiles/ProfileName.h"
#include "Ui/profiles/ProfileScreen.h"
#include "Ui/boxes/TextBox.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/files/XML.h"
#include "input/Input.h"

namespace {

const char* const NEW_USER_XML = "UI/NewUser.xml";

} // namespace

cNewProfile::cNewProfile() : cBack(nullptr)
{
    GUARD_BEGIN
    m_okButton = new cLabelButton(this);
    m_nameBox = new cTextBox(this);
    m_okButton->setOnClick(&cNewProfile::onOk);
    m_nameBox->setFilter(&isValidNameChar);
    m_nameBox->setOnChange(&cNewProfile::onNameChange);
    loadViewFile(this, NEW_USER_XML);
    GUARD_END("cNewProfile::cNewProfile()")
}

cNewProfile::~cNewProfile()
{
    // The keys are let go whatever failed; the parts' own failures pass on as views' do.
    runOrLog("cNewProfile::~cNewProfile()", [this] { unbindKeys(); });
}

void cNewProfile::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    iXML* element = nullptr;
    // The name's underlay is drawn as on the selection screen, so both screens look alike.
    if (_xml_doc->get("PodlogkaPodImia", element)) {
        if (!m_nameUnderlay)
            m_nameUnderlay = new cPicture(this);
        m_nameUnderlay->loadXML(element);
    }
    loadChildPart(_xml_doc, "NameEdit", m_nameBox);
    loadChildPart(_xml_doc, "OkButton", m_okButton);
    loadChildParts<cText>(_xml_doc, "Texts", this, getBackground());
    GUARD_END("void cNewProfile::loadXML(iXML* xml_doc)")
}

void cNewProfile::process()
{
    GUARD_BEGIN
    cBack::process();
    enableOkWhileNamed(m_okButton, m_nameBox);
    GUARD_END("void cNewProfile::process()")
}

void cNewProfile::enabled()
{
    cBack::enabled();
    bindKeys();
}

void cNewProfile::disabled()
{
    cBack::disabled();
    unbindKeys();
}

void cNewProfile::bindKeys()
{
    if (cInput* input = cInput::getInstance())
        input->bind(KEY_RETURN, &cNewProfile::onOk, this);
}

void cNewProfile::unbindKeys()
{
    if (cInput* input = cInput::getInstance())
        input->unbind(KEY_RETURN, &cNewProfile::onOk, this);
}

void cNewProfile::onOk(cView* _view)
{
    GUARD_BEGIN
    cNewProfile* screen = screenOf<cNewProfile>(_view);
    // Enter and a click collected in one frame both arrive; only the first one acts.
    if (!screen || !useTypedProfile(screen, screen->m_leaving, screen->m_nameBox))
        return;
    screen->m_leaving = true;
    // Free before the continuation runs, which may open the screen again.
    screen->releaseInstance();
    screen->discardTransparently();
    if (screen->m_onAccept)
        screen->m_onAccept();
    GUARD_END("void cNewProfile::onOk(cView* _parent)")
}

void cNewProfile::onNameChange(cView* _box)
{
    GUARD_BEGIN
    if (cNewProfile* screen = screenOf<cNewProfile>(_box))
        showOkUnlessReserved(screen->m_okButton, screen->m_nameBox->getString());
    GUARD_END("void cNewProfile::onNameChange(cView* _box)")
}
