#pragma once
#include "Ui/controls/Picture.h"
#include "Ui/buttons/TextButton.h"

#include <vector>

class cListBox;

// What a list box calls when a row is clicked: the row's index and the list box.
using fSelectEvent = void (*)(UInt _index, cListBox* _list);

// A vertical list of text buttons with an up and a down button that scroll it by one row. The
// rows are copies of one hidden prototype text button described in the list's XML, each
// carrying its index as its user value; a click on a row reports that index. As many rows
// show as fit between TopLeft and BottomRight at Interlinear apart.
class cListBox : public cPicture {
public:
    using fSelectEvent = ::fSelectEvent;

    explicit cListBox(cView* _parent);
    // The rows and buttons are children: a copy would share them.
    cListBox(const cListBox&) = delete;

    // The picture's attributes, then "Interlinear", "MaxRows", "TopLeft", "BottomRight", the
    // children "UpButton", "DownButton", "Button" (the row prototype) and the starting rows of
    // "Strings" ("Count", "str0", "str1", ...).
    void loadXML(iXML* _xml_doc) override;

    // Appends a row showing _text (a key of the string table when the label is localised).
    void addItem(const WString& _text);
    // No rows, scrolled back to the top. Rows go after the frame, so a handler that clears the
    // list from a row's own click is safe; they stop drawing and hearing input at once.
    void clear();
    // Shows the rows from the top one on that fit, places them, and shows the scroll buttons
    // only where there is somewhere to scroll.
    void updateList();

    // The number of rows, and the text row _index was given (empty past the last row).
    UInt getCount() const { return UInt(m_rows.size()); }
    WString getItemText(UInt _index) const;

    fSelectEvent getOnSelect() const { return m_onSelect; }
    void setOnSelect(fSelectEvent _handler) { m_onSelect = _handler; }
    const std::vector<cTextButton*>& getRows() const { return m_rows; }
    UInt getTop() const { return m_top; }
    cButton* getUpButton() const { return m_upButton; }
    cButton* getDownButton() const { return m_downButton; }
    cTextButton* getPrototype() const { return m_prototype; }
    Float getInterlinear() const { return m_interlinear; }
    void setInterlinear(Float _interlinear) { m_interlinear = _interlinear; }
    UInt getMaxRows() const { return m_maxRows; }
    // Only the y coordinates count: the list is BottomRight.y - TopLeft.y high.
    void setExtent(const Vector2& _topLeft, const Vector2& _bottomRight);

    // The rows' click: reports the row's index.
    static void onItemSelect(cView* _row);
    static void onScrollUp(cView* _button);
    static void onScrollDown(cView* _button);

private:
    // How many rows fit; none when the height or the distance has no meaning.
    long long shownRows() const;

    // Children, in index order.
    std::vector<cTextButton*> m_rows;
    cButton* m_upButton = nullptr;
    cButton* m_downButton = nullptr;
    UInt m_maxRows = 10;
    Vector2 m_topLeft{0, 0};
    Vector2 m_bottomRight{0, 0};
    Float m_interlinear = 50.0f;
    UInt m_top = 0;
    cTextButton* m_prototype = nullptr;
    fSelectEvent m_onSelect = nullptr;
};
