list(APPEND RENVORA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/OpcPackage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScratchFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TableExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkbookReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkbookStyles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkbookWriter.cpp
)
