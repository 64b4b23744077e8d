cmake_minimum_required(VERSION 3.16)
# Installs the build into scratch prefixes and checks the package as a packager
# and a host project see it.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
include(${CMAKE_CURRENT_LIST_DIR}/InstallSteps.cmake)

# 1. A plain install holds the plug-in's public API and nothing of the simulated host.
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
file(GLOB headers RELATIVE ${prefix}/include/SenderModuleDialog ${prefix}/include/SenderModuleDialog/*)
list(SORT headers)
list(LENGTH headers header_count)
message(STATUS "${header_count} headers installed: ${headers}")
foreach(internal CanvasRules.h DepthRateRules.h ChromaDiagram.h ChromaDiagramPainter.h
    GamutImage.h GamutSlots.h ColorStandard.h AddressRules.h ChromaWndAccess.h CIE1931Observer.h EdidSettingsRecord.h EdidOptions.h DialogStyle.h LineEx.h EdidBuilder.h Assert.h Maths
    HostCallLog.h CMessageBoxAnswers.h KivoData.h CCustomDialog.h)
  if(internal IN_LIST headers)
    message(FATAL_ERROR "internal or host header installed: ${internal}")
  endif()
endforeach()
foreach(public SenderModuleDialogInit.h CEdidSetDlg.h CChromaticityDlgWnd.h ChromaGamutThread.h Polygon.h
    SenderModuleDialogExport.h SenderModuleDialogVersion.h)
  if(NOT public IN_LIST headers)
    message(FATAL_ERROR "public header missing: ${public}")
  endif()
endforeach()
file(GLOB_RECURSE installed_libs RELATIVE ${prefix} ${prefix}/lib*/lib*)
foreach(lib ${installed_libs})
  if(NOT lib MATCHES "/libSenderModuleDialog\\.so")
    message(FATAL_ERROR "installed without being asked for: ${lib}")
  endif()
endforeach()
if(EXISTS ${prefix}/bin/SenderDemoHost)
  message(FATAL_ERROR "the demo host installed without being asked for")
endif()
foreach(qm SenderModuleDialog_en.qm SenderModuleDialog_zh_CN.qm)
  if(NOT EXISTS ${prefix}/share/SenderModuleDialog/translations/${qm})
    message(FATAL_ERROR "translation not installed: ${qm}")
  endif()
endforeach()

file(READ ${prefix}/lib/cmake/SenderModuleDialog/SenderModuleDialogTargets.cmake targets)
if(targets MATCHES "SenderGeometry|SenderEdid|SenderInclude")
  message(FATAL_ERROR "a static helper library is part of the link interface")
endif()

# 2. Installed outside the system folders, libraries find each other through a
#    RUNPATH relative to themselves; installed for a system folder, through the
#    loader alone. The prefix is chosen at install time, not at configure time.
file(GLOB plugin_lib ${prefix}/lib*/libSenderModuleDialog.so.*.*)
get_filename_component(lib_dir ${plugin_lib} DIRECTORY)
find_program(READELF readelf)
if(READELF)
  run(${READELF} -d ${plugin_lib})
  if(NOT last_output MATCHES "RUNPATH[^\n]*\[\$ORIGIN\]")
    message(FATAL_ERROR "no RUNPATH $ORIGIN on ${plugin_lib}:\n${last_output}")
  endif()
  run(${CMAKE_COMMAND} -E env DESTDIR=${WORK_DIR}/staged ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
  file(GLOB staged_lib ${WORK_DIR}/staged/usr/lib*/libSenderModuleDialog.so.*.*)
  run(${READELF} -d ${staged_lib})
  if(last_output MATCHES "RUNPATH|RPATH")
    message(FATAL_ERROR "RUNPATH on a library for /usr:\n${last_output}")
  endif()
endif()

# 3. Without the simulated host, the package looks for the real host's libraries
#    (outside CMake's system folders here, where a real host may live) and says
#    which one it misses.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build-without-host
    -DCMAKE_PREFIX_PATH=${prefix} -DQt5_DIR=${QT5_DIR} -DCMAKE_FIND_USE_CMAKE_SYSTEM_PATH=OFF
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "host library [A-Za-z]+ was not found")
  message(FATAL_ERROR "a host project found the package without any host libraries:\n${out}\n${err}")
endif()

# 4. The simulated host comes on request; then a host project builds with the
#    package, every installed header compiling on its own, and runs without
#    LD_LIBRARY_PATH.
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component SimulatedHost)
if(NOT EXISTS ${prefix}/include/SenderModuleDialog/KivoData.h)
  message(FATAL_ERROR "the simulated host's headers were not installed on request")
endif()
if(NOT EXISTS ${prefix}/share/doc/SenderModuleDialog/project-file.md)
  message(FATAL_ERROR "the simulated host's project file format was not installed with it")
endif()
# A linker that drops unreferenced libraries (--as-needed) leaves the plug-in to
# find the host's libraries itself.
string(REPLACE ";" "," header_list "${headers}")
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${prefix}
    "-DPUBLIC_HEADERS=${header_list}" "-DCMAKE_CXX_FLAGS=${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags} -Wl,--as-needed")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
file(GLOB_RECURSE header_objects ${WORK_DIR}/build/*_h.cpp.o)
list(LENGTH header_objects compiled_count)
if(NOT compiled_count EQUAL header_count)
  message(FATAL_ERROR "${compiled_count} of ${header_count} headers compiled on their own")
endif()
run_consumer(${WORK_DIR}/build/consumer)

# The installed programs start as they are, wherever the prefix is.
run(${plain} ${prefix}/bin/sendertool cct 6500)
if(NOT last_output MATCHES "^0\\.3127")
  message(FATAL_ERROR "installed sendertool: ${last_output}")
endif()
run(${plain} ${prefix}/bin/SenderDemoHost --project ${WORK_DIR}/demo/project.json --gallery ${WORK_DIR}/demo/png)
if(NOT last_output MATCHES "00_main_window.png")
  message(FATAL_ERROR "installed demo host: ${last_output}")
endif()

# 5. The same host project built with pkg-config alone.
find_program(PKG_CONFIG pkg-config)
find_program(CXX NAMES c++ g++)
if(PKG_CONFIG AND CXX AND NOT SANITIZE)
  file(GLOB pc_dir ${prefix}/lib*/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "${pc_dir}")
  run(${PKG_CONFIG} --cflags --libs SenderModuleDialog)
  string(STRIP "${last_output}" pc_flags)
  separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
  # pkg-config names no RUNPATH; a host outside the system folders adds its own.
  run(${PKG_CONFIG} --variable=libdir SenderModuleDialog)
  string(STRIP "${last_output}" pc_libdir)
  run(${CXX} -std=c++17 -fPIC ${CONSUMER_DIR}/main.cpp ${pc_flags} -Wl,--as-needed -Wl,-rpath,${pc_libdir}
    -o ${WORK_DIR}/consumer-pc)
  run_consumer(${WORK_DIR}/consumer-pc)
endif()
