# The install rules that only a system-wide install has (included by CMakeLists.txt here).

# A command in bin for each program: a relative link, so that the tree can be unpacked and
# tried anywhere.
foreach(program IN LISTS programs)
    set(link ${CMAKE_CURRENT_BINARY_DIR}/bin/${program})
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/bin)
    file(CREATE_LINK ../${program_folder}/${program} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION bin)
endforeach()

install(FILES 60-qv3307-cable.rules DESTINATION lib/udev/rules.d)

# Manual pages and the changelog are kept compressed, without a name or a time in the gzip
# header, so that the same sources give the same package.
function(qv3307_compressed_copy source target)
    add_custom_command(OUTPUT ${target}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${target}.tmp
        COMMAND gzip -9nf ${target}.tmp
        COMMAND ${CMAKE_COMMAND} -E rename ${target}.tmp.gz ${target}
        DEPENDS ${source}
        COMMENT "Compressing ${target}")
endfunction()

set(compressed_files)
foreach(program IN LISTS programs)
    set(page ${CMAKE_CURRENT_SOURCE_DIR}/man/${program}.1)
    if(EXISTS ${page})
        set(compressed ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1.gz)
        file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/man)
        qv3307_compressed_copy(${page} ${compressed})
        install(FILES ${compressed} DESTINATION share/man/man1)
        list(APPEND compressed_files ${compressed})
    endif()
endforeach()

# The changelog names the version it was last written for; a package of another version
# would say something untrue about itself.
set(changelog ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog)
file(STRINGS ${changelog} changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^qv3307 \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "install/debian/changelog starts with \"${changelog_head}\", "
                        "but the program is version ${PROJECT_VERSION}: add an entry for it")
endif()
qv3307_compressed_copy(${changelog} ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
list(APPEND compressed_files ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION share/doc/qv3307)

add_custom_target(compressed_documents ALL DEPENDS ${compressed_files})
add_dependencies(installed_files compressed_documents)

include(Package.cmake)
