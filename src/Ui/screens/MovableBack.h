#pragma once
#include "Ui/screens/Back.h"
#include "Ui/screens/Slide.h"

class cPicture;

// A screen that slides in and out whole: one picture carries the backdrop and, through the
// content group, the screen's working controls. Slides advance in absoluteProcess: the
// screen keeps itself absolutely enabled.
class cMovableBack : public cBack {
public:
    explicit cMovableBack(cView* _parent);
    ~cMovableBack() override;

    // The screen's element as cBack reads it, with the backdrop moved onto the sliding
    // picture; then "MoveSpeed" (refused when not above zero).
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;
    // A slide in has ended, before the controls rise. A new slide started here goes on.
    virtual void onMoveEnd() {}

    // As cMovableUnion::startMove, with the sliding picture as what moves.
    void startMove(Int _mode, const Vector2& _from, const Vector2& _to);
    void riseControls();
    void unriseControls();

    cPicture* getSlidingPicture() const { return m_sliding; }
    cControl* getContent() const { return m_content; }
    const cSlide& getSlide() const { return m_slide; }

private:
    // A child of the screen; the content group is its child.
    cPicture* m_sliding;
    cSlide m_slide;
    cControl* m_content;
};
