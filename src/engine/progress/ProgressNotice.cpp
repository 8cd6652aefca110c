#include "engine/progress/ProgressNotice.h"

#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/KeptCopies.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/Profile.h"
#include "engine/progress/ProgressPick.h"
#include "engine/text/TextConvert.h"

#include <vector>

namespace {

// The subject of a notice about one player, told to each player.
String about(const char* _what, const WString& _name)
{
    return String(_what) + " " + toString(_name);
}

WString listed(const std::vector<WString>& _values)
{
    WString list;
    for (const WString& what : _values)
        list += (list.empty() ? WString() : WString(u", ")) + translated(what);
    return list + u".";
}

// What became of a damaged farm, in the player's words.
const char16_t* outcomeOf(const cProgressPick& _pick)
{
    if (_pick.isNothingSalvaged())
        return u"Ферма начата заново.";
    if (_pick.isSalvaged() || _pick.isLevelStateSalvaged())
        return u"Ферма собрана из того, что в нём уцелело.";
    if (_pick.isLevelStateLost())
        return u"Пакеты семян на земле и заметки журнала начаты заново.";
    return u"Ферма восстановлена из предыдущего сохранения.";
}

} // namespace

void tellProgress(const cProgressPick& _pick, const WString& _player, const WString& _obstacle, Bool _new,
    cKeptCopies& _copies)
{
    // What stands in the place of the farm's files is told as it is, not as a damaged file.
    if (!_obstacle.empty() && _pick.getDamage().empty() && !_pick.hasNoVariables())
        tellPlayer(about("folder in place of a farm file", _player), _obstacle);
    // Without any copy of the variables (folders in their places, say) nothing of the farm is left.
    if (_pick.hasNoVariables() && !_new) {
        const String folder = cFileManager::get().getCommonPath(cProfile::getProfilesDir());
        logError("The files of the farm of \"" + cutForLog(toString(_player)) + "\" are missing; the farm starts afresh.");
        tellPlayer(about("progress missing", _player),
            (_obstacle.empty() ? translated(u"Файлы вашей фермы не найдены в папке:") + u" «" + toWString(folder) + u"»." :
                                 _obstacle) +
                u" " + translated(u"Ферма начата заново."));
        return;
    }
    if (!_pick.getLost().empty())
        tellPlayer(about("values lost", _player),
            translated(u"Часть файла фермы не читается ни в одной копии. Начаты заново:") + u" " + listed(_pick.getLost()));
    // Its newest copy went to the player it names: the farm is the last copy, which is no damage.
    if (_copies.tellNewestKeptApart(_player, _pick) || _pick.getDamage().empty())
        return;
    const String subject = about("progress restored", _player);
    if (_pick.isInterrupted()) {
        tellPlayer(subject, translated(u"Последнее сохранение фермы не завершилось.") + u" " +
                                translated(u"Ферма восстановлена из предыдущего сохранения."));
        return;
    }
    if (_pick.isLevelStateUnsaved()) {
        tellPlayer(subject, translated(u"Последнее сохранение фермы не удалось.") + u" " +
                                translated(u"Пакеты семян на земле и заметки журнала начаты заново."));
        return;
    }
    tellPlayer(subject, (_obstacle.empty() ? translated(u"Файл вашей фермы был повреждён.") : _obstacle) + u" " +
                            translated(outcomeOf(_pick)));
}
