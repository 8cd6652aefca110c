#include "platform/system/System.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace platform {

sLocalTime getLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    sLocalTime result;
    result.year = parts.tm_year + 1900;
    result.month = parts.tm_mon + 1;
    result.day = parts.tm_mday;
    result.hour = parts.tm_hour;
    result.minute = parts.tm_min;
    result.second = parts.tm_sec;
    return result;
}

std::string getLastErrorText()
{
    const int code = errno;
    if (code == 0)
        return std::string();
    return std::strerror(code);
}

} // namespace platform
