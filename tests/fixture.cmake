# The shared fixture of the window suites and the action benchmark.
qt_add_library(morvik_testing STATIC
    ${CMAKE_CURRENT_LIST_DIR}/windowtest.h ${CMAKE_CURRENT_LIST_DIR}/windowtest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fakeplatform.h ${CMAKE_CURRENT_LIST_DIR}/elementsets.h)
target_include_directories(morvik_testing PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(morvik_testing PUBLIC morvik_window morvik_plotcanvas Qt6::Test)
