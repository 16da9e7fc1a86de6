# The Debian package: cpack -G DEB in the release build makes brevio_VERSION_ARCH.deb.
set(BREVIO_DOC_DIR share/doc/brevio)

# Debian wants the manual page and the changelog compressed, reproducibly (no time stamp).
function(brevio_gzipped source output)
  configure_file(${source} ${CMAKE_CURRENT_BINARY_DIR}/${output} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${output}.gz
    COMMAND gzip -9nf ${output}
    COMMAND ${CMAKE_COMMAND} -E touch ${output}.gz
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DEPENDS ${source}
    COMMENT "Compressing ${output}")
endfunction()
brevio_gzipped(${PROJECT_SOURCE_DIR}/docs/brevio.1 brevio.1)
brevio_gzipped(${PROJECT_SOURCE_DIR}/packaging/changelog.in changelog)
add_custom_target(brevio_package_documents ALL
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/brevio.1.gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/brevio.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz packaging/copyright
        DESTINATION ${BREVIO_DOC_DIR})
install(DIRECTORY examples/station DESTINATION ${BREVIO_DOC_DIR}/examples)
install(FILES packaging/brevio.service DESTINATION /lib/systemd/system)

set(CPACK_PACKAGE_NAME brevio)
set(CPACK_PACKAGE_VENDOR "Brevio maintainers")
set(CPACK_PACKAGE_CONTACT "Brevio maintainers <maintainers@users.noreply.c-seed-361cf56b.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "APRS query server for one amateur radio station")
set(CPACK_PACKAGE_DESCRIPTION "Other stations send the station short queries as APRS messages (?HELP, ?TIME,
?WX ...) and Brevio answers each with one message: the topics, the time, its
version, its uptime or an answer the operator wrote. It can place objects on
the map, throttles itself and logs everything. It talks KISS to a TNC (TCP or
serial) or to APRS-IS, and runs with a window or headless as a systemd service.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
include(CPack)
