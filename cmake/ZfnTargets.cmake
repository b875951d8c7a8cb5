# Compiler settings of our own code: warnings are errors, Qt's implicit text casts are off.
function(zfn_target_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wno-error=deprecated-declarations)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_USE_QSTRINGBUILDER QT_NO_KEYWORDS
    QCUSTOMPLOT_USE_LIBRARY)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  if(ZFN_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Window code and pure code stand side by side in each subsystem folder; the file name tells them
# apart. Everything under src/ui and src/app, and every file whose base name ends in one of these
# words, belongs to the window library; the rest is pure code.
set(ZFN_UI_SUFFIX_REGEX "(Window|Dialog|Form|Widget|Chart|Preview|Printout)\\.(cpp|h)$")
