#pragma once
#include "Ui/controls/Picture.h"
#include "Ui/screens/Slide.h"

#include <vector>

// A panel that slides itself across the screen, taking every child along. Its working
// controls live under the content group, which is hidden while the panel moves; the panel
// is disabled meanwhile, so nothing on it reacts. Slides advance in absoluteProcess: the
// owner keeps the panel absolutely enabled.
class cMovableUnion : public cPicture {
public:
    using CONTROL_LIST = std::vector<cControl*>;

    explicit cMovableUnion(cView* _parent);
    ~cMovableUnion() override;

    // The picture, one picture per child of "Background", "MoveSpeed" (refused when not
    // above zero) and "HiddenPlace"; the place just loaded is the shown place.
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;

    // Mode 1 slides out (hidden at the end), any other non-zero mode slides in; mode 0 stops
    // a slide where it is.
    void startMove(Int _mode, const Vector2& _from, const Vector2& _to);
    void riseControls();
    void unriseControls();

    cControl* getContent() const { return m_content; }
    const CONTROL_LIST& getBackground() const { return m_background; }
    const Vector2& getHiddenPlace() const { return m_hiddenPlace; }
    const Vector2& getShownPlace() const { return m_shownPlace; }
    const cSlide& getSlide() const { return m_slide; }

private:
    cSlide m_slide;
    Vector2 m_hiddenPlace{0, 0};
    Vector2 m_shownPlace{0, 0};
    // A child of the panel.
    cControl* m_content;
    CONTROL_LIST m_background;
};
