# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack after it built the package: CPack counts each symbolic link (the three
# launchers and their manual pages) as a copy of its target, so the package claims far
# more than it unpacks to. This writes the size as dpkg counts it: each file rounded up to
# whole KiB, each link and folder one KiB.
foreach(deb ${CPACK_PACKAGE_FILES})
    get_filename_component(work ${deb}.unpacked ABSOLUTE)
    file(REMOVE_RECURSE ${work})
    execute_process(COMMAND dpkg-deb -R ${deb} ${work} COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${work} ${work}/*)
    set(kib 0)
    foreach(entry ${entries})
        if(entry MATCHES "^DEBIAN")
            continue()
        endif()
        if(IS_SYMLINK ${work}/${entry} OR IS_DIRECTORY ${work}/${entry})
            math(EXPR kib "${kib} + 1")
        else()
            file(SIZE ${work}/${entry} bytes)
            math(EXPR kib "${kib} + (${bytes} + 1023) / 1024")
        endif()
    endforeach()
    file(READ ${work}/DEBIAN/control control)
    string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${kib}" control "${control}")
    file(WRITE ${work}/DEBIAN/control "${control}")
    execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip -b ${work} ${deb}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${work})
endforeach()
