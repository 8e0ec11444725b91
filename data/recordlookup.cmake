# The lookup over either table: chaxun on the plain one, the sealed lookup on the sealed one.
# Included by data/CMakeLists.txt, and by tools/host for the build host's packer, which checks
# what it packed through the same lookup.
add_library(recordlookup STATIC
    ${CMAKE_CURRENT_LIST_DIR}/resulttable.h
    ${CMAKE_CURRENT_LIST_DIR}/chaxun.h
    ${CMAKE_CURRENT_LIST_DIR}/chaxun.cpp
    ${CMAKE_CURRENT_LIST_DIR}/foundrecord.h
    ${CMAKE_CURRENT_LIST_DIR}/recordlookup.h
    ${CMAKE_CURRENT_LIST_DIR}/plainlookup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sealedtable.h
    ${CMAKE_CURRENT_LIST_DIR}/sealedlookup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resultstore.h)
target_link_libraries(recordlookup PUBLIC recordsealing)
