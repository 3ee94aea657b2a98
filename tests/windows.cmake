# --- the search, about and credits windows ---
feastbook_add_test(tst_search tst_search.cpp)
feastbook_add_test(tst_about tst_about.cpp)
