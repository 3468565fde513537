# The launcher bar widget list1, file icons and the picture lists.
target_sources(tavrin_platform PRIVATE
  ${PROJECT_SOURCE_DIR}/platform/ImageList.h
  ${PROJECT_SOURCE_DIR}/platform/ImageList.cpp
)
target_sources(tavrin_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BarSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/OutlookBar.h
  ${CMAKE_CURRENT_LIST_DIR}/OutlookBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileIcon.h
  ${CMAKE_CURRENT_LIST_DIR}/FileIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryIcons.h
  ${CMAKE_CURRENT_LIST_DIR}/EntryIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BarPopulationTarget.h
  ${CMAKE_CURRENT_LIST_DIR}/BarPopulationTarget.cpp
)
