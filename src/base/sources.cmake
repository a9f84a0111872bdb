list(APPEND RENVORA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogPaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LargeBlocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NativeName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemporaryNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextChunks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextWidth.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TrailingSeparator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WholeNumber.cpp
)
