# What the Debian package carries beside the programs: the copyright file, the changelog and a
# manual page for each program, made by help2man from the program's own --help and --version
# (so that they cannot drift apart). Debian wants the changelog and the manual pages compressed
# with gzip -9n (no name, no time stamp).
include(GNUInstallDirs)
set(TOVALO_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging/deb")
set(TOVALO_PACKAGING_OUT "${PROJECT_BINARY_DIR}/packaging")
find_program(TOVALO_GZIP gzip)
find_program(TOVALO_HELP2MAN help2man)

install(FILES "${TOVALO_PACKAGING_DIR}/copyright" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tovalo)

if(NOT TOVALO_GZIP)
  message(STATUS "gzip not found: no changelog and manual pages for the package")
  return()
endif()
add_custom_command(
  OUTPUT "${TOVALO_PACKAGING_OUT}/changelog.gz"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${TOVALO_PACKAGING_OUT}"
  COMMAND "${CMAKE_COMMAND}" -E copy "${TOVALO_PACKAGING_DIR}/changelog" "${TOVALO_PACKAGING_OUT}/changelog"
  COMMAND "${TOVALO_GZIP}" -9nf "${TOVALO_PACKAGING_OUT}/changelog"
  DEPENDS "${TOVALO_PACKAGING_DIR}/changelog"
  VERBATIM)
set(packaging_outputs "${TOVALO_PACKAGING_OUT}/changelog.gz")
install(FILES "${TOVALO_PACKAGING_OUT}/changelog.gz" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tovalo)

if(TOVALO_HELP2MAN)
  # program target, NAME line of the page
  set(pages "tovalo-cli\;Tovalo without a window: work with definition files and run dpct over them")
  if(TARGET tovalo)
    list(APPEND pages "tovalo\;desktop front end for dpct, the CUDA-to-SYCL migration tool")
  endif()
  foreach(page IN LISTS pages)
    list(GET page 0 program)
    list(GET page 1 summary)
    set(man "${TOVALO_PACKAGING_OUT}/${program}.1")
    # Run by its bare name, so that the page shows "tovalo", not the build folder.
    add_custom_command(
      OUTPUT "${man}.gz"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${TOVALO_PACKAGING_OUT}"
      COMMAND "${CMAKE_COMMAND}" -E env "PATH=$<TARGET_FILE_DIR:${program}>:$ENV{PATH}"
              "SOURCE_DATE_EPOCH=1796644800" "ASAN_OPTIONS=detect_leaks=0"
              "${TOVALO_HELP2MAN}" --no-info "--version-string=${PROJECT_VERSION}" "--name=${summary}" --output=${man} ${program}
      COMMAND "${TOVALO_GZIP}" -9nf "${man}"
      DEPENDS ${program}
      VERBATIM)
    list(APPEND packaging_outputs "${man}.gz")
    install(FILES "${man}.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
else()
  message(STATUS "help2man not found: no manual pages for the package (apt-get install help2man)")
endif()
add_custom_target(packaging_documents ALL DEPENDS ${packaging_outputs})
