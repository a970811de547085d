# The browser's game (vela.js and vela.wasm, in VELA_WEB_PAGE beside the
# page) and the harness for node (node/vela-headless.js), built by emcmake
# for make web. Both link the same objects with the same settings; only
# where they run differs.
set(VELA_WEB_PAGE ${CMAKE_BINARY_DIR} CACHE PATH "The folder of the page")
set(WEB_SETTINGS
    -sASYNCIFY
    # The game waits deep inside menus and battles: the whole call chain is
    # kept while control is back with the browser.
    -sASYNCIFY_STACK_SIZE=262144
    -sASYNCIFY_IMPORTS=vela_web_open_storage,vela_web_wait
    -sALLOW_MEMORY_GROWTH=1)

add_executable(vela-web src/app/main_web.cpp src/platform/web_platform.cpp)
target_link_libraries(vela-web PRIVATE vela_app)
set(WEB_LIBRARY ${CMAKE_SOURCE_DIR}/src/platform/web_platform.js)
target_link_options(vela-web PRIVATE ${WEB_SETTINGS} -sENVIRONMENT=web -sFORCE_FILESYSTEM=1 -lidbfs.js
                    --js-library ${WEB_LIBRARY})
set_target_properties(vela-web PROPERTIES OUTPUT_NAME vela SUFFIX .js LINK_DEPENDS ${WEB_LIBRARY}
                      RUNTIME_OUTPUT_DIRECTORY ${VELA_WEB_PAGE})

# The harness reads and writes the machine's files (NODERAWFS) and ends with
# the game's exit status.
add_executable(vela-headless src/app/main_headless.cpp)
target_link_libraries(vela-headless PRIVATE vela_app)
set(NODE_FSYNC ${CMAKE_SOURCE_DIR}/web/node_fsync.js)
target_link_options(vela-headless PRIVATE ${WEB_SETTINGS} -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1
                    --js-library ${NODE_FSYNC})
set_target_properties(vela-headless PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/node
                      LINK_DEPENDS ${NODE_FSYNC})
# The command the test scripts run, like the native vela-headless. The
# loader would fetch() the .wasm by its path, which node's fetch refuses.
file(WRITE ${CMAKE_BINARY_DIR}/vela-headless
     "#!/bin/sh\nexec node --no-experimental-fetch \"$(dirname \"$0\")/node/vela-headless.js\" \"$@\"\n")
file(CHMOD ${CMAKE_BINARY_DIR}/vela-headless PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
