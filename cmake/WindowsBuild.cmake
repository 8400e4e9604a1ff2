# What a Windows build needs beyond the Linux one: GoogleTest built from its
# sources with the same compiler, and, when cross-compiling, Wine to run the
# tests (ctest and test discovery both go through CMAKE_CROSSCOMPILING_EMULATOR).

set(TEMBRIX_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest's sources, built with the project when no GoogleTest for this compiler exists")

if(TEMBRIX_BUILD_TESTS)
    find_package(GTest QUIET CONFIG)
    if(NOT GTest_FOUND)
        if(NOT EXISTS ${TEMBRIX_GTEST_SOURCE_DIR}/CMakeLists.txt)
            message(FATAL_ERROR "No GoogleTest sources in ${TEMBRIX_GTEST_SOURCE_DIR} "
                                "(Debian: apt-get install googletest)")
        endif()
        # find_package(GTest) in tests/ then takes these targets instead of searching.
        include(FetchContent)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_SHARED_LIBS OFF)
        FetchContent_Declare(GTest SOURCE_DIR ${TEMBRIX_GTEST_SOURCE_DIR} OVERRIDE_FIND_PACKAGE)
        FetchContent_MakeAvailable(GTest)
        foreach(lib gtest gtest_main gmock gmock_main)
            if(NOT TARGET GTest::${lib})
                add_library(GTest::${lib} ALIAS ${lib})
            endif()
        endforeach()
    endif()
endif()

# Where the DLLs of Qt and of the MinGW run time are: Wine finds them there for
# the tests, and the portable folder (WindowsDist.cmake) copies them from there.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(TEMBRIX_GCC_RUNTIME_DIR "${libstdcxx}" DIRECTORY)
set(TEMBRIX_WINDOWS_DLL_DIRS "${TEMBRIX_QT_MINGW}/bin" "${TEMBRIX_GCC_RUNTIME_DIR}"
    "/usr/${TEMBRIX_MINGW_TRIPLET}/lib" "/usr/${TEMBRIX_MINGW_TRIPLET}/bin")

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(TEMBRIX_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
    if(TEMBRIX_WINE)
        # One Wine prefix per build folder keeps runs apart and away from the user's own.
        set(TEMBRIX_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
        # The DLLs of Qt and of the MinGW run time, found without copying them.
        set(TEMBRIX_WINE_PATH "")
        foreach(dir ${TEMBRIX_WINDOWS_DLL_DIRS})
            string(APPEND TEMBRIX_WINE_PATH "Z:${dir};")
        endforeach()
        string(REPLACE "/" "\\\\" TEMBRIX_WINE_PATH "${TEMBRIX_WINE_PATH}")
        # Liberation Sans has the metrics of the classic dialog face, as on Linux.
        set(TEMBRIX_FONT_DIR /usr/share/fonts/truetype/liberation)
        configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run
                       @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                       GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
    else()
        message(STATUS "Wine not found: the Windows tests can be built but not run here")
    endif()
endif()
