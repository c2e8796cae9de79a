# vedo_add_test(NAME name SOURCES ... LIBS ...)
# One QtTest executable, run headless; a forgotten modal window fails fast
# through the function time-out instead of hanging the run.
function(vedo_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/TestMain.cpp)
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test Qt6::Widgets ${T_LIBS})
  vedo_suivre_sources(${T_NAME} ${T_SOURCES})
  target_compile_definitions(${T_NAME} PRIVATE VEDO_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=30000;LC_ALL=C.UTF-8")
endfunction()

# vedo_add_core_test(NAME name SOURCES ... LIBS ...)
# One test executable of the core: the standard library only (tests/support/EssaiCoeur.h),
# no Qt, so that it also runs under node once built to WebAssembly.
function(vedo_add_core_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/EssaiCoeurMain.cpp)
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  set_target_properties(${T_NAME} PROPERTIES AUTOMOC OFF)
  if(EMSCRIPTEN)
    # Under node, the test reads its data files from the real file system.
    target_link_options(${T_NAME} PRIVATE -sNODERAWFS=1)
  endif()
  target_compile_definitions(${T_NAME} PRIVATE VEDO_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "LC_ALL=C.UTF-8")
endfunction()
