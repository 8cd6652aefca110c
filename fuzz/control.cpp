#include "FuzzDocument.h"
#include "FuzzWorld.h"
#include "Ui/controls/Picture.h"
#include "engine/frame/Logic.h"

#include <cstdint>
#include <memory>

// Any bytes as the element of a control, loaded into a picture: it loads or fails with a text,
// and a loaded picture animates, draws and goes without a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    sFuzzWorld& world = fuzzWorld(writeFuzzPicture);
    useFuzzDocument("control.xml", _data, _size, [&world](iXML* _document) {
        auto picture = std::make_unique<cPicture>(nullptr);
        try {
            picture->loadXML(_document);
        } catch (const String&) {
        }
        picture->process();
        picture->setAnimFrame(picture->getAnimFrame() + 1);
        world.graphics->beginRender();
        cUI::drawControls(&cLogic::draw);
        world.graphics->endRender();
        picture->hide();
        picture->process();
    });
    world.endInput();
    return 0;
}
