# kassio-call: one driver call from the command line.
add_executable(kassio-call ${CMAKE_CURRENT_LIST_DIR}/kassio-call.cpp)
target_link_libraries(kassio-call PRIVATE kassio_driver)
