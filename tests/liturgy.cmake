# --- the calendar generator: rules of the calendar, RTF writer, feastbook-gen ---
feastbook_add_test(tst_liturgy tst_liturgy.cpp LIBS feastbook_liturgy)

feastbook_add_test(tst_generator tst_generator.cpp LIBS feastbook_generator)
add_dependencies(tst_generator feastbook-gen)
target_compile_definitions(tst_generator PRIVATE FEASTBOOK_GEN_PATH="$<TARGET_FILE:feastbook-gen>")
