# One static library per folder under src/: corvane_<name>, its public headers under
# include/corvane/<name>/ (seen only by targets that link it, so an include against the
# layering fails the build), its code in namespace corvane::<name>. Sources are listed
# explicitly; code that differs by platform sits in name_posix.cpp / name_win32.cpp beside
# the portable header and is listed under POSIX_SOURCES / WIN32_SOURCES.
function(corvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)
endfunction()

function(corvane_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;POSIX_SOURCES;WIN32_SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  set(srcs ${L_SOURCES})
  if(WIN32)
    list(APPEND srcs ${L_WIN32_SOURCES})
  else()
    list(APPEND srcs ${L_POSIX_SOURCES})
  endif()
  add_library(corvane_${name} STATIC ${srcs})
  add_library(corvane::${name} ALIAS corvane_${name})
  target_include_directories(corvane_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_link_libraries(corvane_${name} PUBLIC ${L_DEPS} PRIVATE ${L_PRIVATE_DEPS})
  corvane_warnings(corvane_${name})
endfunction()

# A GoogleTest executable for one layer; every test becomes a ctest test.
function(corvane_tests name)
  cmake_parse_arguments(T "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name}_tests ${T_SOURCES})
  target_link_libraries(${name}_tests PRIVATE ${T_DEPS} corvane_testsupport GTest::gtest_main GTest::gmock)
  corvane_warnings(${name}_tests)
  gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "CORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
