# Image button, skinned menu, tray icon, picture box, colours, message boxes.
target_sources(tavrin_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TColor.h
  ${CMAKE_CURRENT_LIST_DIR}/TColor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CjkFont.h
  ${CMAKE_CURRENT_LIST_DIR}/CjkFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxes.h
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureBox.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Panel.h
  ${CMAKE_CURRENT_LIST_DIR}/Panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImgButton.h
  ${CMAKE_CURRENT_LIST_DIR}/ImgButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinnedMenu.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinnedMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TrayIcon.h
  ${CMAKE_CURRENT_LIST_DIR}/TrayIcon.cpp
)
