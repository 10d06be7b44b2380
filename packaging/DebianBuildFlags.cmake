# Optimised builds take the flags Debian builds its own packages with, all hardening on
# (dpkg-buildflags): stack protection, the fortified C library functions, and relocations
# made read-only and bound at start. The compiler builds position-independent programs by
# default there. Debug builds are left alone: the fortified functions need the optimiser.
# Where dpkg-buildflags is missing, or with -DBLINZOR_DEBIAN_FLAGS=OFF, nothing changes.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
option(BLINZOR_DEBIAN_FLAGS "Build optimised builds with Debian's hardening flags" ON)

function(blinzor_dpkg_buildflags kind out)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(BLINZOR_DEBIAN_FLAGS AND DPKG_BUILDFLAGS)
    blinzor_dpkg_buildflags(CPPFLAGS preprocessor)
    blinzor_dpkg_buildflags(CXXFLAGS compiler)
    blinzor_dpkg_buildflags(LDFLAGS linker)
    set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
    add_compile_options("$<${optimised}:${preprocessor};${compiler}>")
    add_link_options("$<${optimised}:${linker}>")
endif()
