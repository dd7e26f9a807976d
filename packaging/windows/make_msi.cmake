# Makes the MSI package from the programs, the LEIA-ME and the icon, signing
# the programs before they go in and the package once made (see sign.cmake):
#   cmake -DINPUTS=msi_inputs.cmake -DVERSION=1.00 -DOUT=package.msi -P make_msi.cmake
# INPUTS, which the build writes, names the files (PROGRAMS, README, ICON),
# the WiX source (WXS), the signing script (SIGN), the environment table
# (ENVIRONMENT) and the product's UPGRADE_CODE. wixl knows no <Environment>:
# the table that offers the programs' folder to the machine's PATH is added
# to the package by msibuild.
cmake_minimum_required(VERSION 3.25)
include(${INPUTS})
get_filename_component(OUT "${OUT}" ABSOLUTE)
find_program(WIXL wixl REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)
find_program(MSIINFO msiinfo REQUIRED)
set(stage "${OUT}.files")
file(REMOVE_RECURSE "${stage}")
file(COPY ${PROGRAMS} "${README}" "${ICON}" DESTINATION "${stage}")

function(run)
    execute_process(COMMAND ${ARGV} WORKING_DIRECTORY ${stage} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGV}")
    endif()
endfunction()
foreach(program ${PROGRAMS})
    get_filename_component(name "${program}" NAME)
    run(${CMAKE_COMMAND} -DFILE=${stage}/${name} -P ${SIGN})
endforeach()
# The codes Windows tells packages and products apart by, made from the
# version and the files rather than drawn at random, and the files dated at
# the release: two builds of one commit give the same bytes.
set(files_hash "")
foreach(file ${PROGRAMS} "${README}" "${ICON}")
    get_filename_component(name "${file}" NAME)
    file(SHA256 "${stage}/${name}" hash)
    string(APPEND files_hash "${name}:${hash};")
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        run(touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" "${stage}/${name}")
    endif()
endforeach()
string(UUID product_code NAMESPACE ${UPGRADE_CODE} NAME "product ${VERSION}" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${UPGRADE_CODE} NAME "package ${VERSION} ${files_hash}" TYPE SHA1
       UPPER)
# wixl dates the package when it is made: at the release instead, where
# the build says when that is (SOURCE_DATE_EPOCH).
set(at_release "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    find_program(FAKETIME faketime REQUIRED)
    set(at_release ${FAKETIME} "@$ENV{SOURCE_DATE_EPOCH}")
endif()
# wixl takes the files' names as relative to where it runs.
run(${at_release} ${WIXL} -a x64 -D Version=${VERSION} -D ProductCode=${product_code} -o ${OUT}
    ${WXS})
# wixl draws the package code at random: the one made above replaces it,
# the rest of the summary as wixl wrote it.
execute_process(COMMAND ${MSIINFO} suminfo ${OUT} OUTPUT_VARIABLE summary)
foreach(field Subject Author Template)
    string(REGEX MATCH "${field}: ([^\n]*)" found "${summary}")
    set(${field} "${CMAKE_MATCH_1}")
endforeach()
execute_process(COMMAND ${at_release} ${MSIBUILD} ${OUT} -s "${Subject}" "${Author}" "${Template}"
                        "{${package_code}}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): msibuild -s")
endif()
run(${at_release} ${MSIBUILD} ${OUT} -i ${ENVIRONMENT}
    -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('RemoveEnvironmentStrings', 3300)"
    -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('WriteEnvironmentStrings', 5200)")
run(${CMAKE_COMMAND} -DFILE=${OUT} -P ${SIGN})
file(REMOVE_RECURSE "${stage}")
message(STATUS "made ${OUT}")
