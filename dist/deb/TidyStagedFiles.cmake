# Run by CPack on the staged files before it builds the package, to give them
# the form Debian wants: programs stripped as Debian's own tools strip them
# (no compiler notes either), manual pages compressed at the highest level
# without a time stamp, so that the same sources give the same package.
file(GLOB_RECURSE staged "${CPACK_TEMPORARY_DIRECTORY}/*")

set(programs ${staged})
list(FILTER programs INCLUDE REGEX "/bin/[^/]+$")
foreach(program IN LISTS programs)
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded "${program}"
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot strip ${program}")
  endif()
endforeach()

set(pages ${staged})
list(FILTER pages INCLUDE REGEX "/share/man/man[1-9]/[^/]+\\.[1-9]$")
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9n -f "${page}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot compress ${page}")
  endif()
endforeach()
