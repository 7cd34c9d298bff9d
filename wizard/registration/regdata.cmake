# The wizard's registration data functions: INN check digits, OFD templates
# (with the shipped defaults as resources) and the X5 customer's files. Qt
# Core only, so they are tested without the wizard's pages.
add_library(taxomat_regdata STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RegDataError.h
  ${CMAKE_CURRENT_LIST_DIR}/InnCheck.h ${CMAKE_CURRENT_LIST_DIR}/InnCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OfdTemplates.h ${CMAKE_CURRENT_LIST_DIR}/OfdTemplates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X5Files.h ${CMAKE_CURRENT_LIST_DIR}/X5Files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/templates/ofdtemplates.qrc
)
# The IsValidRNM check the pages call with these functions.
target_link_libraries(taxomat_regdata PUBLIC kassio_common Qt6::Core)
