#include "platform/system/StopSignal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t s_stopRequested = 0;

extern "C" void onStopSignal(int)
{
    s_stopRequested = 1;
}

} // namespace

namespace platform {

void watchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

Bool takeStopSignal()
{
    if (!s_stopRequested)
        return false;
    s_stopRequested = 0;
    return true;
}

} // namespace platform
