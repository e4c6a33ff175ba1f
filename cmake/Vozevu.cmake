# Shared build helpers.

# vozevu_widget_library(<target> [EXCLUDE <files>...] [LINK <libs>...])
# A static library of every .cpp/.h/.ui in the calling folder.
function(vozevu_widget_library target)
  cmake_parse_arguments(ARG "" "" "LINK;EXCLUDE" ${ARGN})
  file(GLOB files CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  foreach(ex ${ARG_EXCLUDE})
    list(REMOVE_ITEM files ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
  endforeach()
  set(cpps ${files})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(cpps)
    add_library(${target} STATIC ${files})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC Qt5::Core Qt5::Gui Qt5::Widgets ${ARG_LINK})
  else()
    # Nothing built in this folder yet.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE Qt5::Core Qt5::Gui Qt5::Widgets ${ARG_LINK})
  endif()
endfunction()

# vozevu_qtest(<name> SOURCES <files>... LINK <libs>...)
# A Qt Test executable registered with CTest, run on the offscreen platform.
function(vozevu_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  foreach(src ${ARG_SOURCES})
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${src})
      message(WARNING "${name}: ${src} is missing; test not built")
      return()
    endif()
  endforeach()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LINK})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
  target_compile_definitions(${name} PRIVATE
    VOZEVU_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1"
    TIMEOUT 300)
endfunction()
