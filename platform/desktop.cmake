# X11: window type and state, work area, pointer hit test.
target_sources(tavrin_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/X11Desktop.h
  ${CMAKE_CURRENT_LIST_DIR}/X11Desktop.cpp
)
