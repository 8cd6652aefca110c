# Every TrueType file the build reads comes from a Debian package. Check them all before the
# long build, so a missing package is named at once instead of deep in the data step. The one
# table of the files, their packages and the picture texts' faces is data/fonts/truetype.txt;
# the tools read it as FontTable.h, written here.
set(furrow_font_folder /usr/share/fonts/truetype/dejavu)
set(furrow_font_table ${PROJECT_SOURCE_DIR}/data/fonts/truetype.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${furrow_font_table}
    ${PROJECT_SOURCE_DIR}/data/fonts/fonts.txt)

set(furrow_fonts)
set(font_table_rows)
file(STRINGS ${furrow_font_table} table_lines REGEX "^[^#]")
foreach(line ${table_lines})
    separate_arguments(fields UNIX_COMMAND "${line}")
    list(LENGTH fields count)
    if(count LESS 2 OR count GREATER 3)
        message(FATAL_ERROR "${furrow_font_table}: \"${line}\" is not <TrueType file> <package> [<face>].")
    endif()
    list(GET fields 0 ttf)
    list(GET fields 1 package)
    set(face "")
    if(count EQUAL 3)
        list(GET fields 2 face)
        # The faces the texture maker writes its picture texts in.
        list(APPEND furrow_fonts ${furrow_font_folder}/${ttf})
    endif()
    set(font_package_${ttf} ${package})
    string(APPEND font_table_rows "    {\"${ttf}\", \"${package}\", \"${face}\"},\n")
endforeach()
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/generated/FontTable.h CONTENT [=[
#pragma once
// Written by cmake/Fonts.cmake from data/fonts/truetype.txt: change that table, not this file.

struct sTrueTypeFile {
    const char* file;
    const char* package;
    // The name a picture text calls it by, or "".
    const char* face;
};

inline constexpr const char* kTrueTypeFolder = "@furrow_font_folder@/";
inline constexpr sTrueTypeFile kTrueTypeFiles[] = {
@font_table_rows@};
]=] @ONLY)
add_library(furrow_font_table INTERFACE)
target_include_directories(furrow_font_table INTERFACE ${PROJECT_BINARY_DIR}/generated ${PROJECT_SOURCE_DIR}/tools/common)

# The bitmap fonts the data bakes.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/fonts/fonts.txt font_lines REGEX "^[^#]")
foreach(line ${font_lines})
    string(REGEX MATCH "[^ \t]+\\.ttf" ttf "${line}")
    list(APPEND furrow_fonts ${ttf})
endforeach()
# The statistics overlay's font (tools/CMakeLists.txt).
set(furrow_overlay_font ${furrow_font_folder}/DejaVuSans-Bold.ttf)
list(APPEND furrow_fonts ${furrow_overlay_font})
list(REMOVE_DUPLICATES furrow_fonts)

set(missing_packages)
foreach(ttf ${furrow_fonts})
    if(NOT EXISTS ${ttf})
        get_filename_component(name ${ttf} NAME)
        set(package ${font_package_${name}})
        if(package)
            message(SEND_ERROR "The font ${ttf} is missing: it comes with the Debian package ${package}.")
            list(APPEND missing_packages ${package})
        else()
            message(SEND_ERROR "The font ${ttf} is missing, and data/fonts/truetype.txt names no package for it.")
        endif()
    endif()
endforeach()
if(missing_packages)
    list(REMOVE_DUPLICATES missing_packages)
    list(JOIN missing_packages " " missing_packages)
    message(FATAL_ERROR "Install the missing fonts: apt-get install ${missing_packages} (scripts/install-deps does).")
endif()
