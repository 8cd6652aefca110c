#pragma once
#include "Game/Farm/FarmMoment.h"
#include "Ui/controls/Control.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "engine/logs/ErrorStack.h"

#include <cmath>
#include <list>

// A control that emits particles (each a control of its own, a child of the system) at a fixed
// frequency, and takes each away once the verification function says it is finished.
//
// Emission runs on an accumulator, so the number of particles a second does not depend on the
// frame rate: a long frame emits several at once. It emits a fixed count, for a fixed time, or
// without end; a stop only ends the emission, and the particles in the air finish their way.
template <class _Particle>
class cParticleSystemMy : public cControl {
public:
    using fVerify = Bool (*)(_Particle* _particle);

    enum eMode : Int {
        PM_COUNT = 0,
        PM_TIME = 1,
    };

    // A frequency that is not above zero is refused: it would emit without end in one frame.
    cParticleSystemMy(cView* _parent, UInt _userValue, fVerify _verify, Float _frequency)
        : cControl(_parent), m_userValue(_userValue), m_verify(_verify)
    {
        setFrequency(_frequency);
    }
    ~cParticleSystemMy() noexcept(false) override
    {
        for (_Particle* particle : m_particles)
            discard(particle, "cParticleSystemMy::~cParticleSystemMy()");
        m_particles.clear();
    }

    // The emission step, the removal of finished particles, and the end of a one-shot effect:
    // once its last particle is gone, the system goes too.
    void process() override
    {
        GUARD_BEGIN
        if (step(farm::frameTime()))
            discard(this, "cParticleSystemMy::process()");
        GUARD_END("void cParticleSystemMy::process()")
    }

    // Emits _count particles, then stops.
    void startCount(UInt _count)
    {
        m_mode = PM_COUNT;
        m_endless = false;
        m_countTarget = _count;
        m_emitted = 0;
        m_accumulator = m_interval;
        m_active = _count > 0;
    }
    // Emits for _duration seconds; 0 emits until stopped. The first particle comes at the
    // next step.
    void startTime(Float _duration)
    {
        m_mode = PM_TIME;
        m_endless = _duration == 0;
        m_duration = _duration;
        m_elapsed = 0;
        m_accumulator = m_interval;
        m_active = true;
    }
    void stop() { m_active = false; }
    void setActive(Bool _active) { m_active = _active; }

    void setFrequency(Float _frequency)
    {
        if (!(_frequency > 0) || !std::isfinite(_frequency))
            throw String("A particle effect needs a Frequency above zero.");
        m_interval = 1.0f / _frequency;
    }
    // "Frequency" of the effect's file, when it has one; a bad one is refused naming the file.
    void loadFrequency(iXML* _xml_doc)
    {
        Float frequency = 1.0f / m_interval;
        readXmlAttribute(_xml_doc, u"Frequency", frequency, &toFloat);
        try {
            setFrequency(frequency);
        } catch (const String& _error) {
            throw _xml_doc->getDocumentName() + ": " + _error;
        }
    }

    // Emits for _dt seconds of the accumulator and removes what is finished; true when that
    // removal emptied the list.
    Bool step(Float _dt)
    {
        if (m_active) {
            m_accumulator += _dt;
            if (m_endless)
                endlessProcess();
            else if (m_mode == PM_COUNT)
                countProcess();
            else
                timeProcess();
        }
        return removeFinished();
    }

    Bool isActive() const { return m_active; }
    Bool isEndless() const { return m_endless; }
    Int getMode() const { return m_mode; }
    Float getAccumulator() const { return m_accumulator; }
    Float getInterval() const { return m_interval; }
    Float getElapsed() const { return m_elapsed; }
    UInt getEmitted() const { return m_emitted; }
    UInt getSystemUserValue() const { return m_userValue; }
    const std::list<_Particle*>& getParticles() const { return m_particles; }

protected:
    // One new particle, or none.
    virtual _Particle* genFunc() = 0;

private:
    void countProcess()
    {
        while (m_accumulator >= m_interval) {
            _Particle* particle = genFunc();
            m_accumulator -= m_interval;
            if (!particle)
                continue;
            m_particles.push_back(particle);
            if (++m_emitted >= m_countTarget) {
                m_active = false;
                break;
            }
        }
    }
    void endlessProcess()
    {
        while (m_accumulator >= m_interval) {
            m_accumulator -= m_interval;
            if (_Particle* particle = genFunc())
                m_particles.push_back(particle);
        }
    }
    void timeProcess()
    {
        while (m_accumulator >= m_interval) {
            if (_Particle* particle = genFunc())
                m_particles.push_back(particle);
            m_accumulator -= m_interval;
            m_elapsed += m_interval;
            if (m_elapsed >= m_duration)
                m_active = false;
        }
    }
    Bool removeFinished()
    {
        if (!m_verify)
            throw "Not set destroy verification function.";
        if (m_particles.empty())
            return false;
        for (auto it = m_particles.begin(); it != m_particles.end();)
            if (m_verify(*it)) {
                discard(*it, "cParticleSystemMy::removeFinished()");
                it = m_particles.erase(it);
            } else {
                ++it;
            }
        return m_particles.empty();
    }

    Float m_accumulator = 0;
    UInt m_countTarget = 0;
    UInt m_emitted = 0;
    std::list<_Particle*> m_particles;
    Float m_interval = 1.0f;
    Float m_duration = 0;
    Float m_elapsed = 0;
    Bool m_active = false;
    Bool m_endless = false;
    UInt m_userValue;
    fVerify m_verify;
    Int m_mode = PM_COUNT;
};
