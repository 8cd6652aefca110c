#pragma once
#include "Ui/controls/Control.h"

// The plain drawable control: its clock runs while PlayAnimation is set, and three hooks
// follow it: on show, on hide, and every frame. A show or hide hook is queued as a per-frame
// function and runs at each process until it returns true.
class cPicture : public cControl {
public:
    using fHook = Bool (*)(cControl* _picture);

    explicit cPicture(cView* _parent);
    // Copies the hooks along with the control.
    cPicture(const cPicture& _source);

    Int getType() const override { return 2; }
    void process() override;
    void showed() override;
    void hid() override;
    void loadXML(iXML* _xml_doc) override;

    virtual fHook getHideFunc() { return m_hideFunc; }
    virtual void setHideFunc(fHook _hook) { m_hideFunc = _hook; }
    virtual fHook getShowFunc() { return m_showFunc; }
    virtual void setShowFunc(fHook _hook) { m_showFunc = _hook; }
    virtual fHook getProcessFunc() { return m_processFunc; }
    virtual void setProcessFunc(fHook _hook) { m_processFunc = _hook; }

private:
    fHook m_hideFunc = nullptr;
    fHook m_showFunc = nullptr;
    fHook m_processFunc = nullptr;
};
