#include "engine/progress/SaveFailure.h"

#include "engine/files/FileManager.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/Profile.h"
#include "engine/text/TextConvert.h"
#include "platform/system/FileSystem.h"

namespace {

const char* const SUBJECT = "progress not saved";
// The saves that had reached the disk when a failure was last told.
UInt s_doneWhenTold = 0;

} // namespace

WString describeSaveFailure(const std::vector<String>& _names)
{
    WString why;
    for (const String& name : _names) {
        // Lower-cased as the file manager writes it: the folder on the disk, not the setting's.
        String path = name;
        toLowerCase(path);
        if (cFileManager* files = cFileManager::getInstance()) {
            try {
                path = files->getCommonPath(path);
            } catch (...) {
                // The name as it came is still worth showing.
            }
        }
        // A folder that could not be made is no cause: the one that refused it is.
        String folder = path.substr(0, path.rfind('/') + 1);
        while (folder.size() > 1 && !platform::isFolder(folder))
            folder.erase(folder.rfind('/', folder.size() - 2) + 1);
        // A folder at one of the save's hidden names, which could not be moved aside, stops it too.
        const String hidden = folder + "." + cFileManager::getFileName(path);
        for (const String& place : {path, hidden + ".bak.tmp", hidden + ".older.tmp"})
            if (why.empty() && platform::isFolder(place))
                why = translated(u"На месте файла лежит папка:") + u" «" + toWString(cFileManager::getFileName(place)) + u"».";
        if (!why.empty())
            break;
        if (!platform::canWriteIn(folder))
            why = translated(u"Папка закрыта для записи:") + u" «" + toWString(folder) + u"».";
        if (!why.empty())
            break;
    }
    if (why.empty())
        why = translated(u"Диск переполнен или недоступен.");
    return translated(u"Игру не удаётся сохранить.") + u" " + why + u" " +
           translated(u"Можно играть дальше: игра попробует сохраниться снова.");
}

void tellSaveFailed(const std::vector<String>& _names)
{
    tellPlayer(SUBJECT, describeSaveFailure(_names));
    if (cFileManager* files = cFileManager::getInstance())
        s_doneWhenTold = files->getDoneSaveCount();
}

void checkSavesBesideTheGame()
{
    cFileManager* files = cFileManager::getInstance();
    if (!files)
        return;
    if (files->takeSaveFailure()) {
        if (cProfile* profile = cProfile::getInstance())
            tellSaveFailed(profile->getProgressFiles());
    } else if (files->getDoneSaveCount() != s_doneWhenTold) {
        forgetPlayerNotice(SUBJECT);
    }
}
