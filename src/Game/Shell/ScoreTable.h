#pragma once
#include "engine/Types.h"

#include <map>

// The records of the two ways to play, each ordered by score and cut to the best few. The
// game keeps no records yet, so nothing fills it and the high-score screen shows it empty.
class cScoreTable {
public:
    using SCORE_MAP = std::map<UInt, WString>;

    // Keeps at most _count records per table, dropping the lowest scores.
    void setLinesNum(UInt _count);
    UInt getLinesNum() const { return m_linesNum; }
    // false: playing through the game; true: survival.
    SCORE_MAP& getScores(Bool _survival) { return _survival ? m_survival : m_adventure; }

private:
    static void trim(SCORE_MAP& _scores, UInt _count);

    SCORE_MAP m_adventure;
    SCORE_MAP m_survival;
    UInt m_linesNum = 0;
};
