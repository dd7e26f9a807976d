# Helpers shared by the build's folders.

# A Windows program of ours: the Unicode entry (wWinMain) and the W APIs,
# stripped in a release.
function(quintora_windows_executable target)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE)
    target_link_options(${target} PRIVATE -municode $<$<CONFIG:Release>:-s>)
endfunction()

# What the tests and benchmarks that drive a real window on a virtual X
# display use: xvfb-run, xdotool, xclip and ImageMagick's import, all found
# when QUINTORA_DISPLAY_TOOLS is true; and libxcb, as the imported target
# PkgConfig::XCB when XCB_FOUND is true.
macro(quintora_find_display_tools)
    find_program(XVFB_RUN xvfb-run)
    find_program(XDOTOOL xdotool)
    find_program(XCLIP xclip)
    find_program(IMPORT import)
    if(XVFB_RUN AND XDOTOOL AND XCLIP AND IMPORT)
        set(QUINTORA_DISPLAY_TOOLS TRUE)
    else()
        set(QUINTORA_DISPLAY_TOOLS FALSE)
    endif()
    if(NOT CMAKE_CROSSCOMPILING)
        find_package(PkgConfig)
        if(PkgConfig_FOUND AND NOT TARGET PkgConfig::XCB)
            pkg_check_modules(XCB IMPORTED_TARGET xcb)
        endif()
    endif()
endmacro()
