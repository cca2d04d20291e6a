# Each folder under src/ is one static library made of the sources in it; each folder under tests/
# one test binary made of its *_test.cpp files. Adding a file needs no edit here.
#
# A source named *_win.cpp is built only for Windows, one named *_posix.cpp only elsewhere: the two
# implement the same header, the system's service and its stand-in. Tests of one of them are named
# *_win_test.cpp and *_posix_test.cpp.
function(kyvelo_platform_sources variable)
  set(sources ${${variable}})
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix(_test)?\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win(_test)?\\.cpp$")
  endif()
  set(${variable} ${sources} PARENT_SCOPE)
endfunction()

# A library's headers are included by their path under src/ ("scales/scale.h"), but the include
# folder a library gives holds its own folder alone (a link in the build tree), so a library sees
# only the headers of itself and of the libraries it links: an include upwards does not compile.
function(kyvelo_include_folder name)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include/${name})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  set(kyvelo_include_root ${root} PARENT_SCOPE)
endfunction()

function(kyvelo_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  kyvelo_platform_sources(sources)
  kyvelo_include_folder(${name})
  if(NOT sources)
    # A folder not yet started still gives a target others can link to.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${kyvelo_include_root})
    target_link_libraries(${name} INTERFACE ${ARGN})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${kyvelo_include_root})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

function(kyvelo_test_folder name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  kyvelo_platform_sources(sources)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE kyvelo_test_main GTest::gtest GTest::gmock ${ARGN})
  target_compile_definitions(${name} PRIVATE KYVELO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                             KYVELO_TEST_OUTPUT="${PROJECT_BINARY_DIR}/test-output")
  if(CMAKE_CROSSCOMPILING)
    # Listing the tests would run the binary at build time; it runs as one test, under the emulator.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 900)
  else()
    gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
