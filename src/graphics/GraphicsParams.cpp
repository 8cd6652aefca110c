#include "graphics/GraphicsParams.h"

#include "engine/settings/Settings.h"
#include "engine/text/ValueConvert.h"

namespace {

const char* const GRAPHICS = "graphics";
const char* const LIGHTS = "lights";
// A damaged count must not allocate without bound; no device lights more than a few.
const UInt MAX_LIGHTS = 256;

String lightKey(UInt _index, const char* _field)
{
    return "light_" + std::to_string(_index) + "_" + _field;
}

// One table drives both directions, in the order the keys are read and written.
struct sLightFloat {
    const char* name;
    Float sLight::*member;
};
const sLightFloat LIGHT_FLOATS[] = {
    {"range", &sLight::range},         {"falloff", &sLight::falloff},
    {"attenuation0", &sLight::attenuation0}, {"attenuation1", &sLight::attenuation1},
    {"attenuation2", &sLight::attenuation2}, {"theta", &sLight::theta},
    {"phi", &sLight::phi},
};

// Names every key of one light once, for reading and for writing alike.
template <class tLight, class tVisit>
void forEachLightKey(UInt _index, tLight& _light, tVisit _visit)
{
    _visit(lightKey(_index, "type"), _light.type);
    _visit(lightKey(_index, "diffuse"), _light.diffuse);
    _visit(lightKey(_index, "specular"), _light.specular);
    _visit(lightKey(_index, "ambient"), _light.ambient);
    _visit(lightKey(_index, "position"), _light.position);
    _visit(lightKey(_index, "direction"), _light.direction);
    for (const sLightFloat& field : LIGHT_FLOATS)
        _visit(lightKey(_index, field.name), _light.*field.member);
}

void readLight(cSettings& _settings, UInt _index, sLight& _light)
{
    forEachLightKey(_index, _light,
        [&](const String& _key, auto& _value) { _settings.getPropertyT(LIGHTS, _key, _value); });
}

void saveLight(cSettings& _settings, UInt _index, const sLight& _light)
{
    forEachLightKey(_index, _light,
        [&](const String& _key, const auto& _value) { _settings.setPropertyT(LIGHTS, _key, _value); });
}

} // namespace

void sGraphicsParams::read(cSettings& _settings)
{
    // A screen without area would divide by zero in the full-screen scale.
    Int size = width;
    if (_settings.getPropertyT(GRAPHICS, "width", size) && size > 0)
        width = size;
    size = height;
    if (_settings.getPropertyT(GRAPHICS, "height", size) && size > 0)
        height = size;
    _settings.getPropertyT(GRAPHICS, "fullscreen", fullscreen);
    _settings.getPropertyT(GRAPHICS, "reserve_sprite_count", reserveSpriteCount);
    _settings.getPropertyT(GRAPHICS, "show_triangles", showTriangles);
    _settings.getPropertyT(GRAPHICS, "show_fps", showFps);
    DXColor color;
    colorFromARGB(color, backColor);
    _settings.getPropertyT(GRAPHICS, "back_color", color);
    backColor = colorToARGB(color);

    UInt count = 0;
    _settings.getPropertyT(LIGHTS, "count", count);
    lights.resize(count < MAX_LIGHTS ? count : MAX_LIGHTS);
    for (UInt i = 0; i < lights.size(); ++i)
        readLight(_settings, i, lights[i]);
}

void sGraphicsParams::save(cSettings& _settings) const
{
    DXColor color;
    colorFromARGB(color, backColor);
    _settings.setPropertyT(GRAPHICS, "back_color", color);
    _settings.setPropertyT(GRAPHICS, "width", width);
    _settings.setPropertyT(GRAPHICS, "height", height);
    _settings.setPropertyT(GRAPHICS, "fullscreen", fullscreen);
    _settings.setPropertyT(GRAPHICS, "reserve_sprite_count", reserveSpriteCount);
    _settings.setPropertyT(GRAPHICS, "show_triangles", showTriangles);
    _settings.setPropertyT(GRAPHICS, "show_fps", showFps);
    _settings.setPropertyT(LIGHTS, "count", UInt(lights.size()));
    for (UInt i = 0; i < lights.size(); ++i)
        saveLight(_settings, i, lights[i]);
}
