# Writes the desktop entry for the installed program (run by cmake --install).
#
# For the program folder, the entry starts the program by its full path, in its folder, with
# the icon beside it; it goes beside the program and into the desktop's menu. Installed for
# the whole system, it starts the command on the path with the theme's icon, and no starting
# folder, so the program starts in the user's home folder (the program folder is read-only).
file(READ "${QV3307_DESKTOP_TEMPLATE}" entry)
set(folder "${CMAKE_INSTALL_PREFIX}/${QV3307_INSTALL_FOLDER}")
set(menu_entry "${CMAKE_INSTALL_PREFIX}/share/applications/qv3307.desktop")
if(QV3307_SYSTEM_INSTALL)
    string(REPLACE "@EXEC@" "qv3307" entry "${entry}")
    string(REPLACE "Path=@FOLDER@\n" "" entry "${entry}")
    string(REPLACE "@ICON@" "qv3307" entry "${entry}")
    set(targets "${menu_entry}")
else()
    string(REPLACE "@EXEC@" "\"${folder}/qv3307\"" entry "${entry}")
    string(REPLACE "@FOLDER@" "${folder}" entry "${entry}")
    string(REPLACE "@ICON@" "${folder}/qv3307.svg" entry "${entry}")
    set(targets "${folder}/qv3307.desktop" "${menu_entry}")
endif()
foreach(target IN LISTS targets)
    message(STATUS "Installing: $ENV{DESTDIR}${target}")
    file(WRITE "$ENV{DESTDIR}${target}" "${entry}")
    file(CHMOD "$ENV{DESTDIR}${target}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
