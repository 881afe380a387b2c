# The settings library, as one target for every part that reads or writes an ini file.
# Debian ships it as a library built against ICU (found through pkg-config); its header must
# then be told to convert through ICU as well. Elsewhere, Windows included, it is the plain
# header, which picks the platform's own converter; SI_IMPLEMENTATION asks a copy of the
# header that keeps its definitions apart for a library (as Debian's does) to give them inline.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
  pkg_check_modules(SimpleIni QUIET IMPORTED_TARGET simpleini)
endif()

add_library(telvane_simpleini INTERFACE)
if(SimpleIni_FOUND)
  target_link_libraries(telvane_simpleini INTERFACE PkgConfig::SimpleIni)
  if("icuuc" IN_LIST SimpleIni_LIBRARIES)
    target_compile_definitions(telvane_simpleini INTERFACE SI_CONVERT_ICU)
  endif()
else()
  find_path(TELVANE_SIMPLEINI_INCLUDE_DIR SimpleIni.h REQUIRED)
  target_include_directories(telvane_simpleini SYSTEM INTERFACE ${TELVANE_SIMPLEINI_INCLUDE_DIR})
  target_compile_definitions(telvane_simpleini INTERFACE SI_IMPLEMENTATION)
endif()
