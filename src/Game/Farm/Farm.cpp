#include "Game/Farm/Farm.h"

#include "Game/Farm/ActionArea.h"
#include "engine/ErrorStack.h"

cFarm::cFarm(cView* _parent) : cMovableBack(_parent)
{
    GUARD_BEGIN
    loadScreenLook(*this, "UI/gameUI/farm.xml");
    GUARD_END("cFarm::cFarm(cView* _parent)")
}

cFarm::~cFarm()
{
    // The ground's areas go with the view tree after this: they must find no farm to tell.
    releaseInstance();
    m_areas.clear();
}
