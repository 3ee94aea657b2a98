# The RTF reader builds QTextDocuments, so it lives in the program library rather than in the
# plain C++ feastbook_richtext. This file is included from src/, hence the absolute paths.
set(FEASTBOOK_RTF_READER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/RtfReader.cpp ${CMAKE_CURRENT_LIST_DIR}/RtfReader.h
  ${CMAKE_CURRENT_LIST_DIR}/RtfTokenizer.cpp ${CMAKE_CURRENT_LIST_DIR}/RtfTokenizer.h
  ${CMAKE_CURRENT_LIST_DIR}/RtfCodePage.cpp ${CMAKE_CURRENT_LIST_DIR}/RtfCodePage.h
  ${CMAKE_CURRENT_LIST_DIR}/CommentaryDocument.cpp ${CMAKE_CURRENT_LIST_DIR}/CommentaryDocument.h)
target_sources(feastbook_core PRIVATE ${FEASTBOOK_RTF_READER_SOURCES})
# The fuzz target compiles the same sources on its own.
set_property(GLOBAL PROPERTY FEASTBOOK_RTF_READER_SOURCES ${FEASTBOOK_RTF_READER_SOURCES})
