target_sources(feastbook_generator PRIVATE
  jet/Bytes.h
  jet/CalendarJetFile.cpp jet/CalendarJetFile.h
  jet/Catalog.cpp jet/Catalog.h
  jet/FieldEncoder.cpp jet/FieldEncoder.h
  jet/HeaderPage.cpp jet/HeaderPage.h
  jet/JetFormat.h
  jet/JetTable.cpp jet/JetTable.h
  jet/JetText.cpp jet/JetText.h
  jet/JetWriter.cpp jet/JetWriter.h
  jet/LongValueStore.cpp jet/LongValueStore.h
  jet/PageFile.cpp jet/PageFile.h
  jet/RowEncoder.cpp jet/RowEncoder.h
  jet/TableDefinition.cpp jet/TableDefinition.h
  jet/TableLayout.cpp jet/TableLayout.h
  jet/TableRows.cpp jet/TableRows.h
  jet/UsageMap.cpp jet/UsageMap.h
  jet/UsageMapRows.cpp jet/UsageMapRows.h)
