#include "platform/headless/HeadlessSystem.h"

void cHeadlessSystem::sleep(UInt _milliseconds)
{
    m_ticks += _milliseconds;
    m_slept += _milliseconds;
}

void cHeadlessSystem::showFatalMessage(const String& _title, const String& _text)
{
    // Nobody is there to press a button; the report is already on stderr.
    m_fatalTitle = _title;
    m_fatalText = _text;
}
