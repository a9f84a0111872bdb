list(APPEND RENVORA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BoundedFileStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CameraName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExifDateTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FactCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FactReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FactSet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileFact.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileStatus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LegacyTagText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LookupFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MetadataLibraries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PhotoReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadOnlyFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetFileFacts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagReader.cpp
)
