# quarvin_add_fuzz(NAME name SOURCES ... LIBS ...): a libFuzzer target of the engine libraries. Its seeds
# live in tests/fuzz/corpora/<name>/ (scripts/fuzz runs every target listed in fuzz_targets.txt).
function(quarvin_add_fuzz)
    cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${F_NAME} ${F_SOURCES})
    target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
    quarvin_warnings(${F_NAME})
    set_property(GLOBAL APPEND PROPERTY QUARVIN_FUZZ_TARGETS ${F_NAME})
    if(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/tests/fuzz/corpora/${F_NAME})
        message(FATAL_ERROR "fuzz target ${F_NAME} has no corpus folder tests/fuzz/corpora/${F_NAME}")
    endif()
endfunction()

# Writes the list scripts/fuzz reads: one "name path" line per fuzz target.
function(quarvin_fuzz_list)
    get_property(nomi GLOBAL PROPERTY QUARVIN_FUZZ_TARGETS)
    set(righe "")
    foreach(nome ${nomi})
        string(APPEND righe "${nome} $<TARGET_FILE:${nome}>\n")
    endforeach()
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzz_targets.txt CONTENT "${righe}")
endfunction()
