#include "GraphicsHarness.h"
#include "engine/ResourceManager.h"
#include "graphics/Sprite.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <functional>


namespace {

struct sMissingFile {
    const char* what;
    std::function<iResource*(const String&)> get;
    const char* constructorLine;
};

TEST(ErrorStackLines, AMissingResourceFileFailsInItsConstructorsName)
{
    cGraphicsHarness h;
    cResourceManager* resources = cResourceManager::getInstance();
    const sMissingFile cases[] = {
        {"mesh", [&](const String& _path) { return resources->getMesh(_path); },
         "iMesh * iMesh::create(const String& name)\niResource* cResourceManager::getMesh(const String& _path)"},
        {"animation", [&](const String& _path) { return resources->getAnimation(_path); },
         "cAnimation::cAnimation(const String& name )\niResource* cResourceManager::getAnimation(const String& _path)"},
        {"font", [&](const String& _path) { return resources->getFont(_path); },
         "cFont::cFont(const String& res_name, const void* res_source, const ULong &source_size)\n"
         "iResource* cResourceManager::getFont(const String& _path)"},
    };
    for (const sMissingFile& c : cases) {
        const String stack = thrownText([&] { c.get("missing/file.bin"); });
        const String tail = String("\n") + c.constructorLine;
        ASSERT_GT(stack.size(), tail.size()) << c.what;
        EXPECT_EQ(stack.substr(stack.size() - tail.size()), tail) << c.what;
    }
}

TEST(ErrorStackLines, RenderingByAMissingPathNamesTheRenderOnce)
{
    cGraphicsHarness h;
    iGraphics::sSprite sprite;
    h.graphics().beginRender();
    const String stack = thrownText([&] { h.graphics().render(sprite, String("pictures/missing.png"), false); });
    const String line = "void cGraphics::render(const sSprite& _p, const String &_texture, Bool _overlay)";
    ASSERT_NE(stack.find(line), String::npos);
    EXPECT_EQ(stack.find(line), stack.rfind(line));
}

TEST(ErrorStackLines, GraphicsParametersFailInTheirOwnNames)
{
    cGraphicsHarness h;
    h.core().dropSettings();
    h.graphics().setNeedReset(true);
    const String reading = thrownText([&] { h.graphics().beginRender(); });
    EXPECT_NE(reading.find("void cGraphics::getGraphicsParameters()\n"), String::npos) << reading;
    EXPECT_NE(reading.find("void cGraphics::beginRender()"), String::npos) << reading;

    h.destroyGraphics();
    EXPECT_NE(readFileBytes("error.log").find("void cGraphics::saveGraphicsParameters()"), std::string::npos);
}

} // namespace
