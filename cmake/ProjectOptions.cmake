# One interface target carries the language level and the warnings for every target.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
target_compile_options(project_options INTERFACE -Wall -Wextra -Wpedantic)

# Qt strictness for the targets that use Qt.
add_library(project_qt_options INTERFACE)
target_link_libraries(project_qt_options INTERFACE project_options)
target_compile_definitions(project_qt_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_KEYWORDS)

# A second build of the tests under AddressSanitizer and UndefinedBehaviorSanitizer, with
# the standard library's own bounds checks on: memory errors are found by tools, not by luck.
option(SANITIZE "Build with AddressSanitizer, UndefinedBehaviorSanitizer and library assertions" OFF)
if(SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer -O1)
    add_compile_definitions(_GLIBCXX_ASSERTIONS)
    add_link_options(-fsanitize=address,undefined)
endif()

# The fuzzing build (scripts/fuzz): clang's libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer. Every library gets the coverage that guides the fuzzer; the
# harnesses in fuzz/ link libFuzzer's main.
option(FUZZ "Build the libFuzzer harnesses of fuzz/ (needs clang)" OFF)
if(FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "FUZZ=ON needs clang: -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
