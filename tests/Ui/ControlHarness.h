#pragma once
#include "Ui/UI.h"
#include "engine/XML.h"
#include "graphics/GraphicsHarness.h"
#include "support/AnimationWriter.h"
#include "support/ImageFixtures.h"
#include "support/MeshWriter.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The colours of the 3 x 3 cells of "grid.png" (each cell 4 x 4 texels), row by row.
inline UInt gridCellColour(UInt _cell)
{
    static const UInt colours[9] = {0xFFE05050, 0xFF50E050, 0xFF5050E0, 0xFFE0E050, 0xFF50E0E0,
                                    0xFFE050E0, 0xFFF0A040, 0xFF40A0F0, 0xFFA0F040};
    return colours[_cell % 9];
}

// Controls over the renderer on the recording device, with a UI manager and a data folder
// holding "grid.png" (a 3 x 3 frame grid), "square.mesh" (a square of side 2 around its
// origin, facing the screen once turned to it) and "clip.anim" (an animation 2.5 s long).
// Views still registered at the end are deleted before the renderer and the cache go.
class cControlTest : public ::testing::Test {
protected:
    // _extra files join the others in the data folder.
    explicit cControlTest(const std::string& _graphics = "", const tDataFiles& _extra = {})
        : m_harness(_graphics, dataFiles(_extra))
    {
    }
    ~cControlTest() override { cUI::shutAfterAll(); }

    static tDataFiles dataFiles(tDataFiles _files)
    {
        sTestVertex corners[4];
        const float xy[4][2] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
        for (int i = 0; i < 4; ++i) {
            corners[i].position[0] = xy[i][0];
            corners[i].position[1] = xy[i][1];
            corners[i].normal[2] = 1;
        }
        _files.insert(_files.end(),
            {{"grid.png", makePng(makeImage(12, 12, [](UInt _x, UInt _y) { return gridCellColour(_y / 4 * 3 + _x / 4); }))},
                {"square.mesh", writeMeshFile(0x12, {corners[0], corners[1], corners[2], corners[3]}, {0, 1, 2, 2, 1, 3})},
                {"clip.anim", writeAnimationFile(2.5f, {sTestNode{}})}});
        return _files;
    }

    // A whole element, with its children, as the document "screen.xml" would hold it.
    static std::unique_ptr<cXML> parse(const std::string& _element)
    {
        const std::string bytes = makeXml16(_element);
        return std::make_unique<cXML>("screen.xml", bytes.data(), ULong(bytes.size()));
    }
    static std::unique_ptr<cXML> element(const std::string& _attributes)
    {
        return parse("<control " + _attributes + " />");
    }

    cGraphicsHarness m_harness;
    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
};
