#pragma once
#include "support/ImageFixtures.h"
#include "support/TestData.h"
#include "support/Xml16.h"

#include <string>

// The award files of a small wall: _count awards, award i growing in from (100, 500) at 80 x 80
// to the panel at (400, 300), its button 40 x 40 at (60 + 30 i, 100) with a lit and a greyed
// picture; the description, panel text and congratulation name the award's number.
inline std::string awardsXml(unsigned _count)
{
    std::string xml = "<Awards Visible=\"1\" Enable=\"1\" Sound=\"sounds/award.wav\">"
                      "<ReturnButton Visible=\"1\" Enable=\"1\" position=\"400 560\" size=\"100 40\"/>"
                      "<CaptionText Visible=\"1\" Enable=\"1\" String=\"Awards\" Localized=\"0\"/><Awards>";
    for (unsigned i = 0; i < _count; ++i) {
        const std::string n = std::to_string(i);
        xml += "<Award DescText=\"about " + n + "\" PanelText=\"won " + n + "\" Congratulation=\"well done " + n +
               "\" PositionPanel=\"400 300\" MoveSpeed=\"500\" AppearScaleSpeed=\"2.5\" HoveringScale=\"1.5\" "
               "HoveringScaleSpeed=\"5\"><Effect Visible=\"0\" Enable=\"1\" Picture=\"on.png\" position=\"100 500\" "
               "size=\"80 80\" deep=\"900\" anim_length=\"0.3\" anim_loop=\"0\"/><Button Visible=\"1\" Enable=\"1\" "
               "Picture=\"on.png\" texture_disabled=\"off.png\" position=\"" + std::to_string(60 + 30 * i) +
               " 100\" size=\"40 40\" deep=\"300\"/></Award>";
    }
    return makeXml16(xml + "</Awards></Awards>");
}

inline std::string awardPicture(unsigned _argb)
{
    return makePng(makeImage(8, 8, [_argb](unsigned, unsigned) { return _argb; }));
}

// The wall, the panel, the tip with a picture for each corner, and the two sounds.
inline tDataFiles awardFiles(unsigned _count = 21)
{
    return {{"UI/Awards.xml", awardsXml(_count)},
        {"UI/AwardPanel.xml",
         makeXml16("<AwardPanel Visible=\"0\" Enable=\"1\" AwardPicPosition=\"400 260\" Sound=\"sounds/panel.wav\" "
                   "position=\"400 300\" size=\"300 200\" deep=\"800\"><OkButton Visible=\"1\" Enable=\"1\" "
                   "position=\"0 80\" size=\"100 40\"/><Text Visible=\"1\" Enable=\"1\" Localized=\"0\"/>"
                   "<CongratulationText Visible=\"1\" Enable=\"1\" Localized=\"0\"/></AwardPanel>")},
        {"UI/AwardTip.xml",
         makeXml16("<AwardTip><Text Visible=\"1\" Enable=\"1\" Localized=\"0\"/><Podlogka Visible=\"1\" Enable=\"1\" "
                   "size=\"200 100\" Offset=\"10 20\" deep=\"950\"><UpLeftImage Picture=\"ul.png\"/>"
                   "<UpRightImage Picture=\"ur.png\"/><DownLeftImage Picture=\"dl.png\"/>"
                   "<DownRightImage Picture=\"dr.png\"/></Podlogka></AwardTip>")},
        {"sounds/award.wav", "fanfare"}, {"sounds/panel.wav", "cheer"}, {"on.png", awardPicture(0xFFFFD040)},
        {"off.png", awardPicture(0xFF808080)}, {"ul.png", awardPicture(0xFF000001)},
        {"ur.png", awardPicture(0xFF000002)}, {"dl.png", awardPicture(0xFF000003)},
        {"dr.png", awardPicture(0xFF000004)}};
}
