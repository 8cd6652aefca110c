# Every TrueType file the build reads comes from a Debian package. Check them all before the
# long build, so a missing package is named at once instead of deep in the data step.
# tools/common/FontPackage.h knows the same split between the two DejaVu packages.
function(furrow_font_package path out)
    get_filename_component(name ${path} NAME)
    if(name MATCHES "^DejaVu(Sans|Sans-Bold|SansMono|SansMono-Bold|Serif|Serif-Bold)\\.ttf$")
        set(${out} fonts-dejavu-core PARENT_SCOPE)
    else()
        set(${out} fonts-dejavu-extra PARENT_SCOPE)
    endif()
endfunction()

set(furrow_font_folder /usr/share/fonts/truetype/dejavu)
set(furrow_fonts)
# The bitmap fonts the data bakes.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/fonts/fonts.txt font_lines REGEX "^[^#]")
foreach(line ${font_lines})
    string(REGEX MATCH "[^ \t]+\\.ttf" ttf "${line}")
    list(APPEND furrow_fonts ${ttf})
endforeach()
# The faces the texture maker writes its picture texts in.
file(STRINGS ${PROJECT_SOURCE_DIR}/tools/texturemaker/TextMask.cpp face_lines REGEX "DejaVu[A-Za-z-]*\\.ttf")
foreach(line ${face_lines})
    string(REGEX MATCH "DejaVu[A-Za-z-]*\\.ttf" ttf "${line}")
    list(APPEND furrow_fonts ${furrow_font_folder}/${ttf})
endforeach()
# The statistics overlay's font (tools/CMakeLists.txt).
set(furrow_overlay_font ${furrow_font_folder}/DejaVuSans-Bold.ttf)
list(APPEND furrow_fonts ${furrow_overlay_font})
list(REMOVE_DUPLICATES furrow_fonts)

set(missing_packages)
foreach(ttf ${furrow_fonts})
    if(NOT EXISTS ${ttf})
        furrow_font_package(${ttf} package)
        message(SEND_ERROR "The font ${ttf} is missing: it comes with the Debian package ${package}.")
        list(APPEND missing_packages ${package})
    endif()
endforeach()
if(missing_packages)
    list(REMOVE_DUPLICATES missing_packages)
    list(JOIN missing_packages " " missing_packages)
    message(FATAL_ERROR "Install the missing fonts: apt-get install ${missing_packages} (scripts/install-deps does).")
endif()
