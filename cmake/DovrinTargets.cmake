# Helpers for the project's targets.

# Makes the folder of the current CMakeLists.txt includable as "<folder>/header.h" (for
# example "calendar/clsDate.h") by the target and by whatever links it, and by nothing else:
# the target's include directory holds one link to its own folder.
function(dovrin_export_headers target)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# A GoogleTest program of Qt widget tests, run on the offscreen platform.
function(dovrin_add_qt_test target)
  add_executable(${target} ${ARGN} ${PROJECT_SOURCE_DIR}/tests/support/qt_gtest_main.cpp)
  target_link_libraries(${target} PRIVATE Qt6::Test GTest::gtest)
  gtest_discover_tests(${target}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS qt
    DISCOVERY_TIMEOUT 30)
endfunction()
