#pragma once
#include "Ui/screens/MovableUnion.h"
#include "engine/Singleton.h"

#include <vector>

class cPicture;
class cText;

// The sliding panel that lists what the warehouse holds: one icon and count per kind in
// stock, packed without gaps. It slides in while the mouse is over the warehouse gauge of the
// game menu and out a while after the mouse leaves, or at once on a change of screen.
class cWareDetail : public cMovableUnion, public cViewSingleton<cWareDetail> {
public:
    static constexpr UInt MAX_SLOTS = 19;
    // While the mouse stays the panel does not go.
    static constexpr Float STAY = 1.0e9f;

    // Reads "UI/gameUI/WareDetail.xml".
    explicit cWareDetail(cView* _parent);

    // The panel's keys, "VisibleTime", and a slot for each of the first children of
    // "ProductInfo" ("Icon", "Text", "IconType"); then the panel waits at its hidden place.
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;

    // Fills the slots with what the warehouse holds; nothing while the panel is out.
    void updateWareInfo();
    // The mouse came over the gauge: the panel slides in and stays.
    void drawHovered();
    // Slides out at once.
    void undraw();
    // The mouse left the gauge: the panel goes after VisibleTime.
    void startHideCountdown() { m_hideCountdown = m_visibleTime; }
    // The mouse came back before the panel went: it stays.
    void stopHideCountdown() { m_hideCountdown = STAY; }
    Bool isShown() const { return m_shown; }

    UInt getSlotCount() const { return UInt(m_slots.size()); }
    cPicture* getIcon(UInt _slot) const { return m_slots.at(_slot).icon; }
    cText* getText(UInt _slot) const { return m_slots.at(_slot).text; }
    Float getVisibleTime() const { return m_visibleTime; }
    Float getHideCountdown() const { return m_hideCountdown; }

private:
    struct sSlot {
        cPicture* icon = nullptr;
        cText* text = nullptr;
        // 0 the kind's small icon, else its large one.
        Int IconType = 0;
    };

    void loadSlots(iXML* _productInfo);
    void fillSlot(const sSlot& _slot, UInt _type, UInt _count);

    std::vector<sSlot> m_slots;
    Float m_visibleTime = 2.0f;
    Float m_hideCountdown = 0;
    Bool m_shown = false;
};
