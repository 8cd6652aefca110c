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

namespace {

// A file the save would write or rename over that takes no writing; empty when none. The
// temporary names a save writes under are counted too: a file left locked there stops it.
String lockedFile(const String& _path, const String& _folder)
{
    const String name = cFileManager::getFileName(_path);
    if (platform::getFileSize(_path) >= 0 && !platform::canWriteIn(_path))
        return name;
    const String hidden = "." + name + ".";
    for (const platform::sFolderEntry& entry : platform::listFolder(_folder)) {
        const String& found = entry.name;
        if (!entry.isFolder && found.size() > hidden.size() + 4 && found.compare(0, hidden.size(), hidden) == 0 &&
            found.compare(found.size() - 4, 4, ".tmp") == 0 && !platform::canWriteIn(_folder + found))
            return found;
    }
    return String();
}

} // namespace

WString describeSaveObstacle(const std::vector<String>& _names)
{
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
            if (platform::isFolder(place))
                return translated(u"На месте файла лежит папка:") + u" «" + toWString(cFileManager::getFileName(place)) + u"».";
        const String locked = lockedFile(path, folder);
        if (!locked.empty())
            return translated(u"Файл закрыт для записи:") + u" «" + toWString(locked) + u"».";
        if (!platform::canWriteIn(folder))
            return translated(u"Папка закрыта для записи:") + u" «" + toWString(folder) + u"».";
    }
    return translated(u"Диск переполнен или недоступен.");
}

WString describeSaveFailure(const std::vector<String>& _names)
{
    return translated(u"Игру не удаётся сохранить.") + u" " + describeSaveObstacle(_names) + u" " +
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
