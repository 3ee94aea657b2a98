# --- the Access (Jet) writer of feastbook-gen, checked against independent readers ---
# mdb-export (Debian mdbtools) comes with scripts/install-deps.sh; mdb-reader is installed from
# npm into the build tree by a fixture that runs before the test.
set(FEASTBOOK_ORACLE_DIR ${CMAKE_CURRENT_BINARY_DIR}/oracles)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/oracles/mdb-reader-dump.mjs ${FEASTBOOK_ORACLE_DIR}/mdb-reader-dump.mjs COPYONLY)
add_test(NAME jet_oracles COMMAND ${CMAKE_COMMAND} -DDIR=${FEASTBOOK_ORACLE_DIR}
         -P ${CMAKE_CURRENT_SOURCE_DIR}/oracles/install.cmake)
set_tests_properties(jet_oracles PROPERTIES FIXTURES_SETUP jet_oracles TIMEOUT 600)

feastbook_add_test(tst_jetwriter tst_jetwriter.cpp LIBS feastbook_generator)
add_dependencies(tst_jetwriter feastbook-gen)
target_compile_definitions(tst_jetwriter PRIVATE
  FEASTBOOK_GEN_PATH="$<TARGET_FILE:feastbook-gen>"
  FEASTBOOK_ORACLE_DIR="${FEASTBOOK_ORACLE_DIR}")
set_tests_properties(tst_jetwriter PROPERTIES FIXTURES_REQUIRED jet_oracles)
