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

# --- the Access reader: real files, files built by the tests, damaged files, independent readers ---
feastbook_add_test(tst_jetreader tst_jetreader.cpp LIBS feastbook_generator)
target_compile_definitions(tst_jetreader PRIVATE FEASTBOOK_ACCESS_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data/access")
feastbook_add_test(tst_jetbadfiles tst_jetbadfiles.cpp)

# The independent readers: mdb-export (Debian mdbtools) and the npm package mdb-reader, which
# a set-up step installs into the build tree. Without network or npm the test runs with
# mdb-export alone; with neither oracle it skips, saying so.
set(FEASTBOOK_ORACLE_DIR ${CMAKE_BINARY_DIR}/oracle)
configure_file(oracle/mdbreader-csv.mjs ${FEASTBOOK_ORACLE_DIR}/mdbreader-csv.mjs COPYONLY)
add_test(NAME oracle_install COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/oracle/install-mdb-reader.sh ${FEASTBOOK_ORACLE_DIR})
set_tests_properties(oracle_install PROPERTIES FIXTURES_SETUP oracle TIMEOUT 300)
feastbook_add_test(tst_jetoracle tst_jetoracle.cpp)
add_dependencies(tst_jetoracle feastbook-dump)
target_compile_definitions(tst_jetoracle PRIVATE
  FEASTBOOK_ACCESS_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data/access"
  FEASTBOOK_DUMP_PATH="$<TARGET_FILE:feastbook-dump>"
  FEASTBOOK_ORACLE_DIR="${FEASTBOOK_ORACLE_DIR}")
set_tests_properties(tst_jetoracle PROPERTIES FIXTURES_REQUIRED oracle)
