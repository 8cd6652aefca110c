#pragma once
#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/GameHarness.h"

#include <string>
#include <vector>

// The worker's data for tests: speed 100, hot spots that differ by facing (sideways 4 px
// behind the feet, so mirroring shows), job times, eight sounds and an eight-frame hose strip
// with only three emitters.
inline std::string personXml(const std::string& _speed = "100")
{
    std::string spots = "<HotSpots>";
    for (int look = 0; look < 12; ++look)
        spots += "<L><D spotOffset=\"0 -1\" /><D spotOffset=\"-2 -1\" /><D spotOffset=\"-4 0\" />"
                 "<D spotOffset=\"-2 1\" /><D spotOffset=\"0 1\" /><D spotOffset=\"0 0\" /></L>";
    spots += "</HotSpots>";
    return makeXml16("<Person Visible=\"1\" Enable=\"0\" size=\"10 10\" Speed=\"" + _speed + "\" MarkSize=\"8 8\">"
                     "<DiscrUse ProgressMaxValue=\"4\" Step=\"10 0\"><PictureOn size=\"10 10\" /><PictureOff size=\"10 10\" /></DiscrUse>"
                     "<AnimationConfig sowTime=\"1\" waterPotTime=\"2\" dropWareTime=\"0.5\" getSpadeTime=\"0.4\" "
                     "getScytheTime=\"0.6\" getBucketTime=\"0.8\" />" + spots +
                     "<StateWaterWithHose anim_columns=\"8\" frames_count=\"8\" />"
                     "<WaterEmitterOfset><E offset=\"1 1\" /><E offset=\"2 2\" /><E offset=\"3 3\" /></WaterEmitterOfset>"
                     "<Sounds WorkShovelSound=\"sounds/w.wav\" WorkTractorSound=\"sounds/w.wav\" WorkWateringCanSound=\"sounds/w.wav\" "
                     "WorkSeedSound=\"sounds/w.wav\" WorkScytheSound=\"sounds/w.wav\" WorkWellSound=\"sounds/w.wav\" "
                     "WorkHoseSound=\"sounds/w.wav\" StuffWarehouseSound=\"sounds/w.wav\" /></Person>");
}

// The worker's place 30 px below an area whatever it carries.
inline std::string parkingXml()
{
    std::string parking = "<ParkingOffsets><L>";
    for (int c = 0; c < 12; ++c)
        parking += "<C offset=\"0 30\" />";
    return parking + "</L></ParkingOffsets>";
}

// A field 40 px square holding 100 water and 50 fertility, ploughed for 5 coins, three click
// offsets, and the worker standing 30 px below its centre whatever it carries.
inline std::string fieldXml()
{
    return makeXml16("<FarmField Visible=\"1\" Enable=\"1\" size=\"40 40\" water_capacity=\"100\" fertil_capacity=\"50\" "
                     "DigCost=\"5\" PloughtToGrassTime=\"1000\"><ClickOffsetList><O Offset=\"-10 0\" /><O Offset=\"0 0\" />"
                     "<O Offset=\"10 0\" /></ClickOffsetList>" + parkingXml() + "</FarmField>");
}

// A game whose worker is the real one, on the data above and _more, with the tutorial off.
class cPersonTest : public cGameTest {
protected:
    explicit cPersonTest(const tDataFiles& _more = {}) : cGameTest(withPersonFiles(_more)) {}
    static tDataFiles withPersonFiles(const tDataFiles& _more)
    {
        tDataFiles files = {{"Person/Person.xml", personXml()}, {cFarmFieldTile::DATA_FILE, fieldXml()}, {"sounds/w.wav", "tone"},
                            {"Farm/ActionAreas/SeedPackage.xml",
                             makeXml16("<SeedPackage Visible=\"1\" Enable=\"1\" size=\"20 20\"><ClickOffsetList><O Offset=\"0 10\" />"
                                       "<O Offset=\"6 10\" /></ClickOffsetList><Use Visible=\"0\" Enable=\"1\" ProgressMaxValue=\"4\" "
                                       "Step=\"10 0\" /></SeedPackage>")}};
        files.insert(files.end(), _more.begin(), _more.end());
        return files;
    }

    cPerson& person() { return *cPerson::getInstance(); }
    cView* ground() { return cFarm::getInstance()->getSlidingPicture(); }

    // An area of _type at _position with one click offset and the worker's place 30 px below.
    cActionArea* makeArea(eActionAreaType _type, const Vector2& _position)
    {
        auto* area = new cActionArea(ground(), _type);
        load("<Area Visible=\"1\" Enable=\"1\" size=\"20 20\" position=\"" + std::to_string(_position.x) + " " +
                 std::to_string(_position.y) + "\"><ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList>" + parkingXml() + "</Area>",
             *area);
        return area;
    }
    // The owned field _index, centred on _position.
    cFarmFieldTile* makeField(UInt _index, const Vector2& _position)
    {
        auto* field = new cFarmFieldTile(ground(), 0, _index, 0);
        field->setPosition(_position);
        return field;
    }
    // Puts the worker's hot spot on _point, facing as it does.
    void standAt(const Vector2& _point)
    {
        const Vector2 offset = person().getHotSpotOffset(person().getDirection());
        person().setPos(Vector2(_point.x - offset.x, _point.y - offset.y), true);
    }
    std::vector<cSeedPackage*> packages()
    {
        std::vector<cSeedPackage*> list;
        cFarm::getInstance()->getSeedPackageList(list);
        return list;
    }
    template <class T> T* task() { return dynamic_cast<T*>(person().getDealer().getTask()); }
};
