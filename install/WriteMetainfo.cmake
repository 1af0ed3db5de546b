# Writes the AppStream metainfo (cmake -P): the template with the component id, the
# homepage, the screenshots' address and a release for every entry of the Debian changelog.
# In: TEMPLATE, CHANGELOG, OUTPUT, APPSTREAM_ID, HOMEPAGE, SCREENSHOTS.
file(READ "${CHANGELOG}" changelog)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

# One entry: "qv3307 (1.0.0) unstable; urgency=medium", its "  * " items, and the trailer
# " -- Name <address>  Thu, 10 Dec 2026 13:30:00 +0000". The changelog is cut into a list
# at each head line; its own semicolons are kept out of the list's way meanwhile.
string(REPLACE ";" "<semicolon>" changelog "${changelog}")
string(REGEX REPLACE "\nqv3307 \\(" ";qv3307 (" entries "${changelog}")
set(releases "")
foreach(entry IN LISTS entries)
    if(NOT entry MATCHES "^qv3307 \\(([^)]+)\\)")
        continue()
    endif()
    set(version "${CMAKE_MATCH_1}")
    if(NOT entry MATCHES "\n -- [^\n]*  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+)")
        message(FATAL_ERROR "${CHANGELOG}: the entry for ${version} has no dated trailer")
    endif()
    set(day "${CMAKE_MATCH_1}")
    set(year "${CMAKE_MATCH_3}")
    list(FIND months "${CMAKE_MATCH_2}" month)
    math(EXPR month "${month} + 1")
    string(LENGTH "${day}" length)
    if(length EQUAL 1)
        set(day "0${day}")
    endif()
    if(month LESS 10)
        set(month "0${month}")
    endif()

    # Each "  * " item with its continuation lines becomes a list item.
    string(REGEX MATCHALL "\n  \\* [^\n]*(\n    [^\n]*)*" items "${entry}")
    set(list_items "")
    foreach(item IN LISTS items)
        string(REPLACE "<semicolon>" ";" item "${item}")
        string(REGEX REPLACE "^\n  \\* " "" item "${item}")
        string(REGEX REPLACE "\n +" " " item "${item}")
        string(REPLACE "&" "&amp;" item "${item}")
        string(REPLACE "<" "&lt;" item "${item}")
        string(REPLACE ">" "&gt;" item "${item}")
        string(APPEND list_items "          <li>${item}</li>\n")
    endforeach()
    string(APPEND releases
        "    <release version=\"${version}\" date=\"${year}-${month}-${day}\">\n"
        "      <description>\n        <ul>\n${list_items}        </ul>\n      </description>\n"
        "    </release>\n")
endforeach()
string(REGEX REPLACE "\n$" "" RELEASES "${releases}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
