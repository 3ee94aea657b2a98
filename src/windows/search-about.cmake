# The search window, the about window with its emblem, and the credits.
target_sources(feastbook_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/WordStartMatcher.cpp ${CMAKE_CURRENT_LIST_DIR}/WordStartMatcher.h
  ${CMAKE_CURRENT_LIST_DIR}/frmSearch.cpp ${CMAKE_CURRENT_LIST_DIR}/frmSearch.h
  ${CMAKE_CURRENT_LIST_DIR}/frmAboutReg.cpp ${CMAKE_CURRENT_LIST_DIR}/frmAboutReg.h
  ${CMAKE_CURRENT_LIST_DIR}/frmAutori.cpp ${CMAKE_CURRENT_LIST_DIR}/frmAutori.h)
