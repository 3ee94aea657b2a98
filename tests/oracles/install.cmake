# Installs the npm package mdb-reader into DIR for the tests that check Access files against
# independent readers. Never fails: without npm or the registry the tests say which reader is
# missing and use the other one (mdb-export).
set(version 3.2.0)
if(EXISTS ${DIR}/node_modules/mdb-reader/package.json)
  file(READ ${DIR}/node_modules/mdb-reader/package.json manifest)
  if(manifest MATCHES "\"version\": \"${version}\"")
    return()
  endif()
endif()
find_program(NPM npm)
if(NOT NPM)
  message(WARNING "npm not found: mdb-reader is not installed")
  return()
endif()
execute_process(COMMAND ${NPM} install --no-audit --no-fund --no-save --prefix ${DIR} mdb-reader@${version}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 300)
if(NOT result EQUAL 0)
  message(WARNING "npm could not install mdb-reader (${result}):\n${output}")
endif()
