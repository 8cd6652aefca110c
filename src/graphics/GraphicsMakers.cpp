#include "graphics/GraphicsMakers.h"

#include "engine/logs/ErrorStack.h"
#include "engine/resources/ResourceManager.h"
#include "graphics/meshes/Animation.h"
#include "graphics/WholeFile.h"
#include "graphics/sprites/Font.h"
#include "graphics/meshes/Mesh.h"
#include "graphics/shaders/Shader.h"
#include "graphics/sprites/Texture.h"

namespace {

// A file that cannot be read fails in the maker's own name, as a failed parse does.
std::vector<char> readSource(const String& _path, const char* _signature)
{
    GUARD_BEGIN
    return readWholeFile(_path);
    GUARD_END(_signature)
}

iResource* makeMesh(const String& _path)
{
    const std::vector<char> bytes = readSource(_path, "iMesh * iMesh::create(const String& name)");
    return iMesh::create(_path, bytes.data(), ULong(bytes.size()));
}

iResource* makeAnimation(const String& _path)
{
    const std::vector<char> bytes = readSource(_path, "cAnimation::cAnimation(const String& name )");
    return new cAnimation(_path, bytes.data(), ULong(bytes.size()));
}

} // namespace

void registerGraphicsMakers()
{
    cResourceManager::registerMaker(RT_TEXTURE, cTexture::make);
    cResourceManager::registerMaker(RT_SHADER, cShader::make);
    cResourceManager::registerMaker(RT_MESH, makeMesh);
    cResourceManager::registerMaker(RT_ANIMATION, makeAnimation);
    registerFontMaker();
}
