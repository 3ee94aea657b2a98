# --- the controls: day cell and picture button ---
feastbook_add_test(tst_daycell tst_daycell.cpp)
feastbook_add_test(tst_picturebutton tst_picturebutton.cpp)
