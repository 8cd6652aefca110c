#pragma once
#include "engine/Types.h"

class iResource;
class iXML;
class cTexture;

// A look: a picture, or a mesh with an optional skeletal animation, and the frame animation
// laid out as a grid of cells in the picture. The three resources are counted references.
// The grid numbers are never zero and the length is always above zero, so nothing that
// divides by them needs to check again.
class cState {
public:
    cState() = default;
    // Takes references of its own, PlayAnimation included.
    cState(const cState& _source);
    // Takes the source's resources and grid, but keeps playing or not as before.
    cState& operator=(const cState& _source);
    // May throw like the view destructors it is deleted with, though releasing never does.
    virtual ~cState() noexcept(false);

    // Reads "Picture", "Mesh", "Animation" (a missing path clears the resource), "anim_length"
    // (an animation's own length wins), "PlayAnimation", "frames_count", "anim_loop",
    // "anim_columns" and "anim_rows"; frames_count is cut to the cells the grid holds.
    // A zero count or a length not above zero is refused with the attribute and file named,
    // leaving the look as it was.
    virtual void loadXML(iXML* _xml_doc);

    // An empty path leaves the look without that resource.
    void setPicture(const String& _path);
    void setMesh(const String& _path);
    void setAnimation(const String& _path);
    // Takes a reference of its own on _picture (may be null) and gives the old one back.
    void setPictureResource(iResource* _picture)
    {
        hold(m_picture, _picture);
        pictureChanged();
    }

    iResource* getPicture() const { return m_picture; }
    // The picture as a texture, or null without one.
    cTexture* getTexture() const { return m_texture; }
    iResource* getMesh() const { return m_mesh; }
    iResource* getAnimationResource() const { return m_animation; }

    UInt getFramesCount() const { return m_frames_count; }
    Float getAnimLength() const { return m_anim_length; }
    Bool getAnimLoop() const { return m_anim_loop; }
    UInt getAnimColumns() const { return m_anim_columns; }
    UInt getAnimRows() const { return m_anim_rows; }
    Bool getPlayAnimation() const { return m_PlayAnimation; }

    // Each throws on a zero count or a length not above zero, and then changes nothing.
    void setFramesCount(UInt _count);
    void setAnimLength(Float _length);
    void setAnimGrid(UInt _columns, UInt _rows);
    void setAnimLoop(Bool _loop) { m_anim_loop = _loop; }
    void setPlayAnimation(Bool _play) { m_PlayAnimation = _play; }

private:
    static void hold(iResource*& _field, iResource* _resource);
    // Every change of m_picture ends here: the draw pass reads the texture of every control
    // each frame, too often to cast the picture each time.
    void pictureChanged();

    iResource* m_picture = nullptr;
    cTexture* m_texture = nullptr;
    UInt m_frames_count = 1;
    Float m_anim_length = 1.0f;
    Bool m_anim_loop = true;
    UInt m_anim_columns = 1;
    UInt m_anim_rows = 1;
    Bool m_PlayAnimation = false;
    iResource* m_animation = nullptr;
    iResource* m_mesh = nullptr;
};
