# The test bench's driver wrapper, the conversion helpers and the log file.
add_library(kassio_wrapper STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Driver.h ${CMAKE_CURRENT_LIST_DIR}/Driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Helpers.h ${CMAKE_CURRENT_LIST_DIR}/Helpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LogFile.h ${CMAKE_CURRENT_LIST_DIR}/LogFile.cpp
)
target_link_libraries(kassio_wrapper PUBLIC kassio_driver Qt6::Core)
