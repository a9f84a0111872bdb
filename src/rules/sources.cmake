list(APPEND RENVORA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Characters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NamePiece.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameSourceExtraction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NewNameComposition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NewNameReplacement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Numbering.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathParts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RuleValues.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TableBuild.cpp
)
