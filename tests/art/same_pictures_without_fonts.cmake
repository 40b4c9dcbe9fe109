# Paints the pictures with TOOL into OUT, in an environment whose font configuration knows no font
# (FONTCONFIG_FILE is set by the test), and compares each with the build's own in BUILT, byte for
# byte. Run with cmake -DTOOL=... -DBUILT=... -DOUT=... [-DFC_LIST=...] -P this file.

if(FC_LIST)
    # Without this the comparison would prove nothing: fontconfig must see no font at all.
    execute_process(COMMAND ${FC_LIST} OUTPUT_VARIABLE fonts RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT fonts STREQUAL "")
        message(FATAL_ERROR "the font configuration $ENV{FONTCONFIG_FILE} still shows fonts:\n${fonts}")
    endif()
endif()

file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "painting the pictures without fonts failed (${status}): ${errors}")
endif()

file(GLOB pictures RELATIVE ${BUILT} ${BUILT}/*)
list(LENGTH pictures count)
if(count EQUAL 0)
    message(FATAL_ERROR "no pictures in ${BUILT}")
endif()
set(differing)
foreach(name IN LISTS pictures)
    file(SHA256 ${BUILT}/${name} built)
    if(EXISTS ${OUT}/${name})
        file(SHA256 ${OUT}/${name} painted)
    else()
        set(painted missing)
    endif()
    if(NOT built STREQUAL painted)
        list(APPEND differing ${name})
    endif()
endforeach()
if(differing)
    message(FATAL_ERROR "painted without fonts, these pictures differ from the build's: ${differing}")
endif()
message(STATUS "${count} pictures painted without fonts, each byte for byte the build's")
