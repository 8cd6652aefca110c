#pragma once
#include "Ui/screens/MovableUnion.h"
#include "Ui/controls/State.h"
#include "engine/Singleton.h"

#include <vector>

class cFarmFieldTile;
class cPicture;
class cProgressFloat;
class cText;

// What the tooltip shows of a field, in percent: water and fertility of the tile's capacity,
// and how far the crop has come to ripeness. A ploughed tile grows nothing: no crop, nothing
// ripening.
struct sFieldTipValues {
    Float water = 0;
    Float fertil = 0;
    Float ready = 0;
    Bool showCrop = false;
};

// The tile's status and stores, as its game variables hold them; _creationTime is the
// crop's growing time.
sFieldTipValues getFieldTipValues(UInt _status, Float _water, Float _waterCapacity, Float _fertil,
                                  Float _fertilCapacity, Float _progress, Float _creationTime);

// The panel about the field tile under the mouse: its crop, water, fertility and ripeness. It
// slides in half a second after the mouse settles on a tile and out 0.3 seconds after the mouse
// leaves; going from tile to tile keeps it open, following the tile under the mouse.
class cFieldTip : public cMovableUnion, public cViewSingleton<cFieldTip> {
public:
    static constexpr Float SHOW_DELAY = 0.5f;
    static constexpr Float HIDE_DELAY = 0.3f;
    static constexpr UInt ICON_COUNT = 8;

    // A top-level view; reads "UI/gameUI/FarmFieldTip.xml" and rests at its hidden place.
    explicit cFieldTip(cView* _parent = nullptr);

    // The panel's keys, the five controls, one text per child of "Texts" and the crop looks
    // of "Icons" (child k's "Icon" for crop k).
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;

    // The field under the mouse, and the field the mouse left: only the current one lets go.
    void setTile(cFarmFieldTile* _tile);
    void unsetTile(cFarmFieldTile* _tile);
    // The controls follow the current tile.
    void updateValues();

    Bool isOpen() const { return isVisible() && isEnabled(); }
    cFarmFieldTile* getTile() const { return m_tile; }
    Bool isShowPending() const { return m_showPending; }
    cText* getCultureText() const { return m_cultureText; }
    cPicture* getCultureIcon() const { return m_cultureIcon; }
    cProgressFloat* getWaterFloat() const { return m_waterFloat; }
    cProgressFloat* getFertilFloat() const { return m_fertilFloat; }
    cProgressFloat* getReadyFloat() const { return m_readyFloat; }
    const std::vector<cControl*>& getTexts() const { return m_texts; }
    const cState& getIcon(UInt _crop) const { return m_icons[_crop]; }

private:
    static void setBar(cProgressFloat* _bar, Float _value);

    // Children of the panel's content.
    cText* m_cultureText;
    cPicture* m_cultureIcon;
    cProgressFloat* m_waterFloat;
    cProgressFloat* m_fertilFloat;
    cProgressFloat* m_readyFloat;
    std::vector<cControl*> m_texts;
    cState m_icons[ICON_COUNT];
    // Not owned: the farm's.
    cFarmFieldTile* m_tile = nullptr;
    Bool m_showPending = false;
    Float m_showDelay = 0;
    Float m_hideDelay = 0;
    // The crop whose name and look the panel shows; -1 before the first.
    Int m_shownCrop = -1;
};
