#include "graphics/GraphicsMakers.h"

#include "engine/ResourceManager.h"
#include "graphics/Animation.h"
#include "graphics/WholeFile.h"
#include "graphics/Font.h"
#include "graphics/Mesh.h"
#include "graphics/Shader.h"
#include "graphics/Texture.h"

namespace {

iResource* makeMesh(const String& _path)
{
    const std::vector<char> bytes = readWholeFile(_path);
    return iMesh::create(_path, bytes.data(), ULong(bytes.size()));
}

iResource* makeAnimation(const String& _path)
{
    const std::vector<char> bytes = readWholeFile(_path);
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
