# Writes the desktop entry for the installed program (run by cmake --install).
set(folder "${CMAKE_INSTALL_PREFIX}/${QV3307_INSTALL_FOLDER}")
file(READ "${QV3307_DESKTOP_TEMPLATE}" entry)
string(REPLACE "@PROGRAM@" "${folder}/qv3307" entry "${entry}")
string(REPLACE "@PROGRAM_FOLDER@" "${folder}" entry "${entry}")
string(REPLACE "@ICON@" "${folder}/qv3307.svg" entry "${entry}")
foreach(target "${folder}/qv3307.desktop"
               "${CMAKE_INSTALL_PREFIX}/share/applications/qv3307.desktop")
    message(STATUS "Installing: $ENV{DESTDIR}${target}")
    file(WRITE "$ENV{DESTDIR}${target}" "${entry}")
endforeach()
