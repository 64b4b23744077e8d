# How the project installs: the plug-in's public API by default, the simulated
# host's libraries only on request (they carry the real host's library names).
include(GNUInstallDirs)
include(SenderSystemDirs)

option(SENDER_INSTALL_SIMULATED_HOST
  "Install the simulated host libraries and the demo host with everything else (otherwise only with --component SimulatedHost)"
  OFF)
set(SENDER_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/SenderModuleDialog)
set(SENDER_TRANSLATIONS_DIR ${CMAKE_INSTALL_DATADIR}/SenderModuleDialog/translations)
set(SENDER_SIMULATED_HOST_LIBRARIES OstraControl KivoData HardwareSupport ILedTesselLabel)

# Installed programs find the libraries beside them through a RUNPATH relative
# to their own place, so the tree starts wherever --prefix puts it. A library
# looks in its own folder: the host's libraries it needs may not be direct
# dependencies of the program (a linker with --as-needed drops those).
file(RELATIVE_PATH sender_bin_to_lib /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
set(CMAKE_INSTALL_RPATH "$ORIGIN/${sender_bin_to_lib}")
set(SENDER_LIBRARY_RPATH "$ORIGIN")
# The prefix is known only at install time; there, a RUNPATH in a folder the
# loader searches anyway would only override the system's choice, so it goes.
sender_system_libdirs(SENDER_SYSTEM_LIBDIRS)

set(sender_host_install_args COMPONENT SimulatedHost)
if(NOT SENDER_INSTALL_SIMULATED_HOST)
  list(APPEND sender_host_install_args EXCLUDE_FROM_ALL)
endif()

# sender_install_runpath_fixup(TARGET DESTINATION [install args]): after TARGET
# is installed into DESTINATION, drops its RUNPATH when the library folder of
# the install prefix is one the loader searches anyway.
function(sender_install_runpath_fixup target destination)
  install(CODE "
    set(sender_libdir \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}\")
    get_filename_component(sender_libdir \"\${sender_libdir}\" ABSOLUTE)
    set(sender_system_libdirs [[${SENDER_SYSTEM_LIBDIRS}]])
    list(FIND sender_system_libdirs \"\${sender_libdir}\" sender_system_index)
    if(sender_system_index GREATER -1)
      set(sender_file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/$<TARGET_FILE_NAME:${target}>\")
      message(STATUS \"No RUNPATH in a system folder: \${sender_file}\")
      file(RPATH_REMOVE FILE \"\${sender_file}\")
    endif()" ${ARGN})
endfunction()

# sender_install_simulated_host(TARGETS ... HEADERS ...): install rules of the
# simulated host's libraries, programs and headers, all in component SimulatedHost.
function(sender_install_simulated_host)
  cmake_parse_arguments(H "" "" "TARGETS;HEADERS" ${ARGN})
  foreach(target ${H_TARGETS})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} ${sender_host_install_args})
      sender_install_runpath_fixup(${target} ${CMAKE_INSTALL_BINDIR} ${sender_host_install_args})
    else()
      install(TARGETS ${target} EXPORT SenderSimulatedHostTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} ${sender_host_install_args})
      sender_install_runpath_fixup(${target} ${CMAKE_INSTALL_LIBDIR} ${sender_host_install_args})
    endif()
  endforeach()
  if(H_HEADERS)
    install(FILES ${H_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/SenderModuleDialog
      ${sender_host_install_args})
  endif()
endfunction()

# sender_host_library(NAME SOURCES ... HEADERS ... DEPS ...): one of the simulated
# host's shared libraries, with hidden default visibility (NAME_LIBRARY defined
# while building it); HEADERS are the ones a host project includes.
function(sender_host_library name)
  cmake_parse_arguments(L "" "" "SOURCES;HEADERS;DEPS" ${ARGN})
  add_library(${name} SHARED ${L_SOURCES} ${L_HEADERS})
  string(TOUPPER ${name} upper)
  target_compile_definitions(${name} PRIVATE ${upper}_LIBRARY)
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR} INSTALL_RPATH "${SENDER_LIBRARY_RPATH}")
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/SenderModuleDialog>)
  target_link_libraries(${name} PUBLIC ${L_DEPS})
  sender_install_simulated_host(TARGETS ${name} HEADERS ${L_HEADERS})
endfunction()

# The CMake package, its version file and the pkg-config file.
function(sender_install_package)
  include(CMakePackageConfigHelpers)
  install(EXPORT SenderModuleDialogTargets NAMESPACE SenderModuleDialog:: DESTINATION ${SENDER_PACKAGE_DIR})
  if(NOT SENDER_EXTERNAL_HOST)
    install(EXPORT SenderSimulatedHostTargets NAMESPACE SenderModuleDialog::
      DESTINATION ${SENDER_PACKAGE_DIR} ${sender_host_install_args})
  endif()
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/SenderModuleDialogConfig.cmake.in
    ${PROJECT_BINARY_DIR}/SenderModuleDialogConfig.cmake INSTALL_DESTINATION ${SENDER_PACKAGE_DIR}
    PATH_VARS SENDER_TRANSLATIONS_DIR)
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/SenderModuleDialogConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/SenderModuleDialogConfig.cmake
    ${PROJECT_BINARY_DIR}/SenderModuleDialogConfigVersion.cmake ${PROJECT_SOURCE_DIR}/cmake/SenderFindHost.cmake
    DESTINATION ${SENDER_PACKAGE_DIR})

  # pkg-config paths relative to the .pc file keep the installed tree relocatable.
  file(RELATIVE_PATH pc_to_prefix /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
  string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
  list(JOIN SENDER_SIMULATED_HOST_LIBRARIES " -l" host_libs)
  set(SENDER_PC_HOST_LIBS "-l${host_libs}")
  set(SENDER_PC_PREFIX "\${pcfiledir}/${pc_to_prefix}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/SenderModuleDialog.pc.in
    ${PROJECT_BINARY_DIR}/SenderModuleDialog.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/SenderModuleDialog.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()
