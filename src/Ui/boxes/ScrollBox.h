#pragma once
#include "Ui/buttons/Button.h"

// What a scroll box calls when a drag starts (true) or ends (false).
using fDragEvent = void (*)(cView* _box, Bool _dragging);
// What a scroll box calls when its value changes: the box and the new value.
using fChangeEvent = void (*)(cView* _box, Float _value);

// A track with a draggable thumb that sets a value between a minimum and a maximum. A press
// on the track or on the thumb starts a drag; while it lasts the value follows the cursor
// along the track, and the release ends it. The thumb's centre runs from one end of the track
// to the other. A track without extent, or a range without width, holds the value at the
// minimum and the thumb at the track's start.
class cScrollBox : public cButton {
public:
    using fDragEvent = ::fDragEvent;
    using fChangeEvent = ::fChangeEvent;

    enum eLayout : Int {
        LAYOUT_HORIZONTAL = 0,
        LAYOUT_VERTICAL = 1,
    };

    // The thumb: a button that starts and ends the box's drag.
    class cSlider : public cButton {
    public:
        explicit cSlider(cScrollBox* _box);
        cSlider(const cSlider&) = delete;
        ~cSlider() override;

        void clicked() override;
        void unclicked() override;
        // A thumb hidden while held ends the drag.
        void hid() override;

    private:
        friend class cScrollBox;

        // Null once the box is being destroyed.
        cScrollBox* m_box;
    };

    explicit cScrollBox(cView* _parent);
    // A copy would share the thumb, which belongs to the source.
    cScrollBox(const cScrollBox&) = delete;
    ~cScrollBox() override;

    // The button's reading, the thumb from a "Slider" child (a whole button), "Max", "Min",
    // "Value" and "Layout" (0 when absent); then the thumb is placed.
    void loadXML(iXML* _xml_doc) override;
    // While dragging, the value follows the cursor. Nothing else: no picture hooks and no
    // deep processing.
    void process() override;
    void clicked() override;
    void unclicked() override;

    virtual const fDragEvent& getOnDrag() { return m_onDrag; }
    virtual void setOnDrag(const fDragEvent& _handler) { m_onDrag = _handler; }
    virtual const fChangeEvent& getOnChange() { return m_onChange; }
    virtual void setOnChange(const fChangeEvent& _handler) { m_onChange = _handler; }

    // Puts the thumb where the value says; screens write the value and call it.
    void placeSlider();

    cSlider* getSlider() const { return m_slider; }
    Int getLayout() const { return m_layout; }
    void setLayout(Int _layout) { m_layout = _layout; }
    Bool isDragging() const { return m_dragging; }
    Float getMaximum() const { return m_maximum; }
    void setMaximum(Float _maximum) { m_maximum = _maximum; }
    Float getMinimum() const { return m_minimum; }
    void setMinimum(Float _minimum) { m_minimum = _minimum; }
    Float getValue() const { return m_value; }
    // Only stores the value; placeSlider moves the thumb.
    void setValue(Float _value) { m_value = _value; }

private:
    // The track along the layout's axis; false for a layout without one.
    Bool getTrack(Float& _lo, Float& _hi);
    void setDragging(Bool _dragging);

    cSlider* m_slider;
    Int m_layout = LAYOUT_HORIZONTAL;
    Bool m_dragging = false;
    Float m_maximum = 0;
    Float m_minimum = 0;
    Float m_value = 0;
    fChangeEvent m_onChange = nullptr;
    fDragEvent m_onDrag = nullptr;
};
