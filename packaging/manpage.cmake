# Writes tarvo-convert.1.gz from the program's --help with help2man and the sections of
# tarvo-convert.h2m (examples, exit status, environment, see also), then gives the page what
# --help cannot: paragraphs in the description, the suffixes in a section of their own, the
# number of jobs without this machine's core count, and lists of names (a|b|c) that break at
# their bars instead of running off the page or in the middle of a name, as --help's wrapping
# does. Each of the first edits must find its
# text, so a change of --help cannot silently undo it.
# Run with cmake -DHELP2MAN=... -DPROGRAM=... -DVERSION=... -DGZIP=... -DOUTPUT=<page>.1 -P
set(ENV{ASAN_OPTIONS} detect_leaks=0) # a sanitized build's --help must not fail the build
execute_process(
    COMMAND ${HELP2MAN} --no-info --section=1 --version-string=${VERSION}
        --include=${CMAKE_CURRENT_LIST_DIR}/tarvo-convert.h2m
        "--name=convert many image files at once, without a window" --output=${OUTPUT}
        ${PROGRAM}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "help2man failed: ${result}")
endif()

file(READ ${OUTPUT} page)
function(edit pattern replacement)
    string(REGEX REPLACE "${pattern}" "${replacement}" edited "${page}")
    if(edited STREQUAL page)
        message(FATAL_ERROR "${PROGRAM} --help no longer has \"${pattern}\": update ${CMAKE_CURRENT_LIST_FILE}")
    endif()
    set(page "${edited}" PARENT_SCOPE)
endfunction()
edit("\nFolders are searched" "\n.PP\nFolders are searched")
edit("\nAn existing file is never" "\n.PP\nAn existing file is never")
edit("\nExit status:" "\n.PP\nExit status:")
edit("default: [0-9]+, the number of" "default: the number of")
# The suffixes searched for fill a section of their own, after the options, and the exit
# status has one from the include file.
string(REGEX MATCH "Folders are searched, in any letter case, for\n((\\*\\.[^\n]*\n)+)" found "${page}")
if(NOT found)
    message(FATAL_ERROR "${PROGRAM} --help no longer lists the suffixes: update ${CMAKE_CURRENT_LIST_FILE}")
endif()
set(suffixes "${CMAKE_MATCH_1}")
edit("Folders are searched, in any letter case, for\n(\\*\\.[^\n]*\n)+"
    "Folders are searched, in any letter case, for the names under SUFFIXES.\n")
edit("\n\\.PP\nExit status:[^\n]*\n[^\n]*\n" "\n")
edit("\n\\.SH EXAMPLES\n" "\n.SH SUFFIXES\n${suffixes}.SH EXAMPLES\n")
string(REGEX REPLACE "\\|([a-z0-9-]+)\n([a-z0-9-]+\\|)" "|\\1\\2" page "${page}")
string(REGEX REPLACE "([a-z0-9-])\n\\|" "\\1|" page "${page}")
string(REPLACE "|" "|\\:" page "${page}")
file(WRITE ${OUTPUT} "${page}")

execute_process(COMMAND ${GZIP} -9nf ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip failed: ${result}")
endif()
