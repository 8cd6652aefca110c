#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

using cDevice = cRecordingRasterDevice;

// _frames frames of one clear and two draws of a small texture, each ended by a present.
void runFrames(iRasterDevice& _device, UInt _frames)
{
    const UInt pixel = 0xFFFFFFFF;
    const UInt texture = _device.createTexture(1, 1, &pixel);
    const sVertex vertices[3] = {};
    const UInt indices[3] = {0, 1, 2};
    sDrawState state;
    state.stages[0].texture = texture;
    for (UInt frame = 0; frame < _frames; ++frame) {
        _device.clear(sClear{});
        _device.draw(vertices, 3, indices, 3, state);
        _device.draw(vertices, 3, indices, 3, state);
        _device.present();
    }
    _device.clear(sClear{});
    _device.draw(vertices, 3, indices, 3, state);
    _device.releaseTexture(texture);
}

struct sHistoryCase {
    cDevice::eHistory history;
    size_t draws, calls, textures;
};

class RecordingHistory : public ::testing::TestWithParam<sHistoryCase> {};

TEST_P(RecordingHistory, KeepsWhatWasAskedForAndNoMore)
{
    cDevice device(GetParam().history);
    runFrames(device, 1000);
    EXPECT_EQ(device.draws().size(), GetParam().draws);
    EXPECT_EQ(device.calls().size(), GetParam().calls);
    EXPECT_EQ(device.textures().size(), GetParam().textures);
    EXPECT_EQ(device.presentCount(), 1000u);
}

INSTANTIATE_TEST_SUITE_P(Modes, RecordingHistory,
    ::testing::Values(sHistoryCase{cDevice::HISTORY_CURRENT_FRAME, 1, 2, 0},
                      sHistoryCase{cDevice::HISTORY_ALL, 2001, 4002, 1}));

// The game's own headless platform runs for as long as a replay lasts: it keeps one frame.
TEST(HeadlessPlatformDevice, KeepsOnlyTheCurrentFrame)
{
    cHeadlessPlatform platform;
    auto device = platform.createRasterDevice();
    runFrames(*device, 1000);
    auto& recording = dynamic_cast<cDevice&>(*device);
    EXPECT_EQ(recording.draws().size(), 1u);
    EXPECT_TRUE(recording.textures().empty());
}

// A released texture is gone either way: drawing with it is the renderer's fault.
TEST(RecordingHistory, DrawingWithAReleasedTextureFailsInBothModes)
{
    for (cDevice::eHistory history : {cDevice::HISTORY_CURRENT_FRAME, cDevice::HISTORY_ALL}) {
        cDevice device(history);
        const UInt pixel = 0;
        sDrawState state;
        state.stages[0].texture = device.createTexture(1, 1, &pixel);
        device.releaseTexture(state.stages[0].texture);
        const sVertex vertices[3] = {};
        const UInt indices[3] = {0, 1, 2};
        EXPECT_THROW(device.draw(vertices, 3, indices, 3, state), String) << history;
    }
}

} // namespace
