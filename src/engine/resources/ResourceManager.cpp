#include "engine/resources/ResourceManager.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "engine/text/TextConvert.h"
#include "engine/files/TextFile.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "engine/files/XmlEscape.h"

#include <algorithm>

namespace {

std::map<UInt, cResourceManager::fMaker>& makers()
{
    static std::map<UInt, cResourceManager::fMaker> s_makers;
    return s_makers;
}

iResource* makeXML(const String& _path)
{
    return new cXML(_path);
}

bool isDeviceType(UInt _type)
{
    return _type == RT_TEXTURE || _type == RT_SHADER || _type == RT_MESH;
}

} // namespace

void cResourceManager::registerMaker(UInt _type, fMaker _maker)
{
    makers()[_type] = _maker;
}

cResourceManager::cResourceManager()
{
    registerMaker(RT_XML, makeXML);
    cResource::setForgetHook(onResourceDeleted);
}

cResourceManager::~cResourceManager()
{
    // Each deletion removes the resource from the containers through the forget hook.
    while (!m_cache.empty())
        delete m_cache.begin()->second;
    while (!m_orphans.empty())
        delete m_orphans.back();
    cResource::setForgetHook(nullptr);
}

void cResourceManager::onResourceDeleted(iResource* _resource)
{
    if (exists())
        getInstance()->releaseResource(_resource);
}

iResource* cResourceManager::get(const String& _path, UInt _type)
{
    String key = _path;
    toLowerCase(key);
    auto found = m_cache.find(key);
    if (found != m_cache.end()) {
        if (found->second->getType() != _type)
            throw "Wrong resource type.";
        return found->second->addRef();
    }
    auto maker = makers().find(_type);
    if (maker == makers().end())
        throw "Unknown resource type.";
    iResource* resource = nullptr;
    try {
        resource = maker->second(key);
    } catch (...) {
        // A loader's own text ("Invalid mesh", a decoder's reason) rarely knows its file; the
        // document names its file itself.
        if (_type == RT_XML)
            throw;
        rethrowWithFile(_path);
    }
    m_cache[key] = resource;
    m_names[resource] = key;
    if (isDeviceType(_type))
        m_deviceSet.insert(resource);
    return resource;
}

iResource* cResourceManager::getTexture(const String& _path)
{
    GUARD_BEGIN
    return get(_path, RT_TEXTURE);
    GUARD_END("iResource* cResourceManager::getTexture(const String& _path)")
}

iResource* cResourceManager::getFont(const String& _path)
{
    GUARD_BEGIN
    return get(_path, RT_FONT);
    GUARD_END("iResource* cResourceManager::getFont(const String& _path)")
}

iResource* cResourceManager::getSound(const String& _path)
{
    GUARD_BEGIN
    return get(_path, RT_SOUND);
    GUARD_END("iResource* cResourceManager::getSound(const String& _path)")
}

iResource* cResourceManager::getMesh(const String& _path)
{
    GUARD_BEGIN
    return get(_path, RT_MESH);
    GUARD_END("iResource* cResourceManager::getMesh(const String& _path)")
}

iResource* cResourceManager::getAnimation(const String& _path)
{
    GUARD_BEGIN
    return get(_path, RT_ANIMATION);
    GUARD_END("iResource* cResourceManager::getAnimation(const String& _path)")
}

iResource* cResourceManager::getShader(const String& _path)
{
    GUARD_BEGIN
    return get(_path, RT_SHADER);
    GUARD_END("iResource* cResourceManager::getShader(const String& _path)")
}

iXML* cResourceManager::getXML(const String& _path)
{
    GUARD_BEGIN
    return dynamic_cast<iXML*>(get(_path, RT_XML));
    GUARD_END("iXML* cResourceManager::getXML(const String& _path)")
}

void cResourceManager::forget(iResource* _resource)
{
    auto name = m_names.find(_resource);
    if (name != m_names.end()) {
        m_cache.erase(name->second);
        m_names.erase(name);
    }
    m_deviceSet.erase(_resource);
}

void cResourceManager::releaseResource(const String& _path)
{
    auto found = m_cache.find(_path);
    if (found == m_cache.end())
        return;
    iResource* resource = found->second;
    forget(resource);
    m_orphans.push_back(resource);
}

void cResourceManager::releaseResource(iResource* _resource)
{
    forget(_resource);
    m_orphans.erase(std::remove(m_orphans.begin(), m_orphans.end(), _resource), m_orphans.end());
}

void cResourceManager::preResetGraphics()
{
    for (iResource* resource : m_deviceSet)
        resource->preUpdate();
}

void cResourceManager::restoreGraphics()
{
    for (iResource* resource : m_deviceSet)
        resource->update();
}

void cResourceManager::refresh()
{
    for (const auto& entry : m_cache)
        if (entry.second->getType() == RT_TEXTURE) {
            entry.second->preUpdate();
            entry.second->update();
        }
}

const String& cResourceManager::getResourceName(const iResource* _resource) const
{
    auto found = m_names.find(_resource);
    if (found == m_names.end())
        throw "Unknown resource.";
    return found->second;
}

void cResourceManager::resourcesToLog(const String& _path)
{
    GUARD_BEGIN
    WString text = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<ResourceLog>\n";
    for (const auto& entry : m_cache) {
        text += u"<Tag Path=\"" + escapeXml(toWString(entry.first)) + u"\" Type=\"" + toWString(std::to_string(entry.second->getType())) +
                u"\" />\n";
    }
    text += u"</ResourceLog>";
    writeUtf16File(_path, text, false);
    GUARD_END("void cResourceManager::resourcesToLog(const String& path)")
}

void cResourceManager::logToResources(iXML* _log, UInt _first, UInt _last)
{
    GUARD_BEGIN
    for (UInt i = _first; i < _last; ++i) {
        iXML* entry = nullptr;
        if (!_log->get(i, entry, nullptr))
            continue;
        const String path = logPath((*entry)[u"Path"]);
        Int type = -1; // an entry without a type is skipped
        toInt(type, (*entry)[u"Type"]);
        // Only a head start: an entry that no longer loads is logged and left to its first
        // real use, which reports it where it matters.
        try {
            preload(path, type);
        } catch (const String& _error) {
            logError("The resource log names \"" + path + "\", which does not load:\n" + _error);
        }
    }
    GUARD_END("void cResourceManager::logToResources(iXML* log, UInt first, UInt last)")
}

void cResourceManager::preload(const String& _path, Int _type)
{
    // A preloaded resource waits uncounted until its first real use. Meshes and animations
    // are not preloaded.
    switch (_type) {
    case RT_TEXTURE: getTexture(_path)->release(); break;
    case RT_XML: getXML(_path)->release(); break;
    case RT_FONT: getFont(_path)->release(); break;
    case RT_SHADER: getShader(_path)->release(); break;
    case RT_SOUND: getSound(_path)->release(); break;
    default: break;
    }
}

String cResourceManager::logPath(const WString& _logged)
{
    // Logs of earlier versions hold each byte of the path as one code unit.
    const String path = toString(_logged);
    String bytes;
    for (char16_t c : _logged) {
        if (c > 0xFF)
            return path;
        bytes += static_cast<char>(c);
    }
    cFileManager* files = cFileManager::getInstance();
    return bytes != path && files && !files->isExist(path) && files->isExist(bytes) ? bytes : path;
}

void cResourceManager::clear()
{
    clearUseless();
}

void cResourceManager::clearUseless()
{
    std::vector<iResource*> useless;
    for (const auto& entry : m_cache)
        if (entry.second->getRefCount() < 1)
            useless.push_back(entry.second);
    for (iResource* orphan : m_orphans)
        if (orphan->getRefCount() < 1)
            useless.push_back(orphan);
    for (iResource* resource : useless)
        delete resource;
}
