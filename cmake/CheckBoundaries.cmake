# The layer rules of src/, checked over the sources themselves:
#   cmake -DMANIFEST=<build>/boundaries.cmake -P CheckBoundaries.cmake
# The manifest lists every library with its kind, folder, sources and the
# libraries it links (written by mavu_write_boundary_manifest), so a new
# subsystem is covered as soon as its libraries exist.
#
# It fails when
#  - a source or header under src/<folder>/ belongs to no library;
#  - a model library includes a header that is not QtCore's or the standard
#    library's (<QtWidgets/QWidget>, <Qsci/...>, <QColor> ...), or a header
#    of a view library;
#  - a source includes a folder of a higher or equal rank than its own (other
#    than its own folder), or a folder that has no rank;
#  - a library links a library of a higher rank, or a model library links a
#    view library.

cmake_minimum_required(VERSION 3.25)
include(${MANIFEST})

set(_failures "")
macro(_fail text)
  string(APPEND _failures "  ${text}\n")
endmacro()

function(_rank folder out)
  set(_r "")
  foreach(_entry IN LISTS MAVU_LAYER_RANKS)
    if(_entry MATCHES "^${folder}=([0-9]+)$")
      set(_r ${CMAKE_MATCH_1})
    endif()
  endforeach()
  set(${out} "${_r}" PARENT_SCOPE)
endfunction()

# Which library each file belongs to.
set(_view_headers "")
foreach(_lib IN LISTS MAVU_LIBS)
  foreach(_src IN LISTS ${_lib}_SOURCES)
    set(_owner_${_src} ${_lib})
    if(${_lib}_KIND STREQUAL "ui" AND _src MATCHES "\\.h$")
      file(RELATIVE_PATH _rel ${MAVU_SRC_DIR} ${_src})
      list(APPEND _view_headers ${_rel})
    endif()
  endforeach()
endforeach()

# Every file of a subsystem folder belongs to a library.
file(GLOB _folders LIST_DIRECTORIES true ${MAVU_SRC_DIR}/*)
foreach(_dir IN LISTS _folders)
  if(NOT IS_DIRECTORY ${_dir})
    continue()
  endif()
  file(GLOB _files ${_dir}/*.h ${_dir}/*.cpp)
  foreach(_file IN LISTS _files)
    if(NOT DEFINED _owner_${_file})
      file(RELATIVE_PATH _rel ${MAVU_SRC_DIR} ${_file})
      _fail("src/${_rel} belongs to no library: list it in its CMakeLists.txt")
    endif()
  endforeach()
endforeach()

foreach(_lib IN LISTS MAVU_LIBS)
  set(_folder ${${_lib}_FOLDER})
  _rank(${_folder} _own)
  if(_own STREQUAL "")
    _fail("${_lib}: folder src/${_folder} has no rank in MAVU_LAYER_RANKS")
    continue()
  endif()

  foreach(_dep IN LISTS ${_lib}_DEPENDS)
    _rank(${${_dep}_FOLDER} _r)
    if(${_lib}_KIND STREQUAL "model" AND ${_dep}_KIND STREQUAL "ui")
      _fail("${_lib} (model) links the view library ${_dep}")
    elseif(NOT ${_dep}_FOLDER STREQUAL _folder AND (_r STREQUAL "" OR NOT _r LESS _own))
      _fail("${_lib} (src/${_folder}) links ${_dep} (src/${${_dep}_FOLDER}), which is not below it")
    endif()
  endforeach()

  foreach(_src IN LISTS ${_lib}_SOURCES)
    file(RELATIVE_PATH _where ${MAVU_SRC_DIR} ${_src})
    file(STRINGS ${_src} _lines REGEX "^[ \t]*#[ \t]*include")
    foreach(_line IN LISTS _lines)
      if(_line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(_inc ${CMAKE_MATCH_1})
        if(_inc MATCHES "^([A-Za-z_]+)/")
          set(_to ${CMAKE_MATCH_1})
          _rank(${_to} _r)
          if(NOT _to STREQUAL _folder AND (_r STREQUAL "" OR NOT _r LESS _own))
            _fail("src/${_where} (${_folder}) includes \"${_inc}\": ${_to} is not below ${_folder}")
          endif()
        endif()
        if(${_lib}_KIND STREQUAL "model" AND _inc IN_LIST _view_headers)
          _fail("src/${_where} (model) includes the view header \"${_inc}\"")
        endif()
      elseif(${_lib}_KIND STREQUAL "model" AND _line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
        set(_inc ${CMAKE_MATCH_1})
        # Standard headers have no Q prefix; Qt headers must be QtCore's.
        if(_inc MATCHES "^Q" AND NOT EXISTS ${MAVU_QTCORE_INCLUDE_DIR}/${_inc}
           AND NOT _inc MATCHES "^QtCore/")
          _fail("src/${_where} (model) includes the GUI header <${_inc}>")
        elseif(_inc MATCHES "/" AND NOT _inc MATCHES "^QtCore/")
          _fail("src/${_where} (model) includes <${_inc}> from outside QtCore and the standard library")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(_failures)
  message(FATAL_ERROR "Layer boundaries broken:\n${_failures}")
endif()
list(LENGTH MAVU_LIBS _count)
message(STATUS "Layer boundaries hold over ${_count} libraries")
