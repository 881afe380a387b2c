# What `cmake --install` puts on a machine: the program, its translations, the user guide, a
# desktop entry with its icon, and the machine-wide data folder for the settings file, which
# the program itself never creates.
include(GNUInstallDirs)

if(WIN32)
  set(TELVANE_GUIDE_DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(TELVANE_DATA_FOLDER "$ENV{ProgramData}/Kelm/OstrelUtils" CACHE PATH "Machine-wide data folder")
else()
  # Help looks for the guide here, relative to the program's folder.
  set(TELVANE_GUIDE_DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/telvane)
  set(TELVANE_DATA_FOLDER "/var/lib/Kelm/OstrelUtils" CACHE PATH "Machine-wide data folder")
endif()

if(TARGET telvane)
  install(TARGETS telvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/docs/user-guide.md DESTINATION ${TELVANE_GUIDE_DESTINATION})
# Running from the build tree, Help finds the guide beside the program.
configure_file(${PROJECT_SOURCE_DIR}/docs/user-guide.md ${PROJECT_BINARY_DIR}/user-guide.md COPYONLY)

# The built-in translations, as examples a translator starts "Telvane.sib" from.
if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/console/translations)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/console/translations/
          DESTINATION ${CMAKE_INSTALL_DATADIR}/telvane/translations FILES_MATCHING PATTERN "*.sib")
endif()

if(NOT WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/telvane.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/telvane.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Every operator of the machine reads and writes the one settings file, so the folder is open
# to all of them, as the common application-data folder is on Windows.
install(CODE "
  set(folder \"\$ENV{DESTDIR}${TELVANE_DATA_FOLDER}\")
  message(STATUS \"Data folder: \${folder}\")
  file(MAKE_DIRECTORY \"\${folder}\")
  if(NOT WIN32)
    file(CHMOD \"\${folder}\" DIRECTORY_PERMISSIONS
         OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_WRITE GROUP_EXECUTE
         WORLD_READ WORLD_WRITE WORLD_EXECUTE)
  endif()
")
