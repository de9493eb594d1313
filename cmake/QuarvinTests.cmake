# quarvin_add_gtest(NAME name SOURCES ... LIBS ...)
function(quarvin_add_gtest)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} quarvin_testsupport GTest::gtest GTest::gtest_main)
    quarvin_warnings(${T_NAME})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES LABELS engine TIMEOUT 300
        ENVIRONMENT "LANG=C.UTF-8;QT_QPA_PLATFORM=offscreen;QUARVIN_SORGENTI=${PROJECT_SOURCE_DIR}")
endfunction()

# quarvin_add_qtest(NAME name SOURCES ... LIBS ...): a QtTest window test on the offscreen platform.
function(quarvin_add_qtest)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} quarvin_testsupport quarvin_testsupport_ui Qt6::Test
        Qt6::Widgets)
    target_precompile_headers(${T_NAME} REUSE_FROM quarvin_qtest_pch)
    quarvin_warnings(${T_NAME})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES LABELS ui TIMEOUT 300
        ENVIRONMENT "LANG=C.UTF-8;QT_QPA_PLATFORM=offscreen;QUARVIN_SORGENTI=${PROJECT_SOURCE_DIR}")
    # Once more under the users' Italian locale: every text must read the same (a "." stays a ".").
    add_test(NAME ${T_NAME}_it COMMAND ${T_NAME})
    set_tests_properties(${T_NAME}_it PROPERTIES LABELS ui TIMEOUT 300
        ENVIRONMENT "LANG=it_IT.UTF-8;LC_ALL=it_IT.UTF-8;QT_QPA_PLATFORM=offscreen;QUARVIN_SORGENTI=${PROJECT_SOURCE_DIR}")
endfunction()
