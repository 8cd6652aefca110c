#include "engine/ErrorStack.h"
#include "engine/FatalError.h"

namespace {

int run()
{
    GUARD_BEGIN
    return 0;
    GUARD_END("Main")
}

} // namespace

int main()
{
    try {
        return run();
    } catch (const String& _stack) {
        reportFatalError(_stack);
    } catch (...) {
        reportFatalError(getErrorCallStack());
    }
    // A failure is never reported as success.
    return 1;
}
