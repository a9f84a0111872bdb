list(APPEND RENVORA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CollectedFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CollectionMessages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DropIntake.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExtensionFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderCollection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileListModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderScan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NamedPaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WidestEntries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WildcardPattern.cpp
)
