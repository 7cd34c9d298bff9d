# The register on the wire: the device server and the kassio-emulator program.
add_library(kassio_server STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DeviceServer.h ${CMAKE_CURRENT_LIST_DIR}/DeviceServer.cpp
)
target_link_libraries(kassio_server PUBLIC kassio_emulator Qt6::Network)

add_executable(kassio-emulator ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(kassio-emulator PRIVATE kassio_server)
