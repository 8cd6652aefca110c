#pragma once
#include "platform/devices/RasterDevice.h"

#include <map>
#include <vector>

// A raster device without a screen: it keeps what it is asked to do, so tests assert on
// textures, clears, draws and presents. It can also play a lost device.
class cRecordingRasterDevice : public iRasterDevice {
public:
    enum eCall : UInt { CALL_CLEAR, CALL_DRAW, CALL_PRESENT, CALL_RESET };
    // A game runs headless for hours, so by default a present forgets the frame it ends and a
    // released texture its pixels; a test that looks back over several frames keeps them all.
    enum eHistory : UInt { HISTORY_CURRENT_FRAME, HISTORY_ALL };

    struct sTexture {
        UInt width = 0, height = 0;
        std::vector<UInt> pixels;
        Bool released = false;
    };
    struct sDraw {
        std::vector<sVertex> vertices;
        std::vector<UInt> indices;
        sDrawState state;
        UInt frame = 0; // presents before this draw
    };

    explicit cRecordingRasterDevice(eHistory _history = HISTORY_CURRENT_FRAME, UInt _width = 800, UInt _height = 600);

    UInt createTexture(UInt _width, UInt _height, const UInt* _argb) override;
    void releaseTexture(UInt _texture) override;
    void clear(const sClear& _clear) override;
    void draw(const sVertex* _vertices, UInt _count, const UInt* _indices, UInt _indexCount,
              const sDrawState& _state) override;
    Bool present() override;
    void setMode(eDisplayMode _mode, UInt _width, UInt _height) override;
    void setPresentSync(Bool _sync) override { m_presentSync = _sync; }
    UInt getWidth() const override { return m_width; }
    UInt getHeight() const override { return m_height; }
    // Every pixel in the colour of the last clear: nothing is rasterised here.
    std::vector<UInt> readPixels(const sDeviceRect& _rect) override;
    eDeviceState getDeviceState() override;
    void reset() override;

    // From now on the device is lost: presents fail and draws vanish. getDeviceState answers
    // DEVICE_LOST _polls times, then DEVICE_NOT_RESET until reset().
    void simulateLoss(UInt _polls);

    // Forgets the calls (not the textures or shaders), as between two frames of a test.
    void forgetCalls();

    const std::map<UInt, sTexture>& textures() const { return m_textures; }
    const std::vector<sClear>& clears() const { return m_clears; }
    const std::vector<sDraw>& draws() const { return m_draws; }
    const std::vector<eCall>& calls() const { return m_calls; }
    UInt presentCount() const { return m_presents; }
    eDisplayMode mode() const { return m_mode; }
    Bool presentSync() const { return m_presentSync; }

private:
    eHistory m_history;
    UInt m_width, m_height;
    eDisplayMode m_mode = DISPLAY_WINDOWED;
    Bool m_presentSync = false;
    UInt m_nextTexture = 1;
    std::map<UInt, sTexture> m_textures;
    std::vector<sClear> m_clears;
    std::vector<sDraw> m_draws;
    std::vector<sDraw> m_spareDraws;
    std::vector<eCall> m_calls;
    UInt m_presents = 0;
    UInt m_lastClearColour = 0xFF000000;
    eDeviceState m_state = DEVICE_OK;
    UInt m_lostPolls = 0;
};
