# The register on the wire: the device server, the pseudo-terminal device, the
# UDP announcer and the kassio-emulator program.
add_library(kassio_server STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DeviceServer.h ${CMAKE_CURRENT_LIST_DIR}/DeviceServer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PtyDevice.h ${CMAKE_CURRENT_LIST_DIR}/PtyDevice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Announcer.h ${CMAKE_CURRENT_LIST_DIR}/Announcer.cpp
)
target_link_libraries(kassio_server PUBLIC kassio_emulator Qt6::Network)

# The program registers its pseudo-terminal in the component's port map.
add_executable(kassio-emulator ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(kassio-emulator PRIVATE kassio_server kassio_driver)
