# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Voruvar developers

# voruvar_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>]
#                  [GUI] [DBUS] [DBUS_CONFIG <file>] [WEBENGINE] [TIMEOUT <seconds>]
#                  [LABELS <labels...>] [ASAN_EXTRA <options>])
#
# One Qt Test executable per unit. Every test runs offscreen unless GUI is given
# (then under Xvfb through tests/run-under-xvfb). DBUS wraps the run in a private
# session bus (dbus-run-session), configured by DBUS_CONFIG when given. WEBENGINE allows Chromium to run as root.
# ASAN_EXTRA adds AddressSanitizer options for this test in the sanitizer build.
function(voruvar_add_test)
    cmake_parse_arguments(T "GUI;DBUS;WEBENGINE" "NAME;TIMEOUT;DBUS_CONFIG;ASAN_EXTRA" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")

    set(command $<TARGET_FILE:${T_NAME}>)
    if(T_GUI)
        set(command "${PROJECT_SOURCE_DIR}/tests/run-under-xvfb" ${command})
    endif()
    if(T_DBUS_CONFIG)
        set(command dbus-run-session --config-file=${T_DBUS_CONFIG} -- ${command})
    elseif(T_DBUS)
        set(command dbus-run-session -- ${command})
    endif()
    add_test(NAME ${T_NAME} COMMAND ${command} WORKING_DIRECTORY "${CMAKE_BINARY_DIR}/tests")

    set(env "VORUVAR_BIN_DIR=${VORUVAR_BIN_DIR}" "VORUVAR_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
    if(NOT T_GUI)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    if(T_WEBENGINE)
        list(APPEND env "QTWEBENGINE_DISABLE_SANDBOX=1"
             "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox --disable-background-networking")
    endif()
    if(VORUVAR_SANITIZE)
        set(flags)
        if(T_WEBENGINE)
            list(APPEND flags WEBENGINE)
        endif()
        voruvar_sanitizer_environment(sanitizer_env ${flags} ASAN_EXTRA "${T_ASAN_EXTRA}")
        list(APPEND env ${sanitizer_env})
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
endfunction()

# voruvar_sanitizer_environment(<variable> [WEBENGINE] [ASAN_EXTRA <options>])
#
# The environment a test runs in under the sanitizer build (the asan preset): any report fails
# the test at once, in the test and in every program it starts.
function(voruvar_sanitizer_environment variable)
    cmake_parse_arguments(S "WEBENGINE" "ASAN_EXTRA" "" ${ARGN})
    set(asan_options "halt_on_error=1:detect_leaks=1")
    if(S_WEBENGINE)
        # Third-party reports, off in the tests that load Qt WebEngine and only there:
        # - Chromium inside libQt6WebEngineCore frees some objects with a delete of another size
        #   than their new; the report is wholly inside that library.
        # - Chromium keeps its singletons, thread pools and caches until the process ends, and
        #   the graphics and device libraries it loads and unloads again have no frame pointers,
        #   so LeakSanitizer's stacks of their memory stop inside them, unnamed: a suppression by
        #   library cannot reach them (and whole stacks make these tests ten times slower).
        #   Every other test keeps the leak check, with no suppression at all.
        string(APPEND asan_options ":new_delete_type_mismatch=0:detect_leaks=0")
    endif()
    if(S_ASAN_EXTRA)
        string(APPEND asan_options ":${S_ASAN_EXTRA}")
    endif()
    set(${variable} "ASAN_OPTIONS=${asan_options}" "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1" PARENT_SCOPE)
endfunction()
