# Every external library, as one imported target each, found once here.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
find_package(ZLIB REQUIRED)
find_package(OpenGL REQUIRED)

# Expat's UTF-16 build has no CMake or pkg-config file of its own.
find_library(EXPATW_LIBRARY NAMES expatw REQUIRED)
add_library(furrow_expatw INTERFACE)
target_link_libraries(furrow_expatw INTERFACE ${EXPATW_LIBRARY})
target_compile_definitions(furrow_expatw INTERFACE XML_UNICODE)

# libsquish's pkg-config file names an include folder that does not exist.
find_library(SQUISH_LIBRARY NAMES squish REQUIRED)
add_library(furrow_squish INTERFACE)
target_link_libraries(furrow_squish INTERFACE ${SQUISH_LIBRARY})

find_library(MNG_LIBRARY NAMES mng REQUIRED)
add_library(furrow_mng INTERFACE)
target_link_libraries(furrow_mng INTERFACE ${MNG_LIBRARY})

# Debian's libstb carries the compiled implementations: include the headers plainly, never
# define an *_IMPLEMENTATION macro.
find_path(STB_INCLUDE_DIR NAMES stb_image.h PATH_SUFFIXES stb REQUIRED)
find_library(STB_LIBRARY NAMES stb REQUIRED)
add_library(furrow_stb INTERFACE)
target_include_directories(furrow_stb SYSTEM INTERFACE ${STB_INCLUDE_DIR})
target_link_libraries(furrow_stb INTERFACE ${STB_LIBRARY})

# The sound maker encodes Ogg Vorbis.
pkg_check_modules(VORBISENC REQUIRED IMPORTED_TARGET vorbisenc vorbis ogg)
