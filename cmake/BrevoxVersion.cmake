# The product version has one source: project(VERSION) in the top-level
# CMakeLists.txt, as BREVOX_VERSION (four fields). The version resource and the
# manifest of brevox.exe and the MSI all take it from here.
#
# app/brevox.rc and app/brevox.manifest carry a version literally. Rather than
# trusting those literals, the build compiles copies of both with
# BREVOX_VERSION written in; a literal that is no longer where it is expected
# stops the configure step instead of shipping a stale version.

set(BREVOX_VERSION ${PROJECT_VERSION})
if(NOT BREVOX_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "project(VERSION) must have four fields, got '${BREVOX_VERSION}'")
endif()

# Replaces every match of regex in text_var with replacement; fails when none.
function(_brevox_version_replace text_var regex replacement what)
  string(REGEX REPLACE "${regex}" "${replacement}" out "${${text_var}}")
  string(REGEX MATCHALL "${regex}" found "${${text_var}}")
  if(NOT found)
    message(FATAL_ERROR "brevox version: no ${what} found to set to ${BREVOX_VERSION}")
  endif()
  set(${text_var} "${out}" PARENT_SCOPE)
endfunction()

# brevox_version_resources(TARGET RC MANIFEST): TARGET compiles a versioned
# copy of RC (which names MANIFEST) in place of RC itself.
function(brevox_version_resources target rc manifest)
  get_target_property(target_dir ${target} SOURCE_DIR)
  cmake_path(GET rc PARENT_PATH rc_dir)
  cmake_path(GET manifest FILENAME manifest_name)
  set(out_dir ${CMAKE_BINARY_DIR}/version/${target})
  string(REPLACE "." "," commas "${BREVOX_VERSION}")
  string(REGEX MATCH "^[0-9]+\\.[0-9]+" short "${BREVOX_VERSION}")
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${rc} ${manifest})

  file(READ ${manifest} text)
  _brevox_version_replace(text "(<assemblyIdentity[^>]*name=\"Brevox\\.[A-Za-z]+\"[^>]* version=\")[0-9.]+\""
                          "\\1${BREVOX_VERSION}\"" "assembly version in ${manifest}")
  file(CONFIGURE OUTPUT ${out_dir}/${manifest_name} CONTENT "${text}" @ONLY)

  file(READ ${rc} text)
  _brevox_version_replace(text "(FILEVERSION|PRODUCTVERSION) [0-9]+,[0-9]+,[0-9]+,[0-9]+" "\\1 ${commas}"
                          "FILEVERSION/PRODUCTVERSION in ${rc}")
  _brevox_version_replace(text "VALUE \"(File|Product)Version\", \"[0-9.]+\"" "VALUE \"\\1Version\", \"${BREVOX_VERSION}\""
                          "FileVersion/ProductVersion strings in ${rc}")
  # The version shown in the about box and the main caption.
  _brevox_version_replace(text " V[0-9]+\\.[0-9]+\"" " V${short}\"" "caption version in ${rc}")
  _brevox_version_replace(text " [0-9]+\\.[0-9]+ 版\"" " ${short} 版\"" "about-box version in ${rc}")
  # Files named relative to the original rc stay found from the copy.
  _brevox_version_replace(text "RT_MANIFEST \"[^\"]+\"" "RT_MANIFEST \"${out_dir}/${manifest_name}\""
                          "manifest reference in ${rc}")
  string(REGEX REPLACE "ICON \"([^\"/][^\":]*)\"" "ICON \"${rc_dir}/\\1\"" text "${text}")
  file(CONFIGURE OUTPUT ${out_dir}/${target}.rc CONTENT "${text}" @ONLY)

  get_target_property(sources ${target} SOURCES)
  list(TRANSFORM sources PREPEND ${target_dir}/ REGEX "^[^/]")
  list(REMOVE_ITEM sources ${rc})
  list(APPEND sources ${out_dir}/${target}.rc)
  set_property(TARGET ${target} PROPERTY SOURCES ${sources})
  get_source_file_property(deps ${rc} TARGET_DIRECTORY ${target} OBJECT_DEPENDS)
  if(NOT deps)
    set(deps "")
  endif()
  set_source_files_properties(${out_dir}/${target}.rc TARGET_DIRECTORY ${target} PROPERTIES
    OBJECT_DEPENDS "${deps};${rc};${out_dir}/${manifest_name}")
  target_include_directories(${target} PRIVATE ${rc_dir})
endfunction()
