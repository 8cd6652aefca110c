# Copies the built demo files that a fuzz target reads into its seed folder, so every run
# starts from real data instead of nothing. Run at build time: -DDATA=<Data> -DOUT=<seeds>.
set(seeds
    "xml:*.xml" "settings:sys/settings.xml" "settingsfile:sys/settings.xml" "timeline:Gameplay/*.xml"
    "game:game.xml" "control:Ui/*.xml" "box:Ui/*.xml" "text:Ui/*.xml" "font:fonts/*.fnt" "mesh:Meshes/*.mesh"
    "pack:*.pack" "image:Logo*.jpg" "image:Pictures/*.png" "profile:GameResLog.xml" "properties:GameResLog.xml"
    "strings:../data/pack/main/sys/strings.xml")
foreach(seed ${seeds})
    string(REPLACE ":" ";" parts "${seed}")
    list(GET parts 0 target)
    list(GET parts 1 pattern)
    get_filename_component(pattern "${DATA}/${pattern}" ABSOLUTE)
    file(GLOB_RECURSE files "${pattern}")
    file(MAKE_DIRECTORY "${OUT}/${target}")
    foreach(path ${files})
        get_filename_component(name "${path}" NAME)
        file(RELATIVE_PATH relative "${DATA}" "${path}")
        if(NOT relative MATCHES "^\\.\\.")
            set(name "${relative}")
        endif()
        string(REPLACE "/" "_" name "${name}")
        configure_file("${path}" "${OUT}/${target}/${name}" COPYONLY)
    endforeach()
endforeach()
