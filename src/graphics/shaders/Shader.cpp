#include "graphics/shaders/Shader.h"

#include "engine/logs/ErrorStack.h"
#include "graphics/WholeFile.h"

iResource* cShader::make(const String& _path)
{
    return new cShader(_path);
}

cShader::cShader(const String& _name) : cResource(_name)
{
    GUARD_BEGIN
    m_bytes = readWholeFile(_name);
    update();
    GUARD_END("cShader::cShader(const String& _name )")
}

cShader::~cShader()
{
    preUpdate();
}

void cShader::preUpdate()
{
    if (m_handle && iGraphicsResources::exists())
        iGraphicsResources::getInstance()->releaseResource(m_handle);
    m_handle = 0;
}

void cShader::update()
{
    if (m_handle == 0 && iGraphicsResources::exists())
        iGraphicsResources::getInstance()->getResource(m_bytes.data(), ULong(m_bytes.size()), m_handle);
}
