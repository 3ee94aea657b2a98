# The calendar grid's benchmark: bench_grid [feastbook.mdb] [idle seconds]
if(TARGET feastbook_testsupport)
  add_executable(bench_grid EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_grid.cpp)
  target_link_libraries(bench_grid PRIVATE feastbook_core feastbook_testsupport)
endif()
