# Builds that start the game soon: the compiler cache when there is one, unity builds of the
# libraries and one set of precompiled Qt headers for the game and its tests.
#   -DBLINZOR_UNITY=OFF       compile every file on its own (find which file a clash is in)
#   -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON   no precompiled headers (clang-tidy reads no gcc PCH)
#   -DCMAKE_CXX_COMPILER_LAUNCHER=...       a launcher of one's own instead of ccache

option(BLINZOR_UNITY "Compile the libraries in unity batches" ON)

# The cache, unless the user chose a launcher. A file compiled against the precompiled headers
# is cached only where ccache may overlook their __DATE__/__TIME__ and their macros.
if(NOT CMAKE_CXX_COMPILER_LAUNCHER AND NOT DEFINED ENV{CMAKE_CXX_COMPILER_LAUNCHER})
    find_program(BLINZOR_CCACHE ccache)
    if(BLINZOR_CCACHE)
        set(CMAKE_CXX_COMPILER_LAUNCHER
            ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros ${BLINZOR_CCACHE})
    endif()
endif()

include(ProcessorCount)
ProcessorCount(BLINZOR_CORES)
if(BLINZOR_CORES LESS 1)
    set(BLINZOR_CORES 1)
endif()

# Compiles TARGET's sources in as few unity batches as keep every core busy: two batches a core,
# so that a long batch and the link do not leave a core idle.
function(blinzor_unity target)
    if(NOT BLINZOR_UNITY)
        return()
    endif()
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources count)
    math(EXPR batches "2 * ${BLINZOR_CORES}")
    math(EXPR size "(${count} + ${batches} - 1) / ${batches}")
    if(size LESS 1)
        set(size 1)
    endif()
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${size}
        # clang-tidy is run over the batches: the files they include are the code it checks.
        UNITY_BUILD_CODE_BEFORE_INCLUDE "// NOLINTNEXTLINE(bugprone-suspicious-include)")
endfunction()

# The toolkit's headers that nearly every window, handler and test includes, compiled once in
# a target of their own that sees Qt Widgets alone: the game's library and the tests take the
# same compiled headers whatever else they define (gcc refuses a PCH built with a macro, such
# as Qt DBus's, that the file using it lacks). They pay only where the tests share them: for
# the game alone, compiling them would hold up its few batches longer than they save.
function(blinzor_pch_target)
    if(NOT BLINZOR_TESTS)
        return()
    endif()
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/blinzor_pch.cpp)
    file(CONFIGURE OUTPUT ${stub} CONTENT "")
    add_library(blinzor_pch OBJECT ${stub})
    set_target_properties(blinzor_pch PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(blinzor_pch PRIVATE Qt6::Widgets)
    target_precompile_headers(blinzor_pch PRIVATE
        <QApplication> <QMainWindow> <QDialog> <QLabel> <QPushButton> <QRadioButton>
        <QGroupBox> <QMessageBox> <QPainter> <QTimer> <QAccessible> <QString> <QStringList>
        <algorithm> <array> <functional> <vector>)
endfunction()

function(blinzor_pch target)
    if(TARGET blinzor_pch)
        target_precompile_headers(${target} REUSE_FROM blinzor_pch)
    endif()
endfunction()
