# Runs one Qt Test program under Wine and prints its report (cmake -DWINE=... -DTEST=...
# -DREPORT=... -P QtTestUnderWine.cmake). Under Wine a Qt Test program's own standard output
# stays empty, so the report goes through a file. Two warnings that Qt gives for every window,
# about calls Wine does not implement (icons read back, per-window DPI scaling), are left out.
execute_process(COMMAND ${WINE} ${TEST} -o ${REPORT},txt RESULT_VARIABLE result)
if(EXISTS ${REPORT})
  file(STRINGS ${REPORT} lines)
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "fromWinHICON|EnableNonClientDpiScaling")
      message("${line}")
    endif()
  endforeach()
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TEST} ended with ${result}")
endif()
