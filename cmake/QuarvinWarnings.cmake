function(quarvin_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
    if(QUARVIN_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Engine libraries: standard library only. They get no Qt include path, so a Qt include fails to
# compile; the engine_senza_qt test also scans their sources.
function(quarvin_engine_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    quarvin_warnings(${name})
endfunction()
