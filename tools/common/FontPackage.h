#pragma once
// Which Debian package holds a TrueType file, so that a missing font is reported with the
// package that brings it: data/fonts/truetype.txt says, for the configure check too.
#include "FontTable.h"

#include <string>

inline std::string fontPackage(const std::string& _path)
{
    const std::string name = _path.substr(_path.find_last_of('/') + 1);
    for (const sTrueTypeFile& font : kTrueTypeFiles)
        if (name == font.file)
            return font.package;
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
