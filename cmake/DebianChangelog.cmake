# SPDX-FileCopyrightText: 2026 The Parolix developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Turns NEWS.md into a changelog in Debian's format, the one dpkg and lintian
# read in /usr/share/doc/<package>/changelog.gz:
#   cmake -DNEWS=NEWS.md -DOUT=changelog -DPACKAGE=parolix
#         -DMAINTAINER="Name <mail>" -P DebianChangelog.cmake
# A release is a line "## <version> (<yyyy-mm-dd>)", its notes "- " items
# whose lines go on indented by two blanks.

file(STRINGS "${NEWS}" lines)
set(out "")
set(open_entry "")

# "Mon, 07 Dec 2026 00:00:00 +0000" for a date, the weekday found by
# Sakamoto's method.
function(rfc2822_date iso result)
  string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" _ "${iso}")
  set(y ${CMAKE_MATCH_1})
  set(d ${CMAKE_MATCH_3})
  math(EXPR m "${CMAKE_MATCH_2} + 0")
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR i "${m} - 1")
  list(GET offsets ${i} t)
  if(m LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR w "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${t} + ${d}) % 7")
  set(days Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET days ${w} day)
  list(GET months ${i} month)
  set(${result} "${day}, ${d} ${month} ${CMAKE_MATCH_1} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

foreach(line IN LISTS lines)
  if(line MATCHES "^## ([0-9][0-9.]*) \\(([0-9-]+)\\)$")
    if(open_entry)
      string(APPEND out "\n -- ${MAINTAINER}  ${open_entry}\n\n")
    endif()
    rfc2822_date(${CMAKE_MATCH_2} open_entry)
    string(APPEND out "${PACKAGE} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
  elseif(open_entry AND line MATCHES "^- (.*)$")
    string(APPEND out "  * ${CMAKE_MATCH_1}\n")
  elseif(open_entry AND line MATCHES "^  (.+)$")
    string(APPEND out "    ${CMAKE_MATCH_1}\n")
  elseif(open_entry AND NOT line STREQUAL "")
    message(FATAL_ERROR "${NEWS}: not a release heading nor an item: ${line}")
  endif()
endforeach()
if(NOT open_entry)
  message(FATAL_ERROR "${NEWS}: no release found")
endif()
string(APPEND out "\n -- ${MAINTAINER}  ${open_entry}\n")
file(WRITE "${OUT}" "${out}")
