#pragma once
// Which Debian package holds a DejaVu TrueType file, so that a missing font is reported with
// the package that brings it. cmake/Fonts.cmake knows the same split for the configure check.
#include <string>

inline std::string fontPackage(const std::string& _path)
{
    const std::string name = _path.substr(_path.find_last_of('/') + 1);
    // fonts-dejavu-core holds the plain families; the condensed, light and oblique cuts are
    // in fonts-dejavu-extra.
    for (const char* core : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf",
             "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"})
        if (name == core)
            return "fonts-dejavu-core";
    if (name.rfind("DejaVu", 0) == 0)
        return "fonts-dejavu-extra";
    return "";
}

// "Cannot read the TrueType font <path>." with the package to install when one is known.
inline std::string missingFontMessage(const std::string& _path)
{
    const std::string package = fontPackage(_path);
    std::string message = "Cannot read the TrueType font " + _path + ".";
    if (!package.empty())
        message += " It comes with the Debian package " + package + ": apt-get install " + package + ".";
    return message;
}
