# One static library per layer or subsystem. Sources are the .cpp files of the folder
# (platform-specific files are listed by the folder's own CMakeLists); the public headers
# live under include/corvane/<name>/ and only targets that link the layer can see them, so
# an include that goes against the layering fails the build.
function(corvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)
endfunction()

function(corvane_layer name)
  cmake_parse_arguments(L "" "" "DEPS;PRIVATE_DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(ex IN LISTS L_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${ex}")
  endforeach()
  add_library(corvane_${name} STATIC ${srcs})
  add_library(corvane::${name} ALIAS corvane_${name})
  target_include_directories(corvane_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_link_libraries(corvane_${name} PUBLIC ${L_DEPS} PRIVATE ${L_PRIVATE_DEPS})
  corvane_warnings(corvane_${name})
endfunction()

# A GoogleTest executable for one layer; every test becomes a ctest test.
function(corvane_tests name)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name}_tests ${srcs})
  target_link_libraries(${name}_tests PRIVATE ${T_DEPS} corvane_testsupport GTest::gtest_main GTest::gmock)
  corvane_warnings(${name}_tests)
  gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "CORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
