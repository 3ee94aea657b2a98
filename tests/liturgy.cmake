# --- the calendar generator: rules of the calendar, RTF writer, feastbook-gen ---
feastbook_add_test(tst_liturgy tst_liturgy.cpp LIBS feastbook_liturgy)

feastbook_add_test(tst_generator tst_generator.cpp LIBS feastbook_generator)
add_dependencies(tst_generator feastbook-gen)
target_compile_definitions(tst_generator PRIVATE FEASTBOOK_GEN_PATH="$<TARGET_FILE:feastbook-gen>")

# --- the prose of the commentary: its keys, its limits, its composition, its spelling ---
set(FEASTBOOK_PROSE_DIR ${CMAKE_SOURCE_DIR}/src/liturgy/prose)
feastbook_add_test(tst_prose tst_prose.cpp LIBS feastbook_liturgy feastbook_prosefolder)
target_compile_definitions(tst_prose PRIVATE FEASTBOOK_PROSE_DIR="${FEASTBOOK_PROSE_DIR}")

find_program(FEASTBOOK_HUNSPELL hunspell)
add_test(NAME prose_spelling COMMAND ${CMAKE_COMMAND} -DHUNSPELL=${FEASTBOOK_HUNSPELL}
  -DPROSE_DIR=${FEASTBOOK_PROSE_DIR} -P ${CMAKE_CURRENT_SOURCE_DIR}/CheckSpelling.cmake)
# The word list and the texts are UTF-8; hunspell reads both in the locale's encoding.
set_tests_properties(prose_spelling PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8" TIMEOUT 120)
