# Source files are picked by where they live and how they are named, so that adding a file needs no
# edit here:
#   win32_*, and everything under gfx/win32/ and gfx/drivers/ except null_*  -> Windows builds only
#   posix_*                                                                   -> native builds only
# The rest is portable and builds everywhere.

# Collects the sources of DIR (recursively) that belong to the platform being built into OUT.
function(qz_platform_sources out dir)
  file(GLOB_RECURSE all CONFIGURE_DEPENDS "${dir}/*.cpp")
  set(kept "")
  foreach(f IN LISTS all)
    get_filename_component(name "${f}" NAME)
    file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}" "${f}")
    set(win_only FALSE)
    if(name MATCHES "^win32_" OR rel MATCHES "^gfx/win32/")
      set(win_only TRUE)
    elseif(rel MATCHES "^gfx/drivers/" AND NOT name MATCHES "^null_" AND NOT name STREQUAL "driver_list.cpp")
      set(win_only TRUE)
    endif()
    if(win_only AND NOT WIN32)
      continue()
    endif()
    if(name MATCHES "^posix_" AND WIN32)
      continue()
    endif()
    list(APPEND kept "${f}")
  endforeach()
  set(${out} "${kept}" PARENT_SCOPE)
endfunction()
