#include "ControlHarness.h"
#include "Ui/Letter.h"

namespace {

using Letter = cControlTest;

TEST_F(Letter, DrawsItsGlyphUnturnedInItsColourUnderTheTextsFade)
{
    cView text(nullptr);
    text.show();
    text.setAlpha(0.25f);
    cLetter letter(&text);
    letter.setPosition(Vector2(20, 30));
    letter.setSize(Vector2(8, 12));
    letter.setAngle(45);
    letter.setLetterColor(0x80FF0000);
    letter.setTextureRect(0.5f, 0.25f, 0.75f, 0.5f);
    const iGraphics::sSprite& sprite = letter.getSprite();
    const Float corners[4][2] = {{16, 24}, {24, 24}, {16, 36}, {24, 36}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(sprite.corners[i].x, corners[i][0]);
        EXPECT_FLOAT_EQ(sprite.corners[i].y, corners[i][1]);
        // Red from the letter, alpha from the text's fade alone: its own 0x80 is not used.
        EXPECT_EQ(sprite.corners[i].color, 0x40FF0000u);
    }
    EXPECT_EQ(sprite.left, 0.5f);
    EXPECT_EQ(sprite.bottom, 0.5f);
    // The same colour or rectangle again needs no rebuild.
    letter.setLetterColor(0x80FF0000);
    letter.setTextureRect(0.5f, 0.25f, 0.75f, 0.5f);
    EXPECT_FALSE(letter.isTransformDirty());
    letter.setTextureRect(0.5f, 0.25f, 0.75f, 0.25f);
    EXPECT_TRUE(letter.isTransformDirty());
}

} // namespace
