# sender_find_host(): imported targets SenderModuleDialog::OstraControl,
# ::KivoData, ::HardwareSupport and ::ILedTesselLabel for a host built
# elsewhere. Targets of those names that already exist (the host's own
# package, found first) are kept. Otherwise each library and its headers are
# looked up in SENDER_HOST_LIBRARY_DIR and SENDER_HOST_INCLUDE_DIR when given,
# then under SENDER_HOST_PREFIX and CMAKE_PREFIX_PATH. Sets SenderHost_FOUND and,
# when something is missing, SenderHost_NOT_FOUND_MESSAGE.
function(sender_find_host)
  # Library, then a header that stands in its include folder.
  set(host_libraries OstraControl CCustomDialog.h KivoData KivoData.h HardwareSupport HwSenderLogic.h
    ILedTesselLabel ILedTesselLabel.h)
  set(SenderHost_FOUND TRUE PARENT_SCOPE)
  while(host_libraries)
    list(POP_FRONT host_libraries lib header)
    if(TARGET SenderModuleDialog::${lib})
      continue()
    endif()
    find_library(SenderHost_${lib}_LIBRARY ${lib} HINTS ${SENDER_HOST_LIBRARY_DIR} ${SENDER_HOST_PREFIX}
      PATH_SUFFIXES lib lib64)
    find_path(SenderHost_${lib}_INCLUDE_DIR ${header} HINTS ${SENDER_HOST_INCLUDE_DIR} ${SENDER_HOST_PREFIX}
      PATH_SUFFIXES include/SenderModuleDialog include SenderModuleDialog)
    if(NOT SenderHost_${lib}_LIBRARY)
      set(SenderHost_FOUND FALSE PARENT_SCOPE)
      set(SenderHost_NOT_FOUND_MESSAGE "the host library ${lib} was not found" PARENT_SCOPE)
      return()
    endif()
    if(NOT SenderHost_${lib}_INCLUDE_DIR)
      set(SenderHost_FOUND FALSE PARENT_SCOPE)
      set(SenderHost_NOT_FOUND_MESSAGE "the header ${header} of the host library ${lib} was not found" PARENT_SCOPE)
      return()
    endif()
    add_library(SenderModuleDialog::${lib} UNKNOWN IMPORTED GLOBAL)
    set_target_properties(SenderModuleDialog::${lib} PROPERTIES
      IMPORTED_LOCATION "${SenderHost_${lib}_LIBRARY}"
      INTERFACE_INCLUDE_DIRECTORIES "${SenderHost_${lib}_INCLUDE_DIR}"
      INTERFACE_LINK_LIBRARIES "Qt5::Core;Qt5::Gui;Qt5::Widgets;Qt5::Network")
  endwhile()
endfunction()
