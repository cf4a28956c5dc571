# A subsystem folder becomes one static library of all its .cpp files; the Windows entry
# shim (app/winmain.cpp) is the only portable-folder file left out, since it includes
# <windows.h>.
function(sorvanto_library name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/winmain\\.cpp$")
    sorvanto_library_of(${name} "${sources}" ${ARGN})
endfunction()

# A static library of the given sources. app/ holds two layers, the password part below
# the main window and the start sequence above it, so it is built as two libraries of it.
function(sorvanto_library_of name sources)
    if(NOT sources)
        # A subsystem whose folder holds headers only so far.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${ARGN})
        return()
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# One test executable per folder of tests/, each test registered with CTest.
function(sorvanto_tests name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARGN})
    # Listing the tests of a Windows exe starts Wine, which can take seconds when cold.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
