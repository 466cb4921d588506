# Parsing Qt's headers is most of a file's compile time, so they are precompiled, twice for the
# whole build: QtCore for the layers below the window and the programs without one, QtWidgets for
# everything that draws, the tests included. The layers below the window get QtCore alone so that
# a use of a widget there still fails to compile.
#
# A target takes one with varko_precompiled_qt(<target> QtCore|QtWidgets). Reusing a precompiled
# header needs equal compile flags, and its macros must be a subset of the user's with the same
# values: clang refuses one that differs, gcc one that Qt's headers test. The two owners see only
# the Qt module's own macros, so a user may add macros that QtCore, QtGui and QtWidgets never test
# (VARKO_..., QtTest's and the other modules' QT_..._LIB and QT_TESTCASE_...); one they test, such
# as a QT_NO_... switch, needs a precompiled header of its own.

set(precompiled_qt_anchor ${CMAKE_BINARY_DIR}/precompiled_qt.cpp)
file(CONFIGURE OUTPUT ${precompiled_qt_anchor} CONTENT "")
foreach(module QtCore QtWidgets)
    string(REPLACE "Qt" "Qt6::" library ${module})
    add_library(varko_precompiled_${module} OBJECT ${precompiled_qt_anchor})
    set_target_properties(varko_precompiled_${module} PROPERTIES AUTOMOC OFF)
    target_link_libraries(varko_precompiled_${module} PRIVATE ${library})
    target_precompile_headers(varko_precompiled_${module} PRIVATE <${module}>)
endforeach()

function(varko_precompiled_qt target module)
    target_precompile_headers(${target} REUSE_FROM varko_precompiled_${module})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        # The programs have no header with Q_OBJECT (a test includes the moc output of its
        # source), so AUTOMOC's own file is empty and loading the header would be all of its
        # compile time. A program with such a header only compiles that file more slowly.
        get_target_property(folder ${target} BINARY_DIR)
        set_source_files_properties(${folder}/${target}_autogen/mocs_compilation.cpp
            TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
endfunction()
