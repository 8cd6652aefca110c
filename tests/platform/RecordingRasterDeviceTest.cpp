#include "platform/headless/RecordingRasterDevice.h"

#include <gtest/gtest.h>

namespace {

const sVertex QUAD[4] = {{0, 0}, {10, 0}, {0, 10}, {10, 10}};
const UInt QUAD_INDICES[6] = {0, 2, 1, 1, 2, 3};

} // namespace

TEST(RecordingDevice, KeepsEveryTextureWithItsPixels)
{
    cRecordingRasterDevice device;
    const UInt pixels[2] = {0xFF112233, 0x80445566};
    const UInt first = device.createTexture(2, 1, pixels);
    const UInt second = device.createTexture(1, 1, pixels);
    EXPECT_NE(first, second);
    EXPECT_EQ((std::vector<UInt>{0xFF112233, 0x80445566}), device.textures().at(first).pixels);
    device.releaseTexture(first);
    EXPECT_TRUE(device.textures().at(first).released);
    EXPECT_NE(first, device.createTexture(1, 1, pixels)) << "ids are never reused";
}

TEST(RecordingDevice, DrawsAreCopiedWithTheirStateInCallOrder)
{
    cRecordingRasterDevice device;
    sVertex vertices[4];
    std::copy(QUAD, QUAD + 4, vertices);
    sDrawState state;
    state.stencil = STENCIL_WRITE;
    device.clear(sClear());
    device.draw(vertices, 4, QUAD_INDICES, 6, state);
    vertices[0].x = 99;
    device.present();

    ASSERT_EQ(1u, device.draws().size());
    const auto& draw = device.draws()[0];
    EXPECT_EQ(0.0f, draw.vertices[0].x);
    EXPECT_EQ((std::vector<UInt>(QUAD_INDICES, QUAD_INDICES + 6)), draw.indices);
    EXPECT_EQ(state, draw.state);
    using C = cRecordingRasterDevice;
    EXPECT_EQ((std::vector<C::eCall>{C::CALL_CLEAR, C::CALL_DRAW, C::CALL_PRESENT}), device.calls());
}

TEST(RecordingDevice, RejectsIndicesPastTheVerticesAndReleasedTextures)
{
    cRecordingRasterDevice device;
    const UInt indices[3] = {0, 1, 4};
    EXPECT_THROW(device.draw(QUAD, 4, indices, 3, sDrawState()), String);
    const UInt pixel = 0;
    sDrawState state;
    state.stages[0].texture = device.createTexture(1, 1, &pixel);
    device.releaseTexture(state.stages[0].texture);
    EXPECT_THROW(device.draw(QUAD, 4, QUAD_INDICES, 6, state), String);
}

TEST(RecordingDevice, LostDeviceDropsFramesUntilResetAndTexturesSurvive)
{
    cRecordingRasterDevice device;
    const UInt pixel = 0xFFFFFFFF;
    sDrawState textured;
    textured.stages[0].texture = device.createTexture(1, 1, &pixel);
    device.simulateLoss(2);
    device.draw(QUAD, 4, QUAD_INDICES, 6, sDrawState());
    EXPECT_FALSE(device.present());
    EXPECT_EQ(DEVICE_LOST, device.getDeviceState());
    EXPECT_THROW(device.reset(), String);
    EXPECT_EQ(DEVICE_LOST, device.getDeviceState());
    EXPECT_EQ(DEVICE_NOT_RESET, device.getDeviceState());
    device.reset();
    EXPECT_EQ(DEVICE_OK, device.getDeviceState());
    EXPECT_TRUE(device.present());
    EXPECT_TRUE(device.draws().empty());
    EXPECT_EQ(1u, device.presentCount());
    device.draw(QUAD, 4, QUAD_INDICES, 6, textured);
    EXPECT_EQ(1u, device.draws().size());
}
