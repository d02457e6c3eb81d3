# Each subsystem builds its model half and its view half as libraries of their
# own, so that one subsystem's work in progress never breaks another's build.
# mavu_model and mavu_ui gather them; the model half sees QtCore only, so a
# model source that includes a widget header fails to compile.

set_property(GLOBAL PROPERTY MAVU_MODEL_LIBS "")
set_property(GLOBAL PROPERTY MAVU_UI_LIBS "")

# mavu_model_library(<name> SOURCES ... [DEPENDS ...])
function(mavu_model_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Core ${ARG_DEPENDS})
  set_property(GLOBAL APPEND PROPERTY MAVU_MODEL_LIBS ${name})
endfunction()

# mavu_ui_library(<name> SOURCES ... [DEPENDS ...])
function(mavu_ui_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport ${ARG_DEPENDS})
  set_property(GLOBAL APPEND PROPERTY MAVU_UI_LIBS ${name})
endfunction()

# mavu_test(<name> LABEL <model|gui|jdk> SOURCES ... DEPENDS ...)
function(mavu_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} mavu_testsupport GTest::gtest GTest::gmock)
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${ARG_LABEL}
               ENVIRONMENT QT_QPA_PLATFORM=offscreen
    DISCOVERY_TIMEOUT 60)
endfunction()
