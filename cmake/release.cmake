# The release notes (the Debian changelog) start with an entry for the project's version;
# that entry's date is the release date the AppStream data shows: FOALIX_RELEASE_DATE.
set(changelog ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
file(STRINGS ${changelog} changelog_top LIMIT_COUNT 1)
string(REGEX MATCH "^foalix \\(([^)]*)\\)" _ "${changelog_top}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${changelog} starts with version '${CMAKE_MATCH_1}', not the "
                      "project's ${PROJECT_VERSION}: add an entry for this release")
endif()
# Its trailer line: " -- Name <address>  Sun, 06 Dec 2026 12:00:00 +0000".
file(STRINGS ${changelog} trailers REGEX "^ -- ")
list(GET trailers 0 trailer)
if(NOT trailer MATCHES ", ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "${changelog}: no date in its first entry's trailer line")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
set(FOALIX_RELEASE_DATE ${year}-${month}-${day})
