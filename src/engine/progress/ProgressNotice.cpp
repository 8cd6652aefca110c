#include "engine/progress/ProgressNotice.h"

#include "engine/files/FileManager.h"
#include "engine/files/PutInPlace.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/KeptCopies.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/Profile.h"
#include "engine/progress/ProgressPick.h"
#include "engine/text/TextConvert.h"
#include "platform/system/FileSystem.h"

#include <vector>

namespace {

WString listed(const std::vector<WString>& _values)
{
    WString list;
    for (const WString& what : _values)
        list += (list.empty() ? WString() : WString(u", ")) + translated(what);
    return list + u".";
}

// What became of a damaged farm, in the player's words: the farm as a whole, then what of it
// starts afresh.
WString outcomeOf(const cProgressPick& _pick)
{
    if (_pick.isNothingSalvaged())
        return translated(u"Ферма начата заново.");
    WString said;
    if (_pick.isSalvaged() || _pick.isLevelStateSalvaged())
        said = translated(u"Ферма собрана из того, что в нём уцелело.");
    else if (_pick.isSaveBefore() || !_pick.isLevelStateLost())
        said = translated(u"Ферма восстановлена из предыдущего сохранения.");
    if (_pick.isLevelStateLost())
        said += (said.empty() ? WString() : WString(u" ")) + translated(u"Пакеты семян на земле и заметки журнала начаты заново.");
    return said;
}

} // namespace

WString clearFarmPlaces(const String& _stem)
{
    WString said;
    for (const char* suffix : {".xml", ".save"}) {
        const String path = cFileManager::get().getCommonPath(_stem + suffix);
        if (!platform::isFolder(path))
            continue;
        std::vector<String> log;
        const Bool moved = clearSavePlace(path, log);
        for (const String& line : log)
            logError(line);
        said += (said.empty() ? WString() : WString(u" ")) + translated(u"На месте файла фермы лежала папка:") + u" «" +
                toWString(cFileManager::getFileName(path)) + u"». " +
                translated(moved ? u"Она отложена в сторону." : u"Её не удаётся убрать: игра не сохранится, пока она там.");
    }
    return said;
}

void tellProgress(const cProgressPick& _pick, const WString& _player, const WString& _obstacle, Bool _new,
    cKeptCopies& _copies, Bool _unsaved)
{
    // What stands in the place of the farm's files is told as it is, not as a damaged file.
    if (!_obstacle.empty() && _pick.getDamage().empty() && !_pick.hasNoVariables())
        tellPlayerAbout("folder in place of a farm file", _player, _obstacle);
    // A last play that did not reach the disk is said in the same words as what the farm is now.
    const WString unsaved = _unsaved ? translated(u"Последнее сохранение фермы не удалось.") : WString();
    const auto tell = [&](const char* _subject, const WString& _text) {
        if (unsaved.empty())
            tellPlayerAbout(_subject, _player, _text);
        else
            tellPlayerAbout("last save failed", _player,
                _text.compare(0, unsaved.size(), unsaved) == 0 ? _text : unsaved + u" " + _text);
    };
    if (!unsaved.empty())
        logError("The last save of the farm of \"" + cutForLog(toString(_player)) + "\" before the game ended did not go "
                 "through.");
    // A player of whom nothing was saved has lost nothing, save the play her last save failed to keep.
    if (_pick.hasNoVariables() && _new) {
        if (!_obstacle.empty() || !unsaved.empty())
            tell("progress missing", (_obstacle.empty() ? WString() : _obstacle + u" ") + translated(u"Ферма начата заново."));
        return;
    }
    // Without any copy of the variables (folders in their places, say) nothing of the farm is left.
    if (_pick.hasNoVariables()) {
        const String folder = cFileManager::get().getCommonPath(cProfile::getProfilesDir());
        logError("The files of the farm of \"" + cutForLog(toString(_player)) + "\" are missing; the farm starts afresh.");
        tell("progress missing",
            (_obstacle.empty() ? translated(u"Файлы вашей фермы не найдены в папке:") + u" «" + toWString(folder) + u"»." :
                                 _obstacle) +
                u" " + translated(u"Ферма начата заново."));
        return;
    }
    if (!_pick.getLost().empty())
        tellPlayerAbout("values lost", _player,
            translated(u"Часть файла фермы не читается ни в одной копии. Начаты заново:") + u" " + listed(_pick.getLost()));
    // Its newest copy went to the player it names: the farm is the last copy, which is no damage.
    if (_copies.tellNewestKeptApart(_player, _pick) || _pick.getDamage().empty()) {
        if (!unsaved.empty())
            tell("progress restored", translated(u"Ферма восстановлена из предыдущего сохранения."));
        return;
    }
    if (_pick.isInterrupted()) {
        tell("progress restored", translated(u"Последнее сохранение фермы не завершилось.") + u" " +
                                      translated(u"Ферма восстановлена из предыдущего сохранения."));
        return;
    }
    if (_pick.isLevelStateUnsaved()) {
        tell("progress restored", translated(u"Последнее сохранение фермы не удалось.") + u" " +
                                      translated(u"Пакеты семян на земле и заметки журнала начаты заново."));
        return;
    }
    // Missing, not damaged, where nothing of the save was damaged.
    const WString what = !_obstacle.empty()         ? _obstacle :
                         _pick.isVariablesMissing() ? translated(u"Файл вашей фермы не найден.") :
                         _pick.isLevelStateMissing() && !_pick.isSalvaged() ?
                                                      translated(u"Файл пакетов семян и журнала вашей фермы не найден.") :
                                                      translated(u"Файл вашей фермы был повреждён.");
    tell("progress restored", what + u" " + outcomeOf(_pick));
}
