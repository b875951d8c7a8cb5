# Compiler settings of our own code: warnings are errors, Qt's implicit text casts are off.
function(zfn_target_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wno-error=deprecated-declarations)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_USE_QSTRINGBUILDER
    QT_NO_KEYWORDS QT_NO_FOREACH QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QCUSTOMPLOT_USE_LIBRARY)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  if(ZFN_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# The layer check of a target: runs whenever one of its sources changes and fails the build when a
# source includes a folder its own may not depend on, or when code without windows includes window code
# (cmake/CheckLayer.cmake). WINDOWS after the sources marks window code, checked for its folders only;
# Qt modules named after the sources are allowed (the printing library draws with QtGui).
function(zfn_layer_check target sources)
  set(modules ${ARGN})
  set(windows OFF)
  if("WINDOWS" IN_LIST modules)
    set(windows ON)
    list(REMOVE_ITEM modules WINDOWS)
  endif()
  string(REPLACE ";" "," allowed "${modules}")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.layer-check)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} "-DSOURCES=${sources}" "-DQT_HEADERS=${ZFN_QT_HEADERS}" -DSTAMP=${stamp}
      "-DALLOWED=${allowed}" -DWINDOWS=${windows}
      -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake
    COMMENT "Layer check of ${target}" VERBATIM)
  add_custom_target(${target}_layer_check DEPENDS ${stamp})
  add_dependencies(${target} ${target}_layer_check)
endfunction()
