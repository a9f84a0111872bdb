list(APPEND RENVORA_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ChainRenamer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DerivationTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileOutcome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderListing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinuxFileSystem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlanConflicts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RenameChains.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RenameExecutor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RenamePlan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowPlan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowsByHash.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SplitPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunForecast.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunUndo.cpp
)
