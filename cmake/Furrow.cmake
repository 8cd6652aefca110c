# One library per source folder: every .cpp in the folder (not its sub-folders) belongs to it.
# A folder named with TREE_ in front ("TREE_Game/Farm") takes its sub-folders too: a layer or a
# part of the game sorted into rooms of its own that still builds as one library. A list of
# folders ("platform;platform/images") makes one library of them all, for a layer whose other
# sub-folders are libraries of their own.
function(furrow_library name dirs)
    set(sources)
    foreach(dir IN LISTS dirs)
        if(dir MATCHES "^TREE_(.*)$")
            file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_MATCH_1}/*.cpp)
        else()
            file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
        endif()
        list(APPEND sources ${found})
    endforeach()
    if(NOT sources)
        # A folder whose code has not arrived yet still gives a library to link.
        set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# One test program per tests/ folder, every TEST registered with ctest on its own.
function(furrow_tests name dir)
    if(dir MATCHES "^TREE_(.*)$")
        file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_MATCH_1}/*.cpp)
    else()
        file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    endif()
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE furrow_test_support GTest::gtest GTest::gmock GTest::gtest_main ${ARGN})
    gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        PROPERTIES ENVIRONMENT "FURROW_DATA=${PROJECT_BINARY_DIR}/Data" DISCOVERY_TIMEOUT 60)
endfunction()

# A libFuzzer target from one source file.
function(furrow_fuzzer name source)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
