#include "Game/Shell/ScoreTable.h"

void cScoreTable::setLinesNum(UInt _count)
{
    if (_count == m_linesNum)
        return;
    m_linesNum = _count;
    trim(m_adventure, _count);
    trim(m_survival, _count);
}

void cScoreTable::trim(SCORE_MAP& _scores, UInt _count)
{
    while (_scores.size() > _count)
        _scores.erase(_scores.begin());
}
