#include "FuzzDocument.h"
#include "FuzzWorld.h"
#include "Ui/texts/FlyText.h"
#include "Ui/texts/MultilineText.h"

#include <cstdint>
#include <memory>

namespace {

// The font "f.fnt" has 'a' to 'z' and space to '9', so that "Font" and "Texture" can name
// files that load.
void writeTextFiles(const sFuzzDataFolder& _folder)
{
    writeFuzzFont(_folder, {{u'a', u'z', 0}, {u' ', u'9', 0}});
}

// Loads _view from _document; a view that refuses its element is gone, one that loads is kept.
template <class T> std::unique_ptr<T> load(std::unique_ptr<T> _view, iXML* _document)
{
    try {
        _view->loadXML(_document);
        return _view;
    } catch (const String&) {
        return nullptr;
    }
}

Bool s_arrived = false;

void onArrival(std::uintptr_t)
{
    s_arrived = true;
}

} // namespace

// Any bytes as the element of a fly text and of a multi-line text: each loads or fails with a
// text, and a loaded one lays out, wraps, flies and ends without a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    sFuzzWorld& world = fuzzWorld(writeTextFiles);
    useFuzzDocument("text.xml", _data, _size, [&world](iXML* _document) {
        auto block = load(std::make_unique<cMultilineText>(nullptr), _document);
        if (block)
            block->setText(u"abc def\n\n ghi jkl mno", true);
        // A fly text that loads discards itself at the end of its path.
        if (auto fly = load(std::make_unique<cFlyText>(nullptr, String()), _document)) {
            fly->setString(u"12 345");
            s_arrived = false;
            fly->setCallback(onArrival, 0);
            cFlyText* flying = fly.release();
            flying->show();
            flying->enable();
            world.timer.getFrameTime() = 0.25f;
            for (int frame = 0; frame < 4; ++frame) {
                cUI::processViews();
                cScavenger::free();
            }
            if (!s_arrived)
                flying->finish();
        }
    });
    world.endInput();
    return 0;
}
