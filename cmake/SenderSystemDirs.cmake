# sender_system_libdirs(OUT): the folders the dynamic loader and the linker
# search anyway (their implicit directories, /usr/local/lib), as absolute paths.
function(sender_system_libdirs out)
  set(system_dirs ${CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES} ${CMAKE_PLATFORM_IMPLICIT_LINK_DIRECTORIES}
    /lib /lib64 /usr/lib /usr/lib64 /usr/local/lib /usr/local/lib64)
  if(CMAKE_LIBRARY_ARCHITECTURE)
    list(APPEND system_dirs /lib/${CMAKE_LIBRARY_ARCHITECTURE} /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}
      /usr/local/lib/${CMAKE_LIBRARY_ARCHITECTURE})
  endif()
  set(result "")
  foreach(system_dir ${system_dirs})
    get_filename_component(system_dir "${system_dir}" ABSOLUTE)
    list(APPEND result "${system_dir}")
  endforeach()
  list(REMOVE_DUPLICATES result)
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# sender_is_system_libdir(DIR OUT): OUT is true when DIR is one of those folders.
function(sender_is_system_libdir dir out)
  sender_system_libdirs(system_dirs)
  get_filename_component(dir "${dir}" ABSOLUTE)
  if(dir IN_LIST system_dirs)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()
