# SPDX-License-Identifier: MIT
# Run by cpack after the staging install: adds Debian's copyright file and the changelog,
# compressed as Debian wants it (gzip -9n: no name, no time stamp).
set(doc "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/glyphmate")
file(MAKE_DIRECTORY "${doc}")
get_filename_component(here "${CMAKE_CURRENT_LIST_FILE}" DIRECTORY)
file(COPY_FILE "${here}/copyright" "${doc}/copyright")
execute_process(COMMAND gzip -9n -c "${here}/changelog" OUTPUT_FILE "${doc}/changelog.Debian.gz"
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip failed on the Debian changelog")
endif()
# LICENSE says what copyright says; Debian keeps one of them.
file(REMOVE "${doc}/LICENSE")
file(CHMOD "${doc}/copyright" "${doc}/changelog.Debian.gz"
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
