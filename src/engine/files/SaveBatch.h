#pragma once
#include "engine/files/FileManager.h"
#include "engine/Types.h"

// The files of one save written as one: each waits under its temporary name until every one
// is written whole, then all are put in place together (see cFileManager::holdSaves). A
// batch inside another leaves the putting in place to the outer one. A batch that goes
// without commit leaves the disk as it was.
class cSaveBatch {
public:
    cSaveBatch();
    ~cSaveBatch();
    cSaveBatch(const cSaveBatch&) = delete;
    cSaveBatch& operator=(const cSaveBatch&) = delete;

    // Raises when a file could not be put in place. Without _wait the disk's part runs
    // beside the game; its failure is had from cFileManager::takeSaveFailure, and _onFailed
    // hears of it in the game's thread once it is waited for.
    void commit(Bool _wait = true, cFileManager::fCommitFailed _onFailed = nullptr);

private:
    cFileManager* m_files = nullptr;
    Bool m_owner = false;
};
