# Shared settings for the project's own targets: warnings (as errors unless
# switched off) apply to our code only, never to third-party headers.
function(aerotrace_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive-)
    if(AEROTRACE_WERROR)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
      -Woverloaded-virtual -Wcast-qual -Wformat=2 -Wimplicit-fallthrough)
    if(AEROTRACE_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

# A library of one layer: sources relative to the calling folder, public
# headers reached as "layer/header.h" from src/.
function(aerotrace_layer target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
  aerotrace_defaults(${target})
endfunction()

# A GoogleTest program (QT: a widget test); each TEST becomes its own CTest
# case. Cross-built programs run whole under the emulator (Wine), which
# needs its server up.
function(aerotrace_test target)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPENDS;LABELS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  aerotrace_defaults(${target})
  set(props TIMEOUT 120 ${AEROTRACE_TEST_SANITIZER_PROPS})
  if(ARG_QT)
    # Widget tests bring their own main (a QApplication) and run headless.
    target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} Qt6::Test GTest::gtest)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    list(APPEND props ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  else()
    target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
  endif()
  if(ARG_LABELS)
    list(APPEND props LABELS "${ARG_LABELS}")
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
    set_tests_properties(${target} PROPERTIES ${props}
      FIXTURES_REQUIRED wine ENVIRONMENT "${AEROTRACE_WINE_ENV}")
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
  endif()
endfunction()
