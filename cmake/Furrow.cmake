# One library per source folder: every .cpp in the folder (not its sub-folders) belongs to it.
function(furrow_library name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
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
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
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
