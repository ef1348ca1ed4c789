# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads flavour, which
# std::thread, std::mutex and GoogleTest need). Use with -DORBANIL_BUILD_UI=OFF: Qt for
# Windows is not packaged for Debian.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORBANIL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORBANIL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORBANIL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORBANIL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORBANIL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in, winpthread and the C++ runtime included, so that each .exe runs
# alone (under Wine too) without hunting for DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Lets try_run and gtest_discover_tests start the built programs through Wine when it is here.
find_program(ORBANIL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ORBANIL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORBANIL_WINE})
endif()
