# The Access reader's benchmark: bench_jet [repetitions] | --file FEASTBOOK.MDB | --write PATH
if(TARGET feastbook_testsupport)
  add_executable(bench_jet EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_jet.cpp)
  target_link_libraries(bench_jet PRIVATE feastbook_core feastbook_testsupport feastbook_generator)
endif()
