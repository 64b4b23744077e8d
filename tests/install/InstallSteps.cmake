# Shared by the install checks. Programs run as a user starts them: nothing
# tells the loader where to look.
set(plain ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH)
set(flags "")
if(SANITIZE)
  set(flags "-fsanitize=${SANITIZE}")
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

# Runs a host project as a user would; it reports once it has used the whole API.
function(run_consumer program)
  run(${plain} ${program})
  if(NOT last_output MATCHES "every exported class")
    message(FATAL_ERROR "${program} did not report: ${last_output}")
  endif()
  message(STATUS "${last_output}")
endfunction()
