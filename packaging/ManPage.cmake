# Writes a manual page from its template, gzipped. With PROGRAM, the template's @COMMANDS@ becomes the commands
# that `PROGRAM --help` lists.
# cmake [-DPROGRAM=zem0482] -DTEMPLATE=zem0482.1.in -DOUTPUT=zem0482.1.gz -DVERSION=1.0 -P ManPage.cmake
cmake_minimum_required(VERSION 3.25)

# Text as roff reads it: backslashes escaped, minus signs as such, no line taken for a request.
function(roff_text out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(help "")
if(PROGRAM)
    execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status ENCODING UTF-8)
    if(NOT status EQUAL 0 OR help STREQUAL "")
        message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
    endif()
endif()

# "  command args   what it does" starts an entry; a deeper indented line continues its description; other
# lines after the list are paragraphs.
# Semicolons would split the lines as a CMake list: they travel as a placeholder.
string(REPLACE ";" "@SEMICOLON@" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(commands "")
foreach(line IN LISTS lines)
    string(REPLACE "@SEMICOLON@" ";" line "${line}")
    if(line MATCHES "^Uso:" OR line STREQUAL "")
        continue()
    elseif(line MATCHES "^  ([^ ].*[^ ])   +([^ ].*)$")
        roff_text(synopsis "${CMAKE_MATCH_1}")
        roff_text(description "${CMAKE_MATCH_2}")
        string(APPEND commands ".TP\n.B ${synopsis}\n${description}\n")
    elseif(line MATCHES "^  ([^ ].*)$")
        roff_text(synopsis "${CMAKE_MATCH_1}")
        string(APPEND commands ".TP\n.B ${synopsis}\n")
    elseif(line MATCHES "^   +([^ ].*)$")
        roff_text(description "${CMAKE_MATCH_1}")
        string(APPEND commands "${description}\n")
    else()
        roff_text(paragraph "${line}")
        string(APPEND commands ".PP\n${paragraph}\n")
    endif()
endforeach()

file(READ "${TEMPLATE}" page)
string(TIMESTAMP DATE "%Y-%m-%d" UTC)
string(REPLACE "@COMMANDS@\n" "${commands}" page "${page}")
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@DATE@" "${DATE}" page "${page}")
get_filename_component(name "${OUTPUT}" NAME_WLE)
get_filename_component(dir "${OUTPUT}" DIRECTORY)
file(WRITE "${dir}/${name}" "${page}")
# As Debian wants manual pages: best compression, no name or time stamp in the gzip header.
execute_process(COMMAND gzip -9nc "${dir}/${name}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed (${status})")
endif()
