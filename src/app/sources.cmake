list(APPEND RENVORA_GUI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CaptionBlank.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlEvents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form1Layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressBarProgress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtPlatformServices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
)
