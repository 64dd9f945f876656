# Reads the newest entry of a changelog in Debian's format:
#   package (VERSION) distribution; urgency=...
#   ...
#    -- Name <address>  Www, DD Mmm YYYY HH:MM:SS +ZZZZ
# and sets <version_var> to its VERSION and <date_var> to its date as
# YYYY-MM-DD. Stops the configuration when the entry is not in that form.
function(varnel_changelog_release changelog version_var date_var)
  file(STRINGS "${changelog}" lines)
  list(GET lines 0 heading)
  if(NOT heading MATCHES "^[a-z0-9][a-z0-9.+-]+ \\(([^) ]+)\\) [^;]+; urgency=")
    message(FATAL_ERROR "${changelog}: the first line is not an entry heading: ${heading}")
  endif()
  set(version "${CMAKE_MATCH_1}")

  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  foreach(line IN LISTS lines)
    if(line MATCHES "^ -- .+>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
      list(FIND months "${CMAKE_MATCH_2}" month)
      if(month LESS 0)
        break()
      endif()
      math(EXPR month "${month} + 1")
      if(month LESS 10)
        set(month "0${month}")
      endif()
      set(${version_var} "${version}" PARENT_SCOPE)
      set(${date_var} "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${changelog}: the newest entry has no trailer line with its date")
endfunction()
