# Each subsystem builds its model half and its view half as libraries of their
# own, so that one subsystem's work in progress never breaks another's build.
# mavu_model and mavu_ui gather them; the model half sees QtCore only, so a
# model source that includes a widget header fails to compile.

set_property(GLOBAL PROPERTY MAVU_MODEL_LIBS "")
set_property(GLOBAL PROPERTY MAVU_UI_LIBS "")

# The dependency order of the subsystems, by folder under src/: a folder may
# include and link only its own folder and folders of a lower rank. Folders of
# the same rank stand beside each other and do not use one another. A new
# subsystem takes its rank here before its first library is added.
set(MAVU_LAYER_RANKS
  core=0
  tree=1
  editor=2
  javamodel=3
  project=4
  tools=5
  packages=5
  help=5
  beans=5
  guibuilder=5
  debugger=6
  app=9)

# Precompiled headers: one for the model libraries (QtCore and the standard
# library) and one for the view libraries (QtWidgets on top), built once and
# reused by every library of that kind.
function(_mavu_precompile name kind)
  if(NOT MAVU_PCH)
    return()
  endif()
  get_property(_first GLOBAL PROPERTY MAVU_PCH_${kind})
  if(_first)
    target_precompile_headers(${name} REUSE_FROM ${_first})
  else()
    target_precompile_headers(${name} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/pch/${kind}.h)
    set_property(GLOBAL PROPERTY MAVU_PCH_${kind} ${name})
  endif()
endfunction()

# mavu_model_library(<name> SOURCES ... [DEPENDS ...])
function(mavu_model_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Core ${ARG_DEPENDS})
  set_property(GLOBAL APPEND PROPERTY MAVU_MODEL_LIBS ${name})
  _mavu_precompile(${name} model)
endfunction()

# mavu_ui_library(<name> SOURCES ... [DEPENDS ...])
function(mavu_ui_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARG_DEPENDS})
  set_property(GLOBAL APPEND PROPERTY MAVU_UI_LIBS ${name})
  _mavu_precompile(${name} ui)
endfunction()

# mavu_test(<name> LABEL <model|gui|jdk> SOURCES ... DEPENDS ...)
# Each test case may take two minutes at most, however loaded the machine:
# a case that grows with the square of its input (or hangs) fails instead of
# holding up the suite.
function(mavu_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} mavu_testsupport GTest::gtest GTest::gmock)
  if(ARG_LABEL STREQUAL "gui")
    target_link_libraries(${name} PRIVATE mavu_guitestmain)
  endif()
  _mavu_precompile(${name} test)
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${ARG_LABEL}
               ENVIRONMENT QT_QPA_PLATFORM=offscreen
               TIMEOUT 120
    DISCOVERY_TIMEOUT 60)
endfunction()

# Writes what the boundary test reads: every library of src/ with its kind,
# folder, sources and the libraries it links, and the rank table above.
function(mavu_write_boundary_manifest file)
  get_property(_model GLOBAL PROPERTY MAVU_MODEL_LIBS)
  get_property(_ui GLOBAL PROPERTY MAVU_UI_LIBS)
  set(MAVU_QTCORE_INCLUDE_DIR "")
  get_target_property(_qtinc Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
  foreach(_d IN LISTS _qtinc)
    if(_d MATCHES "/QtCore$")
      set(MAVU_QTCORE_INCLUDE_DIR ${_d})
    endif()
  endforeach()
  set(_text "set(MAVU_LAYER_RANKS \"${MAVU_LAYER_RANKS}\")\n")
  string(APPEND _text "set(MAVU_SRC_DIR \"${PROJECT_SOURCE_DIR}/src\")\n")
  string(APPEND _text "set(MAVU_QTCORE_INCLUDE_DIR \"${MAVU_QTCORE_INCLUDE_DIR}\")\n")
  string(APPEND _text "set(MAVU_LIBS \"${_model};${_ui}\")\n")
  foreach(_lib IN LISTS _model _ui)
    if(_lib IN_LIST _model)
      set(_kind model)
    else()
      set(_kind ui)
    endif()
    get_target_property(_dir ${_lib} SOURCE_DIR)
    get_target_property(_srcs ${_lib} SOURCES)
    get_target_property(_links ${_lib} LINK_LIBRARIES)
    set(_abs)
    foreach(_s IN LISTS _srcs)
      if(_s MATCHES "\\.(h|cpp)$" AND NOT _s MATCHES "^\\$<")
        cmake_path(ABSOLUTE_PATH _s BASE_DIRECTORY ${_dir} NORMALIZE OUTPUT_VARIABLE _a)
        list(APPEND _abs ${_a})
      endif()
    endforeach()
    set(_deps)
    foreach(_l IN LISTS _links)
      if(_l IN_LIST _model OR _l IN_LIST _ui)
        list(APPEND _deps ${_l})
      endif()
    endforeach()
    cmake_path(GET _dir FILENAME _folder)
    string(APPEND _text "set(${_lib}_KIND ${_kind})\nset(${_lib}_FOLDER ${_folder})\n")
    string(APPEND _text "set(${_lib}_SOURCES \"${_abs}\")\nset(${_lib}_DEPENDS \"${_deps}\")\n")
  endforeach()
  file(GENERATE OUTPUT ${file} CONTENT "${_text}")
endfunction()
