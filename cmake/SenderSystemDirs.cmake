# sender_is_system_libdir(DIR OUT): OUT is true when DIR is one the dynamic loader
# and the linker search anyway (their implicit directories, /usr/local/lib).
function(sender_is_system_libdir dir out)
  set(system_dirs ${CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES} ${CMAKE_PLATFORM_IMPLICIT_LINK_DIRECTORIES}
    /lib /lib64 /usr/lib /usr/lib64 /usr/local/lib /usr/local/lib64)
  if(CMAKE_LIBRARY_ARCHITECTURE)
    list(APPEND system_dirs /lib/${CMAKE_LIBRARY_ARCHITECTURE} /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}
      /usr/local/lib/${CMAKE_LIBRARY_ARCHITECTURE})
  endif()
  get_filename_component(dir "${dir}" ABSOLUTE)
  set(found FALSE)
  foreach(system_dir ${system_dirs})
    get_filename_component(system_dir "${system_dir}" ABSOLUTE)
    if(dir STREQUAL system_dir)
      set(found TRUE)
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()
