#include "Ui/views/ResourceHold.h"

#include "engine/resources/ResourceManager.h"

cResourceManager& requireResourceManager()
{
    cResourceManager* manager = cResourceManager::getInstance();
    if (!manager)
        throw "Resource manager not created.";
    return *manager;
}

void holdByPath(iResource*& _field, const String& _path, iResource* (cResourceManager::*_get)(const String&))
{
    iResource* taken = _path.empty() ? nullptr : (requireResourceManager().*_get)(_path);
    if (_field)
        _field->release();
    _field = taken;
}
