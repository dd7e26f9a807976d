# Makes the MSI package from the program, its LEIA-ME and its icon, signing
# the program before it goes in and the package once made (see sign.cmake):
#   cmake -DEXE=quintora.exe -DREADME=LEIA-ME.txt -DICON=quintora.ico
#         -DWXS=quintora.wxs -DSIGN=sign.cmake -DVERSION=1.00 -DOUT=package.msi
#         -P make_msi.cmake
cmake_minimum_required(VERSION 3.25)
foreach(path EXE README ICON WXS SIGN OUT)
    get_filename_component(${path} "${${path}}" ABSOLUTE)
endforeach()
find_program(WIXL wixl REQUIRED)
set(stage "${OUT}.files")
file(REMOVE_RECURSE "${stage}")
file(COPY "${EXE}" "${README}" "${ICON}" DESTINATION "${stage}")
get_filename_component(exe_name "${EXE}" NAME)

function(run)
    execute_process(COMMAND ${ARGV} WORKING_DIRECTORY ${stage} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGV}")
    endif()
endfunction()
run(${CMAKE_COMMAND} -DFILE=${stage}/${exe_name} -P ${SIGN})
# wixl takes the files' names as relative to where it runs.
run(${WIXL} -a x64 -D Version=${VERSION} -o ${OUT} ${WXS})
run(${CMAKE_COMMAND} -DFILE=${OUT} -P ${SIGN})
file(REMOVE_RECURSE "${stage}")
message(STATUS "made ${OUT}")
