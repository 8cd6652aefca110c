#pragma once
#include "graphics/Graphics.h"

// A renderer that draws nothing: it answers with the logical screen's geometry and counts
// what it is asked, so the frame driver can run before there is anything to show.
class cNullGraphics : public iGraphics {
public:
    explicit cNullGraphics(iWindow* _window) : m_window(_window) {}

    void beginRender() override;
    void endRender() override;
    Int getHeight() override { return 600; }
    Int getWidth() override { return 800; }
    void setNeedReset(Bool _need) override { m_needReset = _need; }
    Bool getNeedReset() override { return m_needReset; }
    UInt getReserveSpriteCount() override { return m_reserve; }
    void resizeBuffers(UInt _count) override { m_reserve = _count; }
    void screenshot() override { ++m_screenshots; }
    void render(const sUnit&) override {}
    void render(const sSprite&, cTexture*, ULong) override {}
    void render(const sSprite&, const String&, Bool) override {}
    void textOut(const WString&) override {}
    sPixelRect getWindowRect() override;
    void showTriangles(Bool) override {}
    tSharedMask getSharedMask(const String&) override { return std::make_shared<const VECTOR_VECTOR_BOOL>(); }
    Vector2 screenToLogical(const Vector2& _point) override { return _point; }
    iWindow* getWindow() override { return m_window; }

    UInt getFrameCount() const { return m_frames; }
    UInt getScreenshotCount() const { return m_screenshots; }
    UInt getResetCount() const { return m_resets; }

private:
    iWindow* m_window;
    Bool m_needReset = false;
    Bool m_frameOpen = false;
    UInt m_reserve = 1024;
    UInt m_frames = 0;
    UInt m_screenshots = 0;
    UInt m_resets = 0;
};
