#pragma once
#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/GameHarness.h"

#include <string>
#include <vector>

// Every crop grows in 100 s and dies in 50 s; seeds cost 5.
inline std::string growingGameXml()
{
    std::string products;
    for (int i = 0; i < 19; ++i)
        products += "<Product CreationTime=\"100\" DieTime=\"50\" />";
    return makeXml16("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\"><ProductionInfo>" + products +
                     "</ProductionInfo><Seeds><Seed Price=\"5\" /></Seeds></Game>");
}

// A farm with no fields of its own that slides at once.
inline std::string bareFarmXml()
{
    return makeXml16("<Farm Visible=\"1\" Enable=\"1\" MoveSpeed=\"2400\"><FieldsBuyCostText><Coin /></FieldsBuyCostText></Farm>");
}

// A worker that only writes down the jobs it is given and what it is told to drop; a job it
// drops lowers its area's count, as the worker's queue does.
class cJobRecordingPerson : public cPerson {
public:
    struct sJob {
        cActionArea* area;
        Vector2 point;
    };

    explicit cJobRecordingPerson(cView* _parent) : cPerson(_parent) {}

    void addActionArea(cActionArea* _area, const Vector2& _point) override { m_jobs.push_back({_area, _point}); }
    void clearTaskList() override
    {
        for (const sJob& job : m_jobs)
            job.area->removeQueued();
        m_jobs.clear();
        ++m_clears;
    }
    void setDropCurrentTask(Bool _drop) override { m_dropCurrent = _drop; }
    void forgetActionArea(cActionArea* _area) override
    {
        for (auto job = m_jobs.begin(); job != m_jobs.end();)
            if (job->area == _area) {
                _area->removeQueued();
                job = m_jobs.erase(job);
            } else {
                ++job;
            }
        m_forgotten.push_back(_area);
    }

    std::vector<sJob> m_jobs;
    std::vector<cActionArea*> m_forgotten;
    int m_clears = 0;
    Bool m_dropCurrent = false;
};

// A game whose worker is the recording one, with helpers that put areas on the farm's ground.
class cFarmTest : public cGameTest {
protected:
    explicit cFarmTest(const tDataFiles& _files = {}) : cGameTest(_files)
    {
        delete cPerson::getInstance();
        m_person = new cJobRecordingPerson(ground());
        // The farm's own tests count and hit only the areas they put down.
        delete cWaterSource::getInstance();
    }

    cFarm& farm() { return *cFarm::getInstance(); }
    cView* ground() { return farm().getSlidingPicture(); }
    std::vector<cSeedPackage*> packages()
    {
        std::vector<cSeedPackage*> list;
        farm().getSeedPackageList(list);
        return list;
    }

    // An area of _type on the ground loaded from _attributes and _children, shown and enabled.
    cActionArea* makeArea(eActionAreaType _type, const std::string& _attributes,
                          const std::string& _children = "<ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList>")
    {
        auto* area = new cActionArea(ground(), _type);
        load("<Area Visible=\"1\" Enable=\"1\" " + _attributes + ">" + _children + "</Area>", *area);
        return area;
    }

    cJobRecordingPerson* m_person = nullptr;
};
