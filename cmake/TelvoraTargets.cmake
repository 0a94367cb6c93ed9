# Project-wide compile settings and the helpers every folder uses.

# Our Windows-shaped API must never end up in the dynamic symbol table: the 7-Zip
# library exports functions with the same names and is not bound symbolically.
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_C_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

add_compile_options(-Wall -Wextra)

# Fuzz targets need coverage feedback from the libraries they exercise, not
# only from their own entry file.
if(TELVORA_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(TELVORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Adds each named subdirectory that has a CMakeLists.txt of its own, so a folder
# joins the build as soon as its subsystem gets its first file.
function(telvora_add_present_subdirectories)
  foreach(dir IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# Adds every immediate subdirectory that has a CMakeLists.txt (tests/, fuzz/, bench/).
function(telvora_add_all_subdirectories)
  file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  list(SORT children)
  foreach(child IN LISTS children)
    get_filename_component(dir ${child} DIRECTORY)
    add_subdirectory(${dir})
  endforeach()
endfunction()

# telvora_add_test(NAME LABEL SOURCES... LIBS ...): one GoogleTest executable
# registered with CTest, each test case its own CTest test carrying LABEL.
function(telvora_add_test name label)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} PROPERTIES LABELS ${label} DISCOVERY_TIMEOUT 60)
endfunction()

# telvora_add_fuzzer(NAME SOURCES... LIBS ...): a libFuzzer target, registered as a
# CTest smoke run of a few seconds over its corpus fuzz/<subsystem>/corpus/<NAME>
# (new inputs go to a scratch folder in the build tree, never into the sources).
function(telvora_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set(scratch ${CMAKE_CURRENT_BINARY_DIR}/corpus-${name})
  file(MAKE_DIRECTORY ${scratch})
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
  set(dirs ${scratch})
  if(EXISTS ${corpus})
    list(APPEND dirs ${corpus})
  endif()
  add_test(NAME fuzz.${name} COMMAND ${name} -max_total_time=5 -timeout=10 -rss_limit_mb=2048 ${dirs})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz)
endfunction()
