#include "Ui/controls/State.h"

#include "Ui/views/ResourceHold.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "graphics/meshes/Animation.h"
#include "graphics/sprites/Texture.h"

#include <cstdint>

namespace {

// A counted reference that is given back unless it is kept.
struct sTaken {
    iResource* resource = nullptr;
    ~sTaken()
    {
        if (resource)
            resource->release();
    }
    iResource* keep()
    {
        iResource* kept = resource;
        resource = nullptr;
        return kept;
    }
};

[[noreturn]] void refuse(iXML* _xml, const char* _attribute, const char* _rule)
{
    String where = _xml->getDocumentName();
    throw String("Attribute \"") + _attribute + "\"" + (where.empty() ? String() : " in " + where) + " " +
        _rule + ".";
}

} // namespace

cState::cState(const cState& _source)
    : m_frames_count(_source.m_frames_count), m_anim_length(_source.m_anim_length), m_anim_loop(_source.m_anim_loop),
      m_anim_columns(_source.m_anim_columns), m_anim_rows(_source.m_anim_rows),
      m_PlayAnimation(_source.m_PlayAnimation)
{
    hold(m_picture, _source.m_picture);
    pictureChanged();
    hold(m_animation, _source.m_animation);
    hold(m_mesh, _source.m_mesh);
}

cState& cState::operator=(const cState& _source)
{
    if (this == &_source)
        return *this;
    if (m_picture != _source.m_picture) {
        hold(m_picture, _source.m_picture);
        pictureChanged();
    }
    if (m_animation != _source.m_animation)
        hold(m_animation, _source.m_animation);
    if (m_mesh != _source.m_mesh)
        hold(m_mesh, _source.m_mesh);
    m_anim_columns = _source.m_anim_columns;
    m_anim_rows = _source.m_anim_rows;
    m_frames_count = _source.m_frames_count;
    m_anim_length = _source.m_anim_length;
    m_anim_loop = _source.m_anim_loop;
    return *this;
}

cState::~cState() noexcept(false)
{
    hold(m_picture, nullptr);
    pictureChanged();
    hold(m_animation, nullptr);
    hold(m_mesh, nullptr);
}

void cState::hold(iResource*& _field, iResource* _resource)
{
    if (_resource)
        _resource->addRef();
    if (_field)
        _field->release();
    _field = _resource;
}

void cState::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    if (!_xml_doc)
        throw "No XML element to load the look from.";
    // Everything is read and checked before the look changes, so a refused element leaves
    // the look whole.
    Float length = m_anim_length;
    Bool play = m_PlayAnimation, loop = m_anim_loop;
    UInt frames = m_frames_count, columns = m_anim_columns, rows = m_anim_rows;
    readAttribute(_xml_doc, u"anim_length", length, &toFloat);
    readAttribute(_xml_doc, u"PlayAnimation", play, &toBool);
    readAttribute(_xml_doc, u"frames_count", frames, &toUInt);
    readAttribute(_xml_doc, u"anim_loop", loop, &toBool);
    readAttribute(_xml_doc, u"anim_columns", columns, &toUInt);
    readAttribute(_xml_doc, u"anim_rows", rows, &toUInt);
    if (!(length > 0))
        refuse(_xml_doc, "anim_length", "must be above 0");
    if (frames == 0)
        refuse(_xml_doc, "frames_count", "must be above 0");
    if (columns == 0)
        refuse(_xml_doc, "anim_columns", "must be above 0");
    if (rows == 0)
        refuse(_xml_doc, "anim_rows", "must be above 0");

    sTaken picture, mesh, animation;
    const String picturePath = toString((*_xml_doc)[u"Picture"]);
    const String meshPath = toString((*_xml_doc)[u"Mesh"]);
    const String animationPath = toString((*_xml_doc)[u"Animation"]);
    if (!picturePath.empty())
        picture.resource = requireResourceManager().getTexture(picturePath);
    if (!meshPath.empty())
        mesh.resource = requireResourceManager().getMesh(meshPath);
    if (!animationPath.empty())
        animation.resource = requireResourceManager().getAnimation(animationPath);
    // An animation gives its own length; one without length leaves the clock a range to run in.
    if (const auto* clip = dynamic_cast<const cAnimation*>(animation.resource))
        if (clip->getLength() > 0)
            length = clip->getLength();

    hold(m_picture, nullptr);
    hold(m_mesh, nullptr);
    hold(m_animation, nullptr);
    m_picture = picture.keep();
    pictureChanged();
    m_mesh = mesh.keep();
    m_animation = animation.keep();
    m_anim_length = length;
    m_PlayAnimation = play;
    m_anim_loop = loop;
    m_anim_columns = columns;
    m_anim_rows = rows;
    const std::uint64_t cells = std::uint64_t(columns) * rows;
    m_frames_count = frames > cells ? UInt(cells) : frames;
    GUARD_END("void cState::loadXML(iXML * _xml_doc)")
}

void cState::setPicture(const String& _path)
{
    holdByPath(m_picture, _path, &cResourceManager::getTexture);
    pictureChanged();
}

void cState::setMesh(const String& _path)
{
    holdByPath(m_mesh, _path, &cResourceManager::getMesh);
}

void cState::setAnimation(const String& _path)
{
    holdByPath(m_animation, _path, &cResourceManager::getAnimation);
}

void cState::pictureChanged()
{
    m_texture = dynamic_cast<cTexture*>(m_picture);
}

void cState::setFramesCount(UInt _count)
{
    if (_count == 0)
        throw "The frame count of a look must be above 0.";
    m_frames_count = _count;
}

void cState::setAnimLength(Float _length)
{
    if (!(_length > 0))
        throw "The animation length of a look must be above 0.";
    m_anim_length = _length;
}

void cState::setAnimGrid(UInt _columns, UInt _rows)
{
    if (_columns == 0 || _rows == 0)
        throw "The frame grid of a look needs at least one column and one row.";
    m_anim_columns = _columns;
    m_anim_rows = _rows;
}
