# Entry text, target classification, population and launch planning (pure).
target_sources(tavrin_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BarBuilder.h
  ${CMAKE_CURRENT_LIST_DIR}/SplitBySeparator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryHint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClassifyTarget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PopulateBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShellWords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LaunchPlan.cpp
)
