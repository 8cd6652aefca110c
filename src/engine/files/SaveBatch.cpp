#include "engine/files/SaveBatch.h"

#include "engine/files/FileManager.h"

#include <utility>

cSaveBatch::cSaveBatch() : m_files(cFileManager::getInstance())
{
    m_owner = m_files && !m_files->isHoldingSaves();
    if (m_owner)
        m_files->holdSaves();
}

cSaveBatch::~cSaveBatch()
{
    if (m_owner)
        m_files->dropHeldSaves();
}

void cSaveBatch::commit(Bool _wait, cFileManager::fCommitFailed _onFailed)
{
    if (!m_owner)
        return;
    m_owner = false;
    if (!m_files->commitHeldSaves(_wait, std::move(_onFailed)))
        throw String("The saved files could not be put in place.");
}
