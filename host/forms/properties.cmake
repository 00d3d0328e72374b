# Property side of the form-host layer: property bags, ambient properties,
# saved layouts, access keys, focus movement.
list(APPEND FORMS_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/access_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ambient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/focus_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_desc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/property_bag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/saved_layout.cpp)
list(APPEND FORMS_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/win32_access_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_focus.cpp)
