#pragma once
#include "engine/files/FileManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "support/TestData.h"
#include "support/Xml16.h"

#include <memory>
#include <string>

// The first three managers the engine builds, over a test data folder, torn down in the
// engine's order (settings first, which saves).
class cEngineCore {
public:
    explicit cEngineCore(const cTestData& _data, bool _withSettings = true)
    {
        m_files = std::make_unique<cFileManager>(_data.root(), "pack");
        m_resources = std::make_unique<cResourceManager>();
        if (_withSettings)
            m_settings = std::make_unique<cSettings>();
    }
    ~cEngineCore()
    {
        m_settings.reset();
        m_resources.reset();
        m_files.reset();
    }
    void dropSettings() { m_settings.reset(); }
    cSettings& settings() { return *m_settings; }

private:
    std::unique_ptr<cFileManager> m_files;
    std::unique_ptr<cResourceManager> m_resources;
    std::unique_ptr<cSettings> m_settings;
};
