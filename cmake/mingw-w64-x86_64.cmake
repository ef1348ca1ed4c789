# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads flavour, which
# std::thread, std::mutex, GoogleTest and Qt need). The Qt layer needs a Qt for Windows built
# by scripts/qt-windows.sh, given as ORBANIL_QT_WINDOWS_DIR (cache or environment); its tools
# (moc, rcc) are the host's Qt of the same version.
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

if(NOT ORBANIL_QT_WINDOWS_DIR AND DEFINED ENV{ORBANIL_QT_WINDOWS_DIR})
  set(ORBANIL_QT_WINDOWS_DIR $ENV{ORBANIL_QT_WINDOWS_DIR})
endif()
if(ORBANIL_QT_WINDOWS_DIR)
  # A prefix inside a root path is searched as it is, so the packages are found there.
  list(APPEND CMAKE_FIND_ROOT_PATH ${ORBANIL_QT_WINDOWS_DIR})
  list(APPEND CMAKE_PREFIX_PATH ${ORBANIL_QT_WINDOWS_DIR})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORBANIL_QT_WINDOWS_DIR)

# Everything linked in, winpthread and the C++ runtime included, so that each .exe runs
# alone (under Wine too) without hunting for DLLs; zlib (libz-mingw-w64-dev) as libz.a, not
# through its DLL's import library.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)

# Lets try_run and the tests start the built programs through Wine when it is here.
find_program(ORBANIL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ORBANIL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORBANIL_WINE})
endif()
