# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Voruvar developers

# voruvar_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>]
#                  [GUI] [DBUS] [DBUS_CONFIG <file>] [WEBENGINE] [TIMEOUT <seconds>]
#                  [LABELS <labels...>])
#
# One Qt Test executable per unit. Every test runs offscreen unless GUI is given
# (then under Xvfb through tests/run-under-xvfb). DBUS wraps the run in a private
# session bus (dbus-run-session), configured by DBUS_CONFIG when given. WEBENGINE allows Chromium to run as root.
function(voruvar_add_test)
    cmake_parse_arguments(T "GUI;DBUS;WEBENGINE" "NAME;TIMEOUT;DBUS_CONFIG" "SOURCES;LIBS;LABELS" ${ARGN})
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
        # A sanitizer's report fails the test at once, in the test and in every program it starts.
        # LeakSanitizer looks past leaks that are wholly in third-party libraries (see the file).
        set(asan_options "halt_on_error=1:detect_leaks=1")
        if(T_WEBENGINE)
            # Chromium inside libQt6WebEngineCore frees some objects with a delete of another size
            # than their new; the report is wholly in that library, so this one check is off in
            # the tests that load it, and only there.
            string(APPEND asan_options ":new_delete_type_mismatch=0")
        endif()
        list(APPEND env "ASAN_OPTIONS=${asan_options}"
             "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
             "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
endfunction()
