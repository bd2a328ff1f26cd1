# Files come from globs, and moc's own dependency file only knows the headers
# it saw last time: when the list of files changes (a new file, a merge), its
# stamp is removed so that moc looks at every header again.
function(rerun_moc_when_files_change target files)
  set(_list ${CMAKE_CURRENT_BINARY_DIR}/${target}_files.txt)
  string(JOIN "\n" _content ${files})
  set(_old "")
  if(EXISTS ${_list})
    file(READ ${_list} _old)
  endif()
  if(NOT _old STREQUAL _content)
    file(WRITE ${_list} "${_content}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
endfunction()

# The source files of the current folder and of its sub-folders, leaving out
# every sub-folder that has a CMakeLists.txt of its own (and all below it):
# such a folder is a target of its own.
function(collect_folder_sources out)
  file(GLOB_RECURSE _all CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  file(GLOB_RECURSE _lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  set(_dirs "")
  foreach(_list ${_lists})
    get_filename_component(_dir ${_list} DIRECTORY)
    list(APPEND _dirs "${_dir}/")
  endforeach()
  set(_kept "")
  foreach(_file ${_all})
    set(_own TRUE)
    foreach(_dir ${_dirs})
      string(FIND "${_file}" "${_dir}" _at)
      if(_at EQUAL 0)
        set(_own FALSE)
        break()
      endif()
    endforeach()
    if(_own)
      list(APPEND _kept ${_file})
    endif()
  endforeach()
  set(${out} ${_kept} PARENT_SCOPE)
endfunction()

# One library target per subsystem folder. Sources are picked up from the
# folder itself, so adding a file needs no edit here. DEPS are the targets the
# folder's headers include (its dependants see them too); PRIVATE_DEPS those
# only its sources include.
function(add_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  collect_folder_sources(_all)
  set(_src ${_all})
  list(FILTER _src INCLUDE REGEX "\\.cpp$")
  if(_src)
    set(_scope PUBLIC)
    add_library(${name} STATIC ${_all})
    rerun_moc_when_files_change(${name} "${_all}")
    # Benchmarks and fuzz targets link every library there is.
    set_property(GLOBAL APPEND PROPERTY CONFIGURATOR_LIBRARIES ${name})
    if(ARG_PRIVATE_DEPS)
      target_link_libraries(${name} PRIVATE ${ARG_PRIVATE_DEPS})
    endif()
  else()
    # A folder that has no code yet still gives its dependants a target.
    set(_scope INTERFACE)
    add_library(${name} INTERFACE)
  endif()
  target_include_directories(${name} ${_scope} ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} ${_scope} ${ARG_DEPS})
endfunction()

# One GoogleTest executable per test folder, registered test by test with CTest.
# A suite takes the .cpp files of its own folder only: a sub-folder with its own
# CMakeLists.txt is a suite of its own. CORE runs the suite on a QCoreApplication
# (no display); TSAN also builds and runs it under ThreadSanitizer in the
# test command's second build.
function(add_test_suite name)
  cmake_parse_arguments(ARG "CORE;TSAN" "" "DEPS;PROPERTIES" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(CONFIGURATOR_TSAN AND NOT ARG_TSAN)
    return()
  endif()
  add_executable(${name} ${_src})
  rerun_moc_when_files_change(${name} "${_src}")
  if(ARG_CORE)
    target_link_libraries(${name} PRIVATE test_main_core)
  else()
    target_link_libraries(${name} PRIVATE test_main_gui test_support_ui)
  endif()
  target_link_libraries(${name} PRIVATE test_support ${ARG_DEPS})
  set(_labels "")
  if(ARG_TSAN)
    set(_labels tsan)
    set_property(GLOBAL APPEND PROPERTY CONFIGURATOR_TSAN_SUITES ${name})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    # Every test has a limit: a hang fails the run instead of stalling it.
    PROPERTIES TIMEOUT 120 LABELS "${_labels}"
    # One value per property: a list in ENVIRONMENT would be split into
    # separate property names on the way through test discovery.
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               ENVIRONMENT_MODIFICATION "SHARED_DATA_DIR=set:${SHARED_DATA_DIR}" ${ARG_PROPERTIES})
endfunction()
