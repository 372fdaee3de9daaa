# Puts the program into a scratch root, either by `cmake --install` with DESTDIR
# (MODE install) or by building the Debian package and unpacking it (MODE deb),
# then checks the files that land there and how they refer to each other.
# Takes BUILD (the build tree), WORK (a scratch directory) and MODE.
cmake_minimum_required(VERSION 3.25)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

set(id org.example.tolkar)
set(root ${WORK}/root)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${root})

if(MODE STREQUAL "install")
    run(${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr)
elseif(MODE STREQUAL "deb")
    run(cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}/out)
    file(GLOB debs ${WORK}/out/vorkast-tolkar_*.deb)
    list(LENGTH debs count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "expected one vorkast-tolkar_*.deb, found: ${debs}")
    endif()
    run(dpkg-deb --field ${debs} Package Version Section Depends)
    message(STATUS "control fields:\n${output}")
    string(REGEX MATCH "Depends: ([^\n]*)" line "${output}")
    set(depends "${CMAKE_MATCH_1}")
    # The Qt libraries come from the shared-library scan, the font by name; apt
    # pulls them in on a fresh system.
    foreach(needed libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc\\+\\+6 fonts-liberation2)
        if(NOT depends MATCHES "(^|, )${needed}( |,|$)")
            message(FATAL_ERROR "Depends lacks ${needed}: ${depends}")
        endif()
    endforeach()
    if(NOT output MATCHES "Package: vorkast-tolkar\n" OR NOT output MATCHES "Section: games\n")
        message(FATAL_ERROR "unexpected control fields:\n${output}")
    endif()
    run(dpkg -x ${debs} ${root})
else()
    message(FATAL_ERROR "MODE must be install or deb")
endif()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
list(SORT files)
set(expected
    usr/bin/vorkast-tolkar
    usr/share/applications/${id}.desktop
    usr/share/icons/hicolor/128x128/apps/${id}.png
    usr/share/icons/hicolor/16x16/apps/${id}.png
    usr/share/icons/hicolor/256x256/apps/${id}.png
    usr/share/icons/hicolor/32x32/apps/${id}.png
    usr/share/icons/hicolor/48x48/apps/${id}.png
    usr/share/metainfo/${id}.metainfo.xml
)
if(NOT files STREQUAL expected)
    string(REPLACE ";" "\n  " shown "${files}")
    message(FATAL_ERROR "installed files differ from the expected list:\n  ${shown}")
endif()

run(test -x ${root}/usr/bin/vorkast-tolkar)

# Each icon has the size of the directory it lies in (PNG: width and height at
# bytes 16..23 of the file, big-endian).
foreach(size 16 32 48 128 256)
    file(READ ${root}/usr/share/icons/hicolor/${size}x${size}/apps/${id}.png header
         OFFSET 16 LIMIT 8 HEX)
    math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${hex}" 2 -1 hex)
    string(LENGTH "${hex}" digits)
    while(digits LESS 8)
        string(PREPEND hex "0")
        string(LENGTH "${hex}" digits)
    endwhile()
    string(TOLOWER "${hex}${hex}" wanted)
    if(NOT header STREQUAL wanted)
        message(FATAL_ERROR "${size}x${size} icon has header ${header}, not ${wanted}")
    endif()
endforeach()

# The desktop entry starts the installed program and names the installed icon;
# the metainfo launches that desktop entry.
file(READ ${root}/usr/share/applications/${id}.desktop entry)
foreach(key "Exec=vorkast-tolkar" "Icon=${id}" "Name=Vorkast Толкарь")
    if(NOT entry MATCHES "\n${key}\n")
        message(FATAL_ERROR "desktop entry lacks ${key}:\n${entry}")
    endif()
endforeach()
file(READ ${root}/usr/share/metainfo/${id}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">${id}.desktop</launchable>"
   OR NOT metainfo MATCHES "<id>${id}</id>")
    message(FATAL_ERROR "metainfo does not name ${id} and its desktop entry")
endif()
# The metainfo read in its installed place, beside the entry it launches.
run(appstreamcli validate-tree --no-net ${root})

string(REPLACE ";" "\n  " shown "${files}")
message(STATUS "installed:\n  ${shown}")
