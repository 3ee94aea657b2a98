# Opening a commentary: bench_commentary [feastbook.mdb]
if(TARGET feastbook_testsupport)
  add_executable(bench_commentary EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_commentary.cpp)
  target_link_libraries(bench_commentary PRIVATE feastbook_core feastbook_testsupport)
endif()
