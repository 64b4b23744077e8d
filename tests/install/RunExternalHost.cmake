cmake_minimum_required(VERSION 3.16)
# The simulated host installed on its own stands in for a real host installed
# elsewhere: the plug-in and the demo are built against it, the plug-in is
# shipped beside the host's libraries, and a host project uses both.
file(REMOVE_RECURSE ${WORK_DIR})
set(host ${WORK_DIR}/host)
include(${CMAKE_CURRENT_LIST_DIR}/InstallSteps.cmake)

# A real host brings its libraries and headers, not this project's package.
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${host} --component SimulatedHost)
file(GLOB host_lib_dir LIST_DIRECTORIES true ${host}/lib*)
file(REMOVE_RECURSE ${host_lib_dir}/cmake ${host}/bin)

# The plug-in is compiled once more here; a compiler cache keeps that cheap on reruns.
if(NOT LAUNCHER)
  find_program(LAUNCHER ccache)
  if(NOT LAUNCHER)
    set(LAUNCHER "")
  endif()
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -DSENDER_EXTERNAL_HOST=ON -DSENDER_HOST_PREFIX=${host}
  -DSENDER_BUILD_PROGRAMS=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0
  -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER} -DSANITIZE=${SANITIZE})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build --target SenderModuleDialog SenderDemoHost -j2)

# The demo, as built, runs on the host's libraries and on nothing of this build's.
set(demo ${WORK_DIR}/build/demo/SenderDemoHost)
find_program(LDD ldd)
if(LDD)
  run(${plain} ${LDD} ${demo})
  foreach(lib OstraControl KivoData HardwareSupport)
    if(NOT last_output MATCHES "lib${lib}\\.so[.0-9]* => ${host_lib_dir}/")
      message(FATAL_ERROR "the demo does not take ${lib} from the host:\n${last_output}")
    endif()
  endforeach()
endif()
run(${plain} ${demo} --project ${WORK_DIR}/demo/project.json --gallery ${WORK_DIR}/demo/png)
if(NOT last_output MATCHES "00_main_window.png")
  message(FATAL_ERROR "demo built against the host: ${last_output}")
endif()

# Shipped beside the host's libraries, the plug-in serves a host project that
# finds the host's libraries and headers through the package.
run(${CMAKE_COMMAND} --install ${WORK_DIR}/build --prefix ${host})
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -DCMAKE_PREFIX_PATH=${host}
  -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
run_consumer(${WORK_DIR}/consumer/consumer)
file(REMOVE_RECURSE ${WORK_DIR}/build)
