# SPDX-License-Identifier: MIT
# Run by cpack after the staging install, before the package is made: what Debian wants that
# a plain install has no business doing. Debian's copyright file replaces LICENSE (the same
# text), the changelog is added, and the manual pages are compressed, all with gzip -9n (no
# name, no time stamp, so that two builds give the same package).
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(doc "${usr}/share/doc/glyphmate")
get_filename_component(here "${CMAKE_CURRENT_LIST_FILE}" DIRECTORY)

function(gzip_to source target)
  execute_process(COMMAND gzip -9n -c "${source}" OUTPUT_FILE "${target}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip failed on ${source}")
  endif()
  file(CHMOD "${target}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

file(MAKE_DIRECTORY "${doc}")
file(REMOVE "${doc}/LICENSE")
file(COPY_FILE "${here}/copyright" "${doc}/copyright")
file(CHMOD "${doc}/copyright" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
gzip_to("${here}/changelog" "${doc}/changelog.Debian.gz")

file(GLOB pages "${usr}/share/man/man*/*.[1-9]")
foreach(page IN LISTS pages)
  gzip_to("${page}" "${page}.gz")
  file(REMOVE "${page}")
endforeach()
