# Compiles ui/ and main.cpp with the Windows compiler against the host's Qt headers. Debian
# packages no Qt for Windows, so nothing is linked or run; but every line of the Qt layer,
# its Windows branches included, goes through MinGW with the project's warnings.
set(ORBANIL_HOST_QT_INCLUDE /usr/include/x86_64-linux-gnu/qt6
    CACHE PATH "Qt 6 headers used to compile the Qt layer for Windows without linking it")
if(NOT EXISTS ${ORBANIL_HOST_QT_INCLUDE}/QtWidgets/QWidget)
  message(STATUS "Windows compile check of ui/ skipped: no Qt headers in ${ORBANIL_HOST_QT_INCLUDE}")
  return()
endif()
file(GLOB orbanil_ui_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/ui/*.cpp)
add_library(orbanil_ui_windows_check OBJECT ${orbanil_ui_sources} ${PROJECT_SOURCE_DIR}/main.cpp)
target_include_directories(orbanil_ui_windows_check PRIVATE ${PROJECT_SOURCE_DIR})
target_include_directories(orbanil_ui_windows_check SYSTEM PRIVATE
  ${ORBANIL_HOST_QT_INCLUDE} ${ORBANIL_HOST_QT_INCLUDE}/QtCore
  ${ORBANIL_HOST_QT_INCLUDE}/QtGui ${ORBANIL_HOST_QT_INCLUDE}/QtWidgets)
# Only compiled, never run: the cheapest code will do.
target_compile_options(orbanil_ui_windows_check PRIVATE -O0 -g0)
target_link_libraries(orbanil_ui_windows_check PRIVATE orbanil_warnings)
