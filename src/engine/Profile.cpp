#include "engine/Profile.h"

#include "engine/ErrorStack.h"
#include "engine/File.h"
#include "engine/FileManager.h"
#include "engine/LogManager.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/TextConvert.h"
#include "engine/ValueConvert.h"
#include "engine/XML.h"
#include "engine/XmlEscape.h"

#include <limits>
#include <memory>

fProfileInit g_profileInitHook = nullptr;

namespace {

const char* const kIndexName = "profiles.xml";
const char16_t* const kDeclaration = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>";

cFileManager& files()
{
    cFileManager* manager = cFileManager::getInstance();
    if (!manager)
        throw "File manager not created.";
    return *manager;
}

void dropCachedCopy(const String& _path)
{
    if (!cResourceManager::exists())
        return;
    String key = _path;
    cResourceManager::getInstance()->releaseResource(toLowerCase(key));
}

// A name must read back as it was: markup characters become references, and characters no
// XML file may hold would make the whole index unreadable, losing every profile.
WString escapeName(const WString& _name)
{
    WString safe = _name;
    for (std::size_t i = 0; i < safe.size(); ++i) {
        const char16_t c = safe[i];
        const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < safe.size() && safe[i + 1] >= 0xDC00
            && safe[i + 1] <= 0xDFFF;
        if (pair)
            ++i;
        else if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || (c >= 0xD800 && c <= 0xDFFF)
            || c == 0xFFFE || c == 0xFFFF)
            safe[i] = u'\uFFFD';
    }
    return escapeXml(safe);
}

void appendAttribute(WString& _out, const char16_t* _name, const WString& _value)
{
    _out += _name;
    _out += u"=\"";
    _out += _value;
    _out += u"\" ";
}

// The file takes its name only once every byte is written, so a failed save keeps the old copy.
void writeProfileFile(const String& _path, const WString& _text)
{
    String bytes("\xFF\xFE");
    bytes.reserve(2 + _text.size() * 2);
    for (char16_t c : _text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    std::unique_ptr<iFile> file(files().create(_path));
    if (file->write(bytes.data(), static_cast<ULong>(bytes.size())) != bytes.size())
        throw "File \"" + _path + "\" can't be written.";
}

// Property files and level states share the identifier prefix; "12345678" must not take
// the files of 123456789 with it.
bool isFileOf(const String& _fileName, const String& _id)
{
    if (_fileName.compare(0, _id.size(), _id) != 0)
        return false;
    return _fileName.size() == _id.size() || _fileName[_id.size()] < '0' || _fileName[_id.size()] > '9';
}

} // namespace

String formatProfileID(ULong _id)
{
    String text = std::to_string(_id);
    if (text.size() < 8)
        text.insert(0, 8 - text.size(), '0');
    return text;
}

cProfile::cProfile(const WString& _userName) : m_currentUserName(_userName)
{
    GUARD_BEGIN
    if (g_profileInitHook)
        g_profileInitHook();
    load();
    GUARD_END("cProfile::cProfile()")
}

cProfile::~cProfile()
{
    try {
        try {
            save();
        } catch (...) {
            rethrowWithSignature("cProfile::~cProfile()");
        }
    } catch (const String& _stack) {
        getLog("error")->print(_stack);
    }
    clearProperties();
}

void cProfile::save()
{
    GUARD_BEGIN
    m_nowPlaying = false;
    m_indexChanged = true;
    saveHeaders();
    saveAllProps();
    GUARD_END("void cProfile::save()")
}

void cProfile::load()
{
    GUARD_BEGIN
    if (m_currentUserName.empty())
        return;
    const String dir = getProfilesDir();
    if (!files().isExist(dir + kIndexName)) {
        m_indexOwned = true;
        createProfile();
    } else {
        {
            cXML index(dir + kIndexName);
            loadHeaders(&index);
        }
        m_indexOwned = true;
        if (m_currentUserName != m_recordedUser) {
            m_recordedUser = m_currentUserName;
            m_indexChanged = true;
        }
        if (m_index.count(m_currentUserName) == 0)
            createProfile();
        const String propsPath = dir + getProfileID() + ".xml";
        if (files().isExist(propsPath)) {
            cXML props(propsPath);
            for (UInt i = 0, count = props.getNodeCount(); i < count; ++i) {
                iXML* prop = nullptr;
                if (!props.get(i, prop))
                    continue;
                setProperty(toString((*prop)[u"Type"]), toString((*prop)[u"Name"]), (*prop)[u"Val"]);
            }
        }
    }
    m_loadedName = m_currentUserName;
    m_loadedID = m_index[m_currentUserName];
    m_variablesLoaded = true;
    m_nowPlaying = true;
    m_indexChanged = true;
    saveHeaders();
    GUARD_END("void cProfile::load()")
}

void cProfile::loadHeaders(iXML* _xml_doc)
{
    GUARD_BEGIN
    iXML& doc = *_xml_doc;
    toULong(m_nextID, doc[u"NextID"]);
    m_recordedUser = doc[u"CurrentUser"];
    toBool(m_nowPlaying, doc[u"NowPlaying"]);
    for (UInt i = 0, count = doc.getNodeCount(); i < count; ++i) {
        iXML* entry = nullptr;
        if (!doc.get(i, entry))
            continue;
        ULong id = 0;
        toULong(id, (*entry)[u"ID"]);
        m_index.insert({(*entry)[u"Name"], id});
        // A damaged NextID must not hand out an identifier that a profile already has.
        if (id >= m_nextID && id != std::numeric_limits<ULong>::max())
            m_nextID = id + 1;
    }
    m_indexChanged = false;
    GUARD_END("void cProfile::loadHeaders(iXML *xml_doc)")
}

void cProfile::saveHeaders()
{
    GUARD_BEGIN
    // An object that never read the index (an empty name) knows nothing it could write.
    if (!m_indexChanged || !m_indexOwned)
        return;
    m_indexChanged = false;
    const String path = getProfilesDir() + kIndexName;
    if (m_index.empty()) {
        dropCachedCopy(path);
        files().remove(path);
        return;
    }
    WString text = kDeclaration;
    text += u"\n<Profiles ";
    appendAttribute(text, u"NextID", toWString(std::to_string(m_nextID)));
    appendAttribute(text, u"CurrentUser", escapeName(m_currentUserName));
    appendAttribute(text, u"NowPlaying", m_nowPlaying ? u"1" : u"0");
    text += u">\n";
    for (const auto& entry : m_index) {
        text += u"<Profile ";
        appendAttribute(text, u"Name", escapeName(entry.first));
        appendAttribute(text, u"ID", toWString(std::to_string(entry.second)));
        text += u"/>\n";
    }
    text += u"</Profiles>";
    writeProfileFile(path, text);
    GUARD_END("void cProfile::saveHeaders()")
}

void cProfile::saveAllProps()
{
    GUARD_BEGIN
    // Only into the file of the profile the variables were loaded for, and only while that
    // profile still exists: after a deletion the current user may be another player.
    if (!m_variablesLoaded)
        return;
    const auto found = m_index.find(m_loadedName);
    if (found == m_index.end() || found->second != m_loadedID)
        return;
    WString text = kDeclaration;
    text += u"<Props>";
    writeAllProperties(text);
    text += u"</Props>";
    writeProfileFile(getProfilesDir() + formatProfileID(m_loadedID) + ".xml", text);
    GUARD_END("void cProfile::saveAllProps()")
}

void cProfile::createProfile()
{
    GUARD_BEGIN
    // Files left by profiles an earlier index knew are never taken over.
    const String dir = getProfilesDir();
    ULong id = m_nextID;
    while (files().isExist(dir + formatProfileID(id) + ".xml"))
        ++id;
    m_nextID = id + 1;
    m_index.insert({m_currentUserName, id});
    clearProperties();
    if (g_profileInitHook)
        g_profileInitHook();
    m_indexChanged = true;
    GUARD_END("void cProfile::createProfile()")
}

void cProfile::deleteProfile(const WString& _name)
{
    GUARD_BEGIN
    const auto found = m_index.find(_name);
    if (found == m_index.end())
        return;
    const String id = formatProfileID(found->second);
    m_index.erase(found);
    m_currentUserName = m_index.empty() ? WString() : m_index.begin()->first;
    m_recordedUser = m_currentUserName;
    m_indexChanged = true;
    saveHeaders();
    const String dir = getProfilesDir();
    FILE_NAME_LIST names;
    files().getFilesNames(dir, names);
    for (const String& name : names) {
        if (!isFileOf(name, id))
            continue;
        dropCachedCopy(dir + name);
        files().remove(dir + name);
    }
    GUARD_END("void cProfile::deleteProfile(const WString& _name)")
}

void cProfile::getNames(NAME_LIST& _names) const
{
    GUARD_BEGIN
    for (const auto& entry : m_index)
        _names.push_back(entry.first);
    GUARD_END("void cProfile::getNames(NAME_LIST &_names) const")
}

String cProfile::getProfileID() const
{
    GUARD_BEGIN
    const auto found = m_index.find(m_currentUserName);
    if (found == m_index.end())
        throw "ProfileID error.";
    return formatProfileID(found->second);
    GUARD_END("String cProfile::getProfileID() const")
}

String cProfile::getProfilesDir()
{
    GUARD_BEGIN
    String dir;
    if (cSettings::exists())
        cSettings::getInstance()->getPropertyT("game", "profiles", dir);
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
    GUARD_END("String cProfile::getProfilesDir()")
}

Bool cProfile::isHeadersExist()
{
    return files().isExist(getProfilesDir() + kIndexName);
}

WString cProfile::getCurrentUserName()
{
    const String path = getProfilesDir() + kIndexName;
    if (!files().isExist(path))
        return WString();
    cXML index(path);
    return index[u"CurrentUser"];
}
