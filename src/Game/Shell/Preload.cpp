#include "Game/Shell/Preload.h"

#include "Game/Shell/LogLoad.h"
#include "Game/Shell/MainMenu.h"
#include "Ui/profiles/NewProfile.h"
#include "Ui/controls/Picture.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/progress/Profile.h"
#include "engine/frame/Timer.h"
#include "graphics/sprites/Texture.h"
#include "input/Input.h"

#include <algorithm>

namespace {

const char* const FIRST_LOGO = "Logo.jpg";
const char* const SECOND_LOGO = "Logo/Logo2.jpg";
const char* const THIRD_LOGO = "Logo/Logo3.jpg";
const char* const MENU_LOG = "menureslog.xml";
const UInt MENU_LOG_PER_FRAME = 3;

Bool isPress(eControl _event)
{
    return (_event >= CONTROL_KEY_PRESSED && _event < CONTROL_BUTTON_RELEASED) ||
           (_event >= CONTROL_BUTTON_PRESSED && _event < CONTROL_MOUSE_X);
}

} // namespace

cPreload::cPreload() : cView(nullptr)
{
    GUARD_BEGIN
    m_logo = new cPicture(this);
    m_logo->setPosition(Vector2(400.0f, 300.0f));
    m_logo->setDeep(10000.0f);
    // Unseen until its first logo fades in: before that it has no picture to show.
    m_logo->setAlpha(0.0f);
    m_logo->show();
    m_logo->enable();
    show();
    enable();
    if (cInput* input = cInput::getInstance())
        input->bind(CONTROL_ANY, &cPreload::onAnyKey, this);
    GUARD_END("cPreload::cPreload()")
}

cPreload::~cPreload()
{
    if (cInput* input = cInput::getInstance())
        input->unbind(CONTROL_ANY, &cPreload::onAnyKey, this);
}

void cPreload::showLogo(const String& _path)
{
    m_logo->setPicture(_path);
    // The image's own pixels, not the padded texture's.
    if (const cTexture* picture = m_logo->getTexture())
        m_logo->setSize(Vector2(Float(picture->getImageWidth()), Float(picture->getImageHeight())));
    m_logo->setTransformDirty();
    m_time = 0;
}

void cPreload::switchState()
{
    GUARD_BEGIN
    switch (m_state) {
    case 0: {
        m_state = 1;
        cFileManager* files = cFileManager::getInstance();
        if (files && files->isExist(FIRST_LOGO)) {
            showLogo(FIRST_LOGO);
            break;
        }
        // Without the game's own logo the sequence starts at the second.
        switchState();
        break;
    }
    case 1:
        showLogo(SECOND_LOGO);
        m_state = 2;
        break;
    case 2:
        showLogo(THIRD_LOGO);
        m_state = 3;
        break;
    default:
        break;
    }
    GUARD_END("void cPreload::switchState()")
}

void cPreload::process()
{
    GUARD_BEGIN
    cView::process();
    if (m_state == 0)
        switchState();
    else if (m_state < 3 && m_time >= LOGO_TIME)
        switchState();
    else if (m_state == 3 && m_time >= LOGO_TIME)
        leave();
    m_logo->setAlpha(std::min(m_time * 0.5f, 1.0f));
    if (cTimer* timer = cTimer::getInstance())
        m_time += timer->getFrameTime();
    GUARD_END("void cPreload::process()")
}

void cPreload::onAnyKey(cView* _self)
{
    GUARD_BEGIN
    cInput* input = cInput::getInstance();
    if (!input || !isPress(input->getDeliveredControl()))
        return;
    cPreload* self = static_cast<cPreload*>(_self);
    if (self->m_state != 3)
        self->switchState();
    else
        self->leave();
    GUARD_END("void cPreload::onAnyKey(cView* _self)")
}

void cPreload::leave()
{
    if (m_left)
        return;
    m_left = true;
    // An index without a current player (every profile deleted) has nobody to play as: the
    // road then goes through the new-profile screen, as on the first start.
    // A damaged or lost index still has players: their files. Only the profile reads the
    // index for good; the name here is what still reads of it.
    // A folder that cannot be read hides its players: the new-player screen would make a farm
    // in the place of one of them. The profile says so and plays on without saving.
    const WString current = cProfile::getCurrentUserName();
    if ((cProfile::isHeadersExist() && !current.empty()) || cProfile::hasPlayerFiles() || cProfile::isFolderClosed()) {
        if (!cProfile::getInstance())
            new cProfile(current, true);
        cLogLoad::start(MENU_LOG, &cPreload::openMainMenu, MENU_LOG_PER_FRAME, true);
    } else {
        cLogLoad::start(MENU_LOG, &cPreload::openNewProfile, MENU_LOG_PER_FRAME, true);
    }
    discardTransparently();
}

void cPreload::openMainMenu()
{
    GUARD_BEGIN
    cMainMenu::open(false);
    GUARD_END("void cPreload::openMainMenu()")
}

void cPreload::openNewProfile()
{
    GUARD_BEGIN
    cMainMenu::loadFixedBack();
    cNewProfile* screen = new cNewProfile();
    screen->setAcceptContinuation(&cPreload::onNewProfileCreate);
    screen->hide();
    screen->showTransparently();
    screen->enable();
    GUARD_END("void cPreload::openNewProfile()")
}

void cPreload::onNewProfileCreate()
{
    GUARD_BEGIN
    cMainMenu::open(true);
    GUARD_END("void cPreload::onNewProfileCreate()")
}
