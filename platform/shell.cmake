# Opening targets the way a file manager would. Only QtCore is needed
# (QProcess, QStandardPaths), so it lives in the core library.
target_sources(tavrin_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ShellOpen.cpp
)
