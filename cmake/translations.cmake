# The window's translations: translations/foalix_<language>.ts, compiled by Qt's lrelease
# (the host's, for the Windows cross build too) and embedded in the session library as
# :/translations/foalix_<language>.qm.
set(FOALIX_LANGUAGES ja zh_TW en)
find_program(FOALIX_LRELEASE NAMES lrelease lrelease-qt6 HINTS /usr/lib/qt6/bin REQUIRED)

function(foalix_add_translations target)
  set(qm_files)
  foreach(language IN LISTS FOALIX_LANGUAGES)
    set(ts ${PROJECT_SOURCE_DIR}/translations/foalix_${language}.ts)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/translations/foalix_${language}.qm)
    # lrelease makes no folder: Ninja makes an output's folder itself, Make does not.
    add_custom_command(OUTPUT ${qm}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/translations
                       COMMAND ${FOALIX_LRELEASE} -silent ${ts} -qm ${qm}
                       DEPENDS ${ts} VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()
  qt_add_resources(${target} foalix_translations PREFIX /translations
                   BASE ${CMAKE_CURRENT_BINARY_DIR}/translations FILES ${qm_files})
endfunction()
