# Each folder under src/ is one static library made of the sources in it; each folder under tests/
# one test binary made of its *_test.cpp files. Adding a file needs no edit here.

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
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE kyvelo_test_main GTest::gtest GTest::gmock ${ARGN})
  target_compile_definitions(${name} PRIVATE KYVELO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                             KYVELO_TEST_OUTPUT="${PROJECT_BINARY_DIR}/test-output")
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" DISCOVERY_TIMEOUT 60)
endfunction()
