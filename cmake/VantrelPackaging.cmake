# Windows resources that make a shipped program at home on modern Windows:
# a version record, an application manifest (per-monitor DPI awareness,
# asInvoker, supported systems; common controls 6 on request) and, for the
# screensaver, string 1 with the display name the system's list shows.
#
#   vantrel_add_program_resources(target
#       FILENAME Vantrel.scr DESCRIPTION "..." [COMMON_CONTROLS] [DISPLAY_NAME text])

function(vantrel_add_program_resources target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(R "COMMON_CONTROLS" "FILENAME;DESCRIPTION;DISPLAY_NAME" "" ${ARGN})
  set(ORIGINAL_FILENAME ${R_FILENAME})
  set(FILE_DESCRIPTION ${R_DESCRIPTION})
  get_filename_component(INTERNAL_NAME ${R_FILENAME} NAME_WE)
  set(MANIFEST_NAME "Vantrel.${target}")
  set(MANIFEST_DEPENDENCIES "")
  if(R_COMMON_CONTROLS)
    set(MANIFEST_DEPENDENCIES
"  <dependency>
    <dependentAssembly>
      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>
    </dependentAssembly>
  </dependency>
")
  endif()
  set(EXTRA_RESOURCES "")
  if(R_DISPLAY_NAME)
    set(EXTRA_RESOURCES "STRINGTABLE\nBEGIN\n  1 \"${R_DISPLAY_NAME}\"\nEND\n")
  endif()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_packaging)
  set(MANIFEST_FILE ${out}/${target}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/program.manifest.in ${MANIFEST_FILE} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/version.rc.in ${out}/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${out}/${target}_version.rc)
  set_property(SOURCE ${out}/${target}_version.rc APPEND PROPERTY OBJECT_DEPENDS ${MANIFEST_FILE})
endfunction()

# Sets out to the shipped programs' targets when both exist (each adds itself
# to vantrel_programs), else to the empty list.
function(vantrel_program_targets out)
  get_target_property(targets vantrel_programs MANUALLY_ADDED_DEPENDENCIES)
  list(LENGTH targets count)
  if(count LESS 2)
    set(targets "")
  endif()
  set(${out} "${targets}" PARENT_SCOPE)
endfunction()
