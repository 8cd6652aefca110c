#include "Game/Farm/Water/WaterEffect.h"

#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"

cWaterEffect::cWaterEffect(cView* _parent)
    : cParticleSystemMy<cWaterParticle>(_parent, 0, &cWaterEffect::isFinished, DEFAULT_FREQUENCY),
      m_prototype(new cWaterParticle(this))
{
    m_prototype->absoluteDisable();
    m_prototype->disable();
    m_prototype->hide();
}

void cWaterEffect::loadFrom(const String& _path)
{
    GUARD_BEGIN
    loadViewFile(this, _path);
    // The prototype reads the effect's own keys, its Visible and Enable among them.
    m_prototype->hide();
    m_prototype->disable();
    m_prototype->absoluteDisable();
    show();
    enable();
    absoluteEnable();
    GUARD_END("void cWaterEffect::loadFrom(const String& _path)")
}

void cWaterEffect::absoluteProcess()
{
    GUARD_BEGIN
    step(farm::frameTime());
    GUARD_END("void cWaterEffect::absoluteProcess()")
}

cWaterParticle* cWaterEffect::makeDrop(const Vector2& _position) const
{
    auto* drop = new cWaterParticle(*m_prototype);
    drop->setPosition(_position);
    drop->show();
    drop->enable();
    drop->absoluteEnable();
    return drop;
}
