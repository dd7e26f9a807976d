# Helpers shared by the build's folders.

# A Windows program of ours: the Unicode entry (wWinMain) and the W APIs,
# stripped in a release.
function(quintora_windows_executable target)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE)
    target_link_options(${target} PRIVATE -municode $<$<CONFIG:Release>:-s>)
endfunction()

# What the tests and benchmarks that drive a real window on a virtual X
# display use: xvfb-run, xdotool, xclip and ImageMagick's import, as
# XVFB_RUN, XDOTOOL, XCLIP and IMPORT (QUINTORA_DISPLAY_TOOLS lists the
# four); and libxcb, as the imported target PkgConfig::XCB when XCB_FOUND
# is true.
macro(quintora_find_display_tools)
    find_program(XVFB_RUN xvfb-run)
    find_program(XDOTOOL xdotool)
    find_program(XCLIP xclip)
    find_program(IMPORT import)
    set(QUINTORA_DISPLAY_TOOLS XVFB_RUN XDOTOOL XCLIP IMPORT)
    if(NOT CMAKE_CROSSCOMPILING)
        find_package(PkgConfig)
        if(PkgConfig_FOUND AND NOT TARGET PkgConfig::XCB)
            pkg_check_modules(XCB IMPORTED_TARGET xcb)
        endif()
    endif()
endmacro()

# Fills TEMPLATE into OUTPUT with the facts the build knows (fill_template,
# run where the build's programs run: natively, or under Node or Wine).
# Further arguments are fill_template's options, such as --crlf.
function(quintora_fill template output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:fill_template> ${ARGN}
                < ${template} > ${output}
        DEPENDS fill_template ${template} ${QUINTORA_EMULATOR_READY}
        COMMENT "Filling ${output}" VERBATIM)
endfunction()

# End-to-end tests need tools beyond the compiler. quintora_need_tools(ok
# TESTS "what is left out" TOOLS VAR...) sets `ok` to whether every
# find_program result VAR is found. On CI (the environment's CI=true) a
# missing tool stops the configuration, naming it; elsewhere the tests are
# left out, and the configuration ends by saying which, once.
function(quintora_need_tools ok)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TESTS" "TOOLS")
    set(missing)
    foreach(tool ${arg_TOOLS})
        if(NOT ${tool})
            list(APPEND missing ${tool})
        endif()
    endforeach()
    if(NOT missing)
        set(${ok} TRUE PARENT_SCOPE)
        return()
    endif()
    string(REPLACE ";" ", " missing "${missing}")
    if("$ENV{CI}" STREQUAL "true")
        message(FATAL_ERROR "${missing} not found: ${arg_TESTS} cannot run, and on CI every test must")
    endif()
    set_property(GLOBAL APPEND PROPERTY QUINTORA_LEFT_OUT "${arg_TESTS} (${missing} not found)")
    set(${ok} FALSE PARENT_SCOPE)
endfunction()

# Says once, at the end of the configuration, which tests were left out.
function(quintora_report_left_out)
    get_property(left GLOBAL PROPERTY QUINTORA_LEFT_OUT)
    if(left)
        string(REPLACE ";" "\n  " left "${left}")
        message(WARNING "These tests are NOT built, as tools they need are missing:\n  ${left}\n"
                        "Install them (bash scripts/test.sh installs every one) to run them.")
    endif()
endfunction()
