# Runtime side of the form-host layer: hidden windows with timers, modal
# loops, twips, the program's own folder, the message box.
list(APPEND FORMS_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/program_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/twips_truncating.cpp)
list(APPEND FORMS_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/win32_form_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_program_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_screen.cpp)
