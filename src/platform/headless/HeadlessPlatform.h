#pragma once
#include "platform/Platform.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"

// No window, GPU or sound card: tests script time and events through the concrete services.
class cHeadlessPlatform : public iPlatform {
public:
    const char* getName() const override { return "headless"; }
    iSystem& getSystem() override { return m_system; }
    iWindow& getWindow() override { return m_window; }

    cHeadlessSystem& getHeadlessSystem() { return m_system; }
    cHeadlessWindow& getHeadlessWindow() { return m_window; }

private:
    cHeadlessSystem m_system;
    cHeadlessWindow m_window;
};
