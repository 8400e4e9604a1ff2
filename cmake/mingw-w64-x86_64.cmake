# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 g++ (posix threads).
# The Qt for MinGW is found through TEMBRIX_QT_MINGW (a cache variable or the
# environment variable of that name); Qt's moc, rcc and uic come from the
# machine's own Qt of the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TEMBRIX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TEMBRIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TEMBRIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${TEMBRIX_MINGW_TRIPLET}-windres)
set(CMAKE_AR           ${TEMBRIX_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       ${TEMBRIX_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")
# file(GET_RUNTIME_DEPENDENCIES) reads the imports of a program with this.
set(CMAKE_OBJDUMP      ${TEMBRIX_MINGW_TRIPLET}-objdump CACHE FILEPATH "")

if(NOT TEMBRIX_QT_MINGW AND DEFINED ENV{TEMBRIX_QT_MINGW})
    set(TEMBRIX_QT_MINGW "$ENV{TEMBRIX_QT_MINGW}")
endif()
set(TEMBRIX_QT_MINGW "${TEMBRIX_QT_MINGW}" CACHE PATH "The Qt for MinGW (its prefix)")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TEMBRIX_QT_MINGW)

set(CMAKE_FIND_ROOT_PATH /usr/${TEMBRIX_MINGW_TRIPLET} ${TEMBRIX_QT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
