#pragma once
#include "engine/resources/Resource.h"
#include "engine/Singleton.h"

#include <map>
#include <set>
#include <vector>

class iXML;

// The cache that hands out resources by path, so one file is loaded once however many
// screens use it. Keys are lower-cased paths. Resources are counted but never deleted by
// their count: clearUseless (at each loading screen) deletes those no longer counted.
class cResourceManager : public cSingleton<cResourceManager> {
public:
    // Makes a resource of one type from its lower-cased path; throws on failure. The
    // subsystems that own a type (textures, fonts, sounds, meshes, animations, shaders)
    // register their maker; XML documents are built in.
    using fMaker = iResource* (*)(const String& _path);
    static void registerMaker(UInt _type, fMaker _maker);

    cResourceManager();
    // Deletes everything it holds, whatever the counts.
    ~cResourceManager() override;

    iResource* getTexture(const String& _path);
    iResource* getFont(const String& _path);
    iResource* getSound(const String& _path);
    iResource* getMesh(const String& _path);
    iResource* getAnimation(const String& _path);
    iResource* getShader(const String& _path);
    iXML* getXML(const String& _path);

    // Forgets the cached object of this (lower-cased) path: the next get loads it again.
    // Its holders keep a working object, which the cache deletes once it is no longer counted.
    void releaseResource(const String& _path);
    // Forgets a resource that is being deleted.
    void releaseResource(iResource* _resource);

    void preResetGraphics();
    void restoreGraphics();
    // Reloads every texture.
    void refresh();
    const String& getResourceName(const iResource* _resource) const;

    // Writes the list of everything cached, for a loading screen to preload later.
    void resourcesToLog(const String& _path);
    // Preloads the log entries [_first, _last) and leaves them uncounted until first use. An
    // entry that does not load is logged and passed over.
    void logToResources(iXML* _log, UInt _first, UInt _last);

    void clear();
    void clearUseless();

private:
    iResource* get(const String& _path, UInt _type);
    void preload(const String& _path, Int _type);
    // The path of a log entry, as the cache keys it.
    static String logPath(const WString& _logged);
    void forget(iResource* _resource);
    static void onResourceDeleted(iResource* _resource);

    std::map<String, iResource*> m_cache;
    std::map<const iResource*, String> m_names;
    std::set<iResource*> m_deviceSet;
    // Forgotten by path but possibly still held: deleted once uncounted, at the latest with the cache.
    std::vector<iResource*> m_orphans;
};
