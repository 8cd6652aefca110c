#include "FuzzDocument.h"
#include "FuzzWorld.h"
#include "Ui/boxes/ListBox.h"
#include "Ui/boxes/ProgressDiscrete.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/boxes/TextBox.h"

#include <cstdint>
#include <memory>

namespace {

// The font "f.fnt" has '_' and 'a' to 'z', so that the paths of the elements can name files
// that load.
void writeBoxFiles(const sFuzzDataFolder& _folder)
{
    writeFuzzFont(_folder, {{u'_', u'_', 0}, {u'a', u'z', 0}});
}

// _view loaded from _document, or null when it refuses the element with a text.
template <class T> std::unique_ptr<T> load(iXML* _document)
{
    auto view = std::make_unique<T>(nullptr);
    try {
        view->loadXML(_document);
        return view;
    } catch (const String&) {
        return nullptr;
    }
}

void frames(int _count)
{
    for (int frame = 0; frame < _count; ++frame) {
        cUI::processViews();
        cScavenger::free();
    }
}

void exercise(cListBox& _list)
{
    for (int row = 0; row < 7; ++row)
        _list.addItem(u"abc");
    for (int step = 0; step < 9; ++step)
        cListBox::onScrollDown(_list.getDownButton());
    _list.clear();
    _list.addItem(u"z");
    cListBox::onScrollUp(_list.getUpButton());
}

void exercise(cTextBox& _box)
{
    for (char16_t unit : std::u16string(u"ab\u0008\rcd\xD83C\xDF3D_z\u0008\u0008"))
        cTextBox::onChar(unit, &_box);
}

void exercise(cProgressFloat& _bar)
{
    for (Float value : {-1.0f, 0.0f, 33.0f, 1e30f})
        _bar.setValue(value), _bar.progressChanged(), _bar.getSprite();
}

void exercise(cProgressDiscrete& _bar)
{
    _bar.setValue(3);
    _bar.setCount(2);
    _bar.setCount(6);
}

template <class T> void loadAndUse(iXML* _document)
{
    if (auto view = load<T>(_document)) {
        view->show();
        view->enable();
        exercise(*view);
        frames(2);
    }
}

} // namespace

// Any bytes as the element of a list box, a text box and both progress bars: each loads or
// fails with a text, and a loaded one scrolls, takes keys or moves its value without a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    sFuzzWorld& world = fuzzWorld(writeBoxFiles);
    useFuzzDocument("box.xml", _data, _size, [&world](iXML* _document) {
        world.timer.getFrameTime() = 0.25f;
        loadAndUse<cListBox>(_document);
        loadAndUse<cTextBox>(_document);
        loadAndUse<cProgressFloat>(_document);
        loadAndUse<cProgressDiscrete>(_document);
    });
    world.endInput();
    return 0;
}
