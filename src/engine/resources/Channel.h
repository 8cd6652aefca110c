#pragma once
#include "engine/Types.h"

class iResource;

// A sound channel the caller owns: it can be paused and played again, and deleting it stops
// it. It keeps its sound loaded by holding one reference to it.
class cChannel {
public:
    // _id is the library's answer to a play; a negative one is refused before anything is held.
    cChannel(int _id, iResource* _sound);
    virtual ~cChannel();
    cChannel(const cChannel&) = delete;
    cChannel& operator=(const cChannel&) = delete;

    void pause();
    // Resumes a paused channel and starts one that was only prepared.
    void play();

    int getId() const { return m_id; }
    // 1 effects, 2 music; 0 until the manager says.
    Int getGroup() const { return m_group; }
    void setGroup(Int _group) { m_group = _group; }

private:
    int m_id;
    iResource* m_sound;
    Int m_group = 0;
};
