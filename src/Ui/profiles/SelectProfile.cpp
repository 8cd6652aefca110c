#include "Ui/profiles/SelectProfile.h"

#include "Ui/boxes/ListBox.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/controls/Picture.h"
#include "Ui/profiles/ProfileName.h"
#include "Ui/profiles/ProfileScreen.h"
#include "Ui/views/Scavenger.h"
#include "Ui/boxes/TextBox.h"
#include "Ui/views/ViewFile.h"
#include "Ui/screens/YesNo.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/Profile.h"
#include "engine/files/XML.h"
#include "input/Input.h"

namespace {

const char* const SELECT_USER_XML = "UI/SelectUser.xml";

} // namespace

const WString cSelectProfile::DELETE_QUESTION = u"Вы действительно\nхотите удалить профайл?";
const WString cSelectProfile::LABEL_EXISTING = u"Ок";
const WString cSelectProfile::LABEL_NEW = u"Новый";

cSelectProfile::cSelectProfile(Bool _hideExit) : cBack(nullptr), m_hideExit(_hideExit)
{
    GUARD_BEGIN
    m_okButton = new cLabelButton(this);
    m_exitButton = new cLabelButton(this);
    m_deleteButton = new cLabelButton(this);
    m_nameBox = new cTextBox(this);
    m_background = new cPicture(this);
    m_logo = new cPicture(this);
    m_nameUnderlay = new cPicture(this);
    m_caption = new cText(this);
    m_userList = new cListBox(this);
    m_deleteButton->setOnClick(&cSelectProfile::onDelete);
    m_nameBox->setOnChange(&cSelectProfile::onNameChange);
    m_nameBox->setFilter(&isValidNameChar);
    m_okButton->setOnClick(&cSelectProfile::onOk);
    m_exitButton->setOnClick(&cSelectProfile::onExit);
    m_userList->setOnSelect(&cSelectProfile::onNameSelect);
    loadViewFile(this, SELECT_USER_XML);
    GUARD_END("cSelectProfile::cSelectProfile(Bool _hideExit)")
}

cSelectProfile::~cSelectProfile()
{
    // The keys are let go whatever failed; the parts' own failures pass on as views' do.
    runOrLog("cSelectProfile::~cSelectProfile()", [this] { unbindKeys(); });
}

void cSelectProfile::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    const std::pair<const char*, cView*> parts[] = {
        {"Background", m_background}, {"BigLogo", m_logo},    {"PodlogkaPodImia", m_nameUnderlay},
        {"EnterNameText", m_caption}, {"NameEdit", m_nameBox}, {"OkButton", m_okButton},
    };
    iXML* element = nullptr;
    for (const auto& [name, part] : parts) {
        if (_xml_doc->get(name, element))
            part->loadXML(element);
    }
    if (_xml_doc->get("ExitButton", element)) {
        m_exitButton->loadXML(element);
        if (m_hideExit)
            m_exitButton->hide();
    }
    if (m_deleteButton && _xml_doc->get("DeleteButton", element))
        m_deleteButton->loadXML(element);
    m_deleteButton->hide();
    if (_xml_doc->get("UserList", element)) {
        m_userList->loadXML(element);
        updateList();
    }
    GUARD_END("void cSelectProfile::loadXML(iXML* xml_doc)")
}

void cSelectProfile::updateList()
{
    GUARD_BEGIN
    m_userList->clear();
    if (cProfile* profile = cProfile::getInstance()) {
        NAME_LIST names;
        profile->getNames(names);
        for (const WString& name : names)
            m_userList->addItem(name);
    }
    GUARD_END("void cSelectProfile::updateList()")
}

void cSelectProfile::process()
{
    GUARD_BEGIN
    cBack::process();
    enableOkWhileNamed(m_okButton, m_nameBox);
    GUARD_END("void cSelectProfile::process()")
}

void cSelectProfile::enabled()
{
    cBack::enabled();
    bindKeys();
}

void cSelectProfile::disabled()
{
    cBack::disabled();
    unbindKeys();
}

void cSelectProfile::bindKeys()
{
    if (cInput* input = cInput::getInstance()) {
        input->bind(KEY_RETURN, &cSelectProfile::onOk, this);
        input->bind(KEY_ESCAPE, &cSelectProfile::onExit, this);
    }
}

void cSelectProfile::unbindKeys()
{
    if (cInput* input = cInput::getInstance()) {
        input->unbind(KEY_RETURN, &cSelectProfile::onOk, this);
        input->unbind(KEY_ESCAPE, &cSelectProfile::onExit, this);
    }
}

void cSelectProfile::leave(fContinuation _continuation)
{
    // Enter and Escape collected in one frame both arrive; only the first one leaves. The slot
    // is free from here on, so the continuation may open a new selection screen at once.
    m_leaving = true;
    releaseInstance();
    disable();
    discardTransparently();
    if (_continuation)
        _continuation();
}

void cSelectProfile::onOk(cView* _view)
{
    GUARD_BEGIN
    cSelectProfile* screen = screenOf<cSelectProfile>(_view);
    // A key collected before the screen was disabled (by a question, or by leaving) is late.
    if (screen && useTypedProfile(screen, screen->m_leaving, screen->m_nameBox))
        screen->leave(screen->m_onAccept);
    GUARD_END("void cSelectProfile::onOk(cView* _parent)")
}

void cSelectProfile::onExit(cView* _view)
{
    GUARD_BEGIN
    cSelectProfile* screen = screenOf<cSelectProfile>(_view);
    if (!screen || screen->m_leaving || !screen->isEffectivelyEnabled())
        return;
    // The menus and the game need a profile: with none left, only OK leaves.
    if (!cProfile::exists())
        return;
    screen->leave(screen->m_onExit);
    GUARD_END("void cSelectProfile::onExit(cView* _parent)")
}

void cSelectProfile::onDelete(cView* _view)
{
    GUARD_BEGIN
    cSelectProfile* screen = screenOf<cSelectProfile>(_view);
    if (!screen || screen->m_leaving || !screen->isEffectivelyEnabled())
        return;
    screen->disable();
    screen->hide();
    auto* dialog = new cYesNo(nullptr);
    dialog->setYesHandler(&cSelectProfile::onDeleteConfirm);
    dialog->setNoHandler(&cSelectProfile::onDeleteCancel);
    dialog->getText()->setText(DELETE_QUESTION, false);
    dialog->show();
    dialog->enable();
    GUARD_END("void cSelectProfile::onDelete(cView* _parent)")
}

void cSelectProfile::onDeleteConfirm(cView* _dialog)
{
    GUARD_BEGIN
    cSelectProfile* screen = getInstance();
    cProfile* profile = cProfile::getInstance();
    const WString name = screen ? screen->m_nameBox->getString() : WString();
    if (!name.empty() && profile) {
        profile->deleteProfile(name);
        screen->updateList();
        screen->m_deleteButton->hide();
        screen->m_nameBox->setString(WString());
        screen->m_exitButton->hide();
        // The variables in memory still belong to the profile loaded before: they go to its own
        // file while it exists, and nowhere once it is deleted. The next profile then loads
        // from its own file.
        const WString next = profile->m_currentUserName;
        profile->save();
        delete profile;
        if (!next.empty())
            new cProfile(next);
    }
    if (screen)
        screen->closeDialog(_dialog);
    else
        discard(_dialog, "void cSelectProfile::onDeleteConfirm(cView* _yesno)");
    GUARD_END("void cSelectProfile::onDeleteConfirm(cView* _yesno)")
}

void cSelectProfile::onDeleteCancel(cView* _dialog)
{
    GUARD_BEGIN
    if (cSelectProfile* screen = getInstance())
        screen->closeDialog(_dialog);
    else
        discard(_dialog, "void cSelectProfile::onDeleteCancel(cView* _yesno)");
    GUARD_END("void cSelectProfile::onDeleteCancel(cView* _yesno)")
}

void cSelectProfile::closeDialog(cView* _dialog)
{
    discard(_dialog, "void cSelectProfile::closeDialog(cView* _dialog)");
    enable();
    show();
}

void cSelectProfile::onNameSelect(UInt _item, cListBox* _list)
{
    GUARD_BEGIN
    cSelectProfile* screen = screenOf<cSelectProfile>(_list);
    if (!screen || _item >= _list->getCount())
        return;
    screen->m_nameBox->setString(_list->getItemText(_item));
    screen->m_deleteButton->show();
    screen->m_deleteButton->enable();
    GUARD_END("void cSelectProfile::onNameSelect(UInt item, cListBox* _inst)")
}

void cSelectProfile::onNameChange(cView* _box)
{
    GUARD_BEGIN
    cSelectProfile* screen = screenOf<cSelectProfile>(_box);
    if (!screen)
        return;
    const WString& name = screen->m_nameBox->getString();
    if (!showOkUnlessReserved(screen->m_okButton, name))
        return;
    for (UInt row = 0; row < screen->m_userList->getCount(); ++row) {
        if (screen->m_userList->getItemText(row) == name) {
            screen->m_okButton->setText(LABEL_EXISTING);
            if (!screen->m_deleteButton->isVisible())
                screen->m_deleteButton->show();
            return;
        }
    }
    screen->m_okButton->setText(LABEL_NEW);
    screen->m_deleteButton->hide();
    GUARD_END("void cSelectProfile::onNameChange(cView* _box)")
}
