# The GUI-free cores: they link no Qt Widgets, and a widget include in one of
# their files stops the build under either spelling. <QWidget> is not on a
# core's include path; <QtWidgets/QWidget> would be found through the Qt
# include folder every module shares, so a folder of same-named headers that
# stop the build comes first on each core's own path.
set(CONFIGURATOR_CORES platform app project compiler compiler_update scan vtree grid_base grid_core dropdown_core)

function(forbid_widget_includes target)
  set(_guard ${PROJECT_BINARY_DIR}/widget-guard)
  if(NOT EXISTS ${_guard}/QtWidgets/QWidget)
    get_target_property(_dirs Qt6::Widgets INTERFACE_INCLUDE_DIRECTORIES)
    list(FILTER _dirs INCLUDE REGEX "/QtWidgets$")
    list(GET _dirs 0 _widgets)
    file(GLOB _headers LIST_DIRECTORIES false RELATIVE ${_widgets} ${_widgets}/*)
    foreach(_header ${_headers})
      file(WRITE ${_guard}/QtWidgets/${_header} "#error \"a core target links no Qt Widgets\"\n")
    endforeach()
  endif()
  target_include_directories(${target} BEFORE PRIVATE ${_guard})
endfunction()

foreach(_core ${CONFIGURATOR_CORES})
  forbid_widget_includes(${_core})
endforeach()
