#pragma once
#include "Game/Farm/ActionArea.h"
#include "Game/Game.h"
#include "Game/GameKey.h"
#include "Game/TaskDealer.h"
#include "Ui/controls/State.h"

#include <memory>
#include <optional>

class iResource;

// One plot of the farm. What grows there, and how far, lives in five game variables per field
// (status, crop, water, fertility, seconds left), so a saved game restores every plot; the
// growth itself is a chain of growth states run by the field's own dealer. A field belongs to
// the player once the field purchases reach its upgrade index; before that it shows a cover.
class cFarmFieldTile : public cActionArea {
public:
    enum eFieldStatus : UInt {
        FS_GROWING = 0,
        FS_READY = 1,
        FS_DYING = 2,
        FS_PLOUGHED = 3,
    };
    // The worker's last work here; the growth states react to HS_HARVESTED only.
    enum eHarvestState : UInt {
        HS_NONE = 0,
        HS_SOWN = 1,
        HS_HARVESTED = 2,
    };

    // What a crop's growing look is made of, on its animation clock.
    struct sCropRecord {
        UInt framePerStage0 = 0;
        UInt framePerStage1 = 0;
        // The three stages' durations: sprouting, growing, ripening.
        Float stage[3] = {0, 0, 0};
        UInt notGrowFrame = 0;
        // The growth time the not-grow frame stands for.
        Float notGrowTime = 0;
        String textureMask;
    };
    struct sAbsorb {
        Vector2 water{0, 0};
        Vector2 fertility{0, 0};
    };

    static constexpr const char* DATA_FILE = "Farm/ActionAreas/FarmField.xml";

    cFarmFieldTile(cView* _parent, UInt _row, UInt _position, Int _upgradeIndex);
    ~cFarmFieldTile() override;

    // The area's keys, then the signs, the capacities, the looks, the absorption rows, the
    // sounds and the crops under "States". Values the growth divides by are checked here.
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;
    void process() override;
    // Its frames are growth frames, not button looks.
    void setStatePicture(eButtonState /*_state*/) override {}
    void hovered() override;
    void unhovered() override;
    void clicked() override;
    void unclicked() override;
    void enabled() override;
    void disabled() override;

    virtual UInt getIndex() const { return m_index; }
    virtual void setIndex(UInt _index);
    virtual UInt getHarvestState() const { return m_harvestState; }
    virtual void setHarvestState(UInt _state) { m_harvestState = _state; }

    eFieldStatus getStatus() const;
    void setStatus(eFieldStatus _status);
    cGame::eCultivationType getCultivationType() const;
    void setCultivationType(cGame::eCultivationType _crop);
    Float getProgres() const;
    void setProgres(Float _seconds);
    Float getWater() const;
    void setWater(Float _water);
    Float getFertility() const;
    void setFertility(Float _fertility);
    // Pours _amount in; what does not fit is given back.
    Float addWater(Float _amount);
    Bool isDry() const { return getWater() <= m_waterSignLevel; }
    // +1 when the field went dry since the farm last counted it, -1 when it was watered, 0
    // when its dryness is as counted; the field remembers the answer.
    Int takeDryChange();
    Bool isCountedDry() const { return m_countedDry; }
    Bool hasWater() const { return getWater() != 0; }
    Bool hasFertility() const { return getFertility() != 0; }
    // A crop growing on soil with nothing left in it: the bed the worn-out soil's tip is about.
    Bool isWornOut() const;
    Bool isOwned() const;
    Bool isInitialised() const { return m_initialised; }
    Bool isDoomed() const { return m_doomed; }
    void setDoomed(Bool _doomed) { m_doomed = _doomed; }

    void drawReadySign(Bool _show);
    void setUnderWater(Bool _under);
    // Shows the stored crop's growing look.
    void playAnimation();
    Float getPloughtToGrassTime() const;
    void playDeathSound();
    void playReadySound();
    // Owned, next for sale, or hidden, by the field levels bought and released; an owned
    // field builds its growth state from the saved variables once.
    void updateUpgrade(Int _current, Int _avail);

    cTaskDealer& getDealer() { return m_dealer; }
    Int getUpgradeIndex() const { return m_upgradeIndex; }
    const sCropRecord& getCropRecord(UInt _crop) const { return m_crops[_crop < cGame::CULTIVATION_COUNT ? _crop : 0]; }
    const cState& getCropLook(UInt _crop) const { return m_cropLooks[_crop < cGame::CULTIVATION_COUNT ? _crop : 0]; }
    // The crop's growing time and dying time from the game's product table.
    static Float getCreationTime(UInt _crop);
    static Float getDieTime(UInt _crop);
    Int getDigCost() const { return m_digCost; }
    UInt getBeginGrowFrame() const { return m_beginGrowFrame; }
    Float getWaterCapacity() const { return m_waterCapacity; }
    Float getFertilCapacity() const { return m_fertilCapacity; }
    Float getWaterRate() const { return m_waterRate; }
    Float getFertilityRate() const { return m_fertilityRate; }
    cPicture* getWaterSign() const { return m_waterSign; }
    cPicture* getReadySign() const { return m_readySign; }
    cPicture* getFertilSign() const { return m_fertilSign; }
    cPicture* getCover() const { return m_cover; }

private:
    struct sReleaseResource {
        void operator()(iResource* _resource) const;
    };
    using tSound = std::unique_ptr<iResource, sReleaseResource>;

    void loadCrops(iXML* _xml_doc);
    void loadAbsorb(iXML* _xml_doc);
    void checkLoaded(const String& _file) const;
    void drawRates();
    void restoreGrowth();
    void showCover(const cState& _look);
    // The farm counts the field's dryness, and the award for a farm that never runs dry
    // follows the count.
    void countDryness();
    void playSound(iResource* _sound);

    struct sVariables {
        explicit sVariables(UInt _index);
        cGameKeyHandle<PT_UINT> status;
        cGameKeyHandle<PT_UINT> crop;
        cGameKeyHandle<PT_FLOAT> water;
        cGameKeyHandle<PT_FLOAT> fertility;
        cGameKeyHandle<PT_FLOAT> progress;
    };

    cTaskDealer m_dealer;
    UInt m_index;
    // The field's five variables, found once: they are read many times a frame.
    sVariables m_variables;
    Int m_upgradeIndex;
    Bool m_initialised = false;
    UInt m_harvestState = HS_NONE;
    cState m_hideState;
    cState m_readyToBuyState;
    cState m_underWaterState;
    cState m_cropLooks[cGame::CULTIVATION_COUNT];
    sCropRecord m_crops[cGame::CULTIVATION_COUNT];
    Bool m_cropLoaded[cGame::CULTIVATION_COUNT] = {};
    Int m_shownLook = -1;
    // Children of the tile.
    cPicture* m_waterSign;
    cPicture* m_readySign;
    cPicture* m_fertilSign;
    cPicture* m_cover;
    // What the signs were last set to; unknown until the first water and fertility are set.
    // The field's own, since whether a sign is seen also depends on the screen shown.
    std::optional<Bool> m_waterSignShown;
    std::optional<Bool> m_fertilSignShown;
    Bool m_countedDry = false;
    Int m_digCost = 0;
    UInt m_beginGrowFrame = 0;
    Float m_waterCapacity = 0;
    Float m_fertilCapacity = 0;
    Float m_waterSignLevel = 0;
    Float m_fertilSignLevel = 0;
    sAbsorb m_absorb[cGame::CULTIVATION_COUNT];
    Float m_waterRate = 0;
    Float m_fertilityRate = 0;
    Float m_ploughtToGrassTime = 0;
    Bool m_doomed = false;
    tSound m_deathSound;
    tSound m_readySound;
};
