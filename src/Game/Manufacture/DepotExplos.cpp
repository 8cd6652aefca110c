#include "Game/Manufacture/DepotExplos.h"

#include "Ui/views/Scavenger.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"

namespace {

const char* const EXPLOS_XML = "manufacture/depotExplos.xml";

} // namespace

cDepotExplos::cDepotExplos(const Vector2& _position, cView* _parent) : cPicture(_parent)
{
    GUARD_BEGIN
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(EXPLOS_XML))
        loadViewFile(this, EXPLOS_XML);
    setPosition(_position);
    // A cloud that cannot play would stay for ever.
    if (!getPlayAnimation() || getAnimLoop())
        discard(this, "cDepotExplos::cDepotExplos");
    GUARD_END("cDepotExplos::cDepotExplos(const Vector2& _position, cView* _parent)")
}

void cDepotExplos::onAnimationEnd()
{
    discard(this, "void cDepotExplos::onAnimationEnd()");
}

void cDepotExplos::disabled()
{
    GUARD_BEGIN
    cPicture::disabled();
    discard(this, "void cDepotExplos::disabled()");
    GUARD_END("void cDepotExplos::disabled()")
}
