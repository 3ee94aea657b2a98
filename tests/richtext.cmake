# --- the RTF reader ---
feastbook_add_test(tst_rtfreader tst_rtfreader.cpp)
