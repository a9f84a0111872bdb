list(APPEND RENVORA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ColumnRefill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColumnTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColumnWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeptCells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetCalculation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetColumn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabularText.cpp
)
