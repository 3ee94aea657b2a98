# Figures on the commentary prose of a generated table: bench_prose [first-year]
add_executable(bench_prose EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_prose.cpp)
target_link_libraries(bench_prose PRIVATE feastbook_generator feastbook_core)
