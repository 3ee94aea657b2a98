# The search window's benchmark: bench_search [feastbook.mdb] [repetitions]
if(TARGET feastbook_testsupport)
  add_executable(bench_search EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_search.cpp)
  target_link_libraries(bench_search PRIVATE feastbook_core feastbook_testsupport)
endif()
