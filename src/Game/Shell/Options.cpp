#include "Game/Shell/Options.h"

#include "Game/Shell/MainMenu.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/buttons/CheckButton.h"
#include "Ui/controls/Picture.h"
#include "Ui/boxes/ScrollBox.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/settings/Settings.h"
#include "engine/resources/SoundManager.h"
#include "engine/files/XML.h"
#include "graphics/Graphics.h"

#include <algorithm>

namespace {

const char* const OPTIONS_XML = "UI/Options.xml";


// A slider's value as a volume: whole, and inside 0..100 whatever the slider's range.
UInt toVolume(Float _value)
{
    if (!(_value > 0.0f))
        return 0;
    if (_value >= 100.0f)
        return 100;
    return UInt(_value);
}

// A manager without a device never read the volumes; the settings still hold them.
void readStoredVolumes(UInt& _music, UInt& _effects)
{
    if (cSettings* settings = cSettings::getInstance()) {
        settings->getPropertyT("Sound", "Music", _music);
        settings->getPropertyT("Sound", "Sound", _effects);
    }
    _music = std::min(_music, 100u);
    _effects = std::min(_effects, 100u);
}

// The mode the game is in or is about to switch to: the setting the device follows.
Bool fullScreenSetting()
{
    Bool fullScreen = false;
    if (cSettings* settings = cSettings::getInstance())
        settings->getPropertyT("graphics", "fullscreen", fullScreen);
    return fullScreen;
}

} // namespace

cOptions::cOptions() : cBack(nullptr)
{
    GUARD_BEGIN
    m_back = new cPicture(this);
    m_logo = new cPicture(this);
    m_panel = new cPicture(this);
    m_ok = new cTextButtonT<cAnimButton>(this);
    m_soundVolume = new cScrollBox(this);
    m_musicVolume = new cScrollBox(this);
    m_fullScreen = new cCheckButton(this);
    m_fullScreenText = new cText(this);
    m_musicText = new cText(this);
    m_soundText = new cText(this);
    m_label = new cText(this);
    m_ok->setOnClick(&cOptions::onOk);
    m_soundVolume->setOnChange(&cOptions::onSoundChange);
    m_musicVolume->setOnChange(&cOptions::onMusicChange);
    m_fullScreen->setOnCheck(&cOptions::onFullScreen);
    loadViewFile(this, OPTIONS_XML);
    GUARD_END("cOptions::cOptions()")
}

cOptions::~cOptions() = default;

void cOptions::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "Back", m_back);
    loadChildPart(_xml_doc, "Logo", m_logo);
    loadChildPart(_xml_doc, "Podlogka", m_panel);
    loadChildPart(_xml_doc, "OkButton", m_ok);
    loadChildPart(_xml_doc, "SoundVolume", m_soundVolume);
    loadChildPart(_xml_doc, "MusicVolume", m_musicVolume);
    loadChildPart(_xml_doc, "FullScreen", m_fullScreen);
    loadChildPart(_xml_doc, "FullScreenText", m_fullScreenText);
    loadChildPart(_xml_doc, "MusicText", m_musicText);
    loadChildPart(_xml_doc, "SoundText", m_soundText);
    loadChildPart(_xml_doc, "Label", m_label);
    m_fullScreen->setChecked(fullScreenSetting());
    if (cSoundManager* sound = cSoundManager::getInstance()) {
        UInt music = sound->getMusicVolume();
        UInt effects = sound->getSoundVolume();
        if (sound->isDisabled()) {
            m_soundVolume->disable();
            m_musicVolume->disable();
            readStoredVolumes(music, effects);
        }
        m_musicVolume->setValue(Float(music));
        m_soundVolume->setValue(Float(effects));
    }
    m_musicVolume->placeSlider();
    m_soundVolume->placeSlider();
    GUARD_END("void cOptions::loadXML(iXML* xml_doc)")
}

void cOptions::process()
{
    GUARD_BEGIN
    cBack::process();
    // Alt+Enter switches the mode behind the screen's back.
    const Bool fullScreen = fullScreenSetting();
    if (m_fullScreen->getChecked() != fullScreen)
        m_fullScreen->setChecked(fullScreen);
    GUARD_END("void cOptions::process()")
}

void cOptions::onSoundChange(cView*, Float _val)
{
    GUARD_BEGIN
    if (cSoundManager* sound = cSoundManager::getInstance())
        sound->setSoundVolume(toVolume(_val));
    GUARD_END("void cOptions::onSoundChange(cView* _self, Float _val)")
}

void cOptions::onMusicChange(cView*, Float _val)
{
    GUARD_BEGIN
    if (cSoundManager* sound = cSoundManager::getInstance())
        sound->setMusicVolume(toVolume(_val));
    GUARD_END("void cOptions::onMusicChange(cView* _self, Float _val)")
}

void cOptions::onFullScreen(cView*, Bool _checked)
{
    GUARD_BEGIN
    if (cSettings* settings = cSettings::getInstance())
        settings->setPropertyT("graphics", "fullscreen", _checked);
    if (iGraphics* graphics = iGraphics::getInstance())
        graphics->setNeedReset(true);
    GUARD_END("void cOptions::onFullScreen(cView* _self, Bool _checked)")
}

void cOptions::onOk(cView*)
{
    GUARD_BEGIN
    cOptions* options = getInstance();
    if (!options)
        return;
    if (cView* back = options->getReturnView()) {
        back->showTransparently();
        back->enable();
    } else {
        // Whoever opened the screen has gone: the main menu is always a way back.
        cMainMenu::open(false);
    }
    options->discardTransparently();
    GUARD_END("void cOptions::onOk(cView* _self)")
}
