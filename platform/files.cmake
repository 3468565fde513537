# INI reader, JPEG and BMP decoders, cursor files (pure C++).
target_sources(tavrin_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FileBytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DibPixels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BmpReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JpegDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CursorFile.cpp
)

# Turning decoded pictures and cursor files into Qt images and cursors.
target_sources(tavrin_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RasterImage.h
  ${CMAKE_CURRENT_LIST_DIR}/RasterImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinCursor.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinCursor.cpp
)
