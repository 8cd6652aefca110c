#include "Game/Shell/LogLoad.h"

#include "Ui/controls/ChildParts.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/views/ResourceHold.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/ViewFile.h"
#include "engine/resources/Channel.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"

#include <memory>

namespace {

const char* const LOAD_XML = "Ui/Load.xml";

// Shared by every loading screen of the run: the music they started and the bar's maximum.
struct sProgramState {
    iResource* music = nullptr;
    cChannel* channel = nullptr;
    Float progressMaximum = 0;
    Bool hasProgressMaximum = false;
};

sProgramState& programState()
{
    static sProgramState state;
    return state;
}

void stopMusic()
{
    sProgramState& state = programState();
    delete state.channel;
    state.channel = nullptr;
    if (state.music)
        state.music->release();
    state.music = nullptr;
}

} // namespace

cLogLoad* cLogLoad::start(const String& _path, fContinue _continue, UInt _perFrame, Bool _menuMusic)
{
    GUARD_BEGIN
    std::unique_ptr<cLogLoad> screen(new cLogLoad(_path, _continue, _perFrame, _menuMusic));
    if (screen->m_log)
        return screen.release();
    // Nothing to preload: the next screen loads what it needs itself.
    screen.reset();
    if (_continue)
        _continue();
    return nullptr;
    GUARD_END("cLogLoad* cLogLoad::start(const String& _path, fContinue _continue, UInt _per_frame, Bool _menu_music)")
}

void cLogLoad::endRun()
{
    stopMusic();
    programState().hasProgressMaximum = false;
    programState().progressMaximum = 0;
}

cLogLoad::cLogLoad(const String& _path, fContinue _continue, UInt _perFrame, Bool _menuMusic)
    : cBack(nullptr), m_path(_path), m_continue(_continue), m_perFrame(_perFrame > 0 ? _perFrame : 1)
{
    GUARD_BEGIN
    m_progress = new cProgressFloat(this);
    loadViewFile(this, LOAD_XML);
    switchMusic(_menuMusic);
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(m_path)) {
        m_log = requireResourceManager().getXML(m_path);
        m_count = m_log->getNodeCount();
    }
    GUARD_END("cLogLoad::cLogLoad(const String& _path, fContinue _continue, UInt _per_frame, Bool _menu_music)")
}

cLogLoad::~cLogLoad()
{
    if (m_log)
        m_log->release();
}

void cLogLoad::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    // Only a shown and enabled screen is processed: any other would never call the next one.
    if (!isOwnVisible() || !isEnabled())
        throw "The loading screen must be visible and enabled (\"Visible\" and \"Enable\" 1).";
    loadChildPart(_xml_doc, "Progress", m_progress);
    iXML* element = nullptr;
    if (_xml_doc->get("MainMenuMusic", element))
        m_menuMusic = toString((*element)[u"Sound"]);
    if (_xml_doc->get("GameMusic", element))
        m_gameMusic = toString((*element)[u"Sound"]);
    GUARD_END("void cLogLoad::loadXML(iXML* xml_doc)")
}

// The old music goes before the new one is asked for, so only one ever plays. A screen
// file without a music path means silence, not a sound of no name.
void cLogLoad::switchMusic(Bool _menuMusic)
{
    stopMusic();
    const String& path = _menuMusic ? m_menuMusic : m_gameMusic;
    if (path.empty())
        return;
    sProgramState& state = programState();
    state.music = requireResourceManager().getSound(path);
    if (cSoundManager* sound = cSoundManager::getInstance())
        state.channel = sound->playMusic(state.music, true, true);
}

void cLogLoad::process()
{
    GUARD_BEGIN
    cBack::process();
    if (m_firstFrame) {
        // The screen that was left is gone by now: what nobody holds any more can go.
        m_firstFrame = false;
        requireResourceManager().clearUseless();
    }
    sProgramState& state = programState();
    if (!state.hasProgressMaximum) {
        state.progressMaximum = m_progress->getMaximum();
        state.hasProgressMaximum = true;
    }
    const UInt end = m_count - m_index > m_perFrame ? m_index + m_perFrame : m_count;
    requireResourceManager().logToResources(m_log, m_index, end);
    // An empty log leaves the bar empty instead of dividing by nothing.
    m_progress->setValue(m_count > 0 ? Float(m_index) * state.progressMaximum / Float(m_count) : 0.0f);
    m_progress->progressChanged();
    m_index = end;
    if (end >= m_count) {
        const fContinue next = m_continue;
        m_continue = nullptr;
        if (next)
            next();
        hide();
        discard(this, "void cLogLoad::process()");
    }
    GUARD_END("void cLogLoad::process()")
}
