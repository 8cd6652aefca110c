#include "platform/Platform.h"

namespace platform {

void showFatalMessage(const String& _title, const String& _text)
{
    if (iPlatform* backend = iPlatform::getInstance())
        backend->getSystem().showFatalMessage(_title, _text);
}

} // namespace platform
