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

# Libraries in the loader's own search path find each other without help; a
# RUNPATH there would only override the system's choice.
sender_is_system_libdir("${CMAKE_INSTALL_FULL_LIBDIR}" sender_system_libdir)
if(NOT sender_system_libdir)
  set(CMAKE_INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
endif()

set(sender_host_install_args COMPONENT SimulatedHost)
if(NOT SENDER_INSTALL_SIMULATED_HOST)
  list(APPEND sender_host_install_args EXCLUDE_FROM_ALL)
endif()

# sender_install_simulated_host(TARGETS ... HEADERS ...): install rules of the
# simulated host's libraries, programs and headers, all in component SimulatedHost.
function(sender_install_simulated_host)
  cmake_parse_arguments(H "" "" "TARGETS;HEADERS" ${ARGN})
  foreach(target ${H_TARGETS})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} ${sender_host_install_args})
    else()
      install(TARGETS ${target} EXPORT SenderSimulatedHostTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} ${sender_host_install_args})
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
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
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
  install(EXPORT SenderSimulatedHostTargets NAMESPACE SenderModuleDialog::
    DESTINATION ${SENDER_PACKAGE_DIR} ${sender_host_install_args})
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/SenderModuleDialogConfig.cmake.in
    ${PROJECT_BINARY_DIR}/SenderModuleDialogConfig.cmake INSTALL_DESTINATION ${SENDER_PACKAGE_DIR}
    PATH_VARS SENDER_TRANSLATIONS_DIR)
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/SenderModuleDialogConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/SenderModuleDialogConfig.cmake
    ${PROJECT_BINARY_DIR}/SenderModuleDialogConfigVersion.cmake DESTINATION ${SENDER_PACKAGE_DIR})

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
