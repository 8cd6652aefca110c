#pragma once
#include "Ui/controls/Picture.h"

#include <memory>
#include <vector>

// A whole number out of a maximum, shown as a row of separate segments, each looking lit or
// unlit, laid out along a step and optionally covered by a lid. The bar itself is never drawn:
// only its segments and its lid are. A segment takes its whole look from one of two prototype
// pictures and is then moved to its own place and depth; the first segment stands on the bar.
class cProgressDiscrete : public cControl {
public:
    explicit cProgressDiscrete(cView* _parent);
    // The segments and the lid are children: a copy would share them.
    cProgressDiscrete(const cProgressDiscrete&) = delete;
    ~cProgressDiscrete() override;

    // The control's attributes, then "ProgressMaxValue" (the number of segments, required),
    // "ProgressCurrentValue", "DeepStep", "Step", "MaxLength" and the children "PictureOn",
    // "PictureOff" and "Lid".
    void loadXML(iXML* _xml_doc) override;
    // Only the segments and the lid join the draw set.
    void showed() override;

    // Exactly _count segments, laid out again; the current count changes nothing.
    void setCount(UInt _count);
    // Lights the first _value segments; the value shown already changes nothing.
    void setValue(UInt _value);
    // Gives every segment its look, place and depth. A row longer than MaxLength is pressed
    // to whole-unit spacing, never below one unit.
    void updateSegments();

    UInt getValue() const { return m_value; }
    UInt getCount() const { return UInt(m_segments.size()); }
    const std::vector<cPicture*>& getSegments() const { return m_segments; }
    Float getDeepStep() const { return m_deepStep; }
    void setDeepStep(Float _step) { m_deepStep = _step; }
    const Vector2& getStep() const { return m_step; }
    void setStep(const Vector2& _step) { m_step = _step; }
    Float getMaxLength() const { return m_maxLength; }
    void setMaxLength(Float _length) { m_maxLength = _length; }
    cPicture* getLid() const { return m_lid; }
    cPicture& getPictureOn() { return *m_pictureOn; }
    cPicture& getPictureOff() { return *m_pictureOff; }

private:
    // The step between segments, shortened when the row would pass MaxLength.
    Vector2 fittedStep() const;
    static void loadPrototype(cPicture& _prototype, iXML* _xml_doc);

    UInt m_value = 0;
    Float m_deepStep = 0;
    Vector2 m_step{0, 0};
    Float m_maxLength = 0;
    // A child view: deleted with the bar.
    cPicture* m_lid = nullptr;
    // Without a parent and never shown: only their looks are used.
    std::unique_ptr<cPicture> m_pictureOn;
    std::unique_ptr<cPicture> m_pictureOff;
    // Children, in order from the first.
    std::vector<cPicture*> m_segments;
};
