# Plain C++ stages of the HTML control, without Windows headers; also built
# natively for the fuzzer.
add_library(htmlcore STATIC ${CMAKE_CURRENT_LIST_DIR}/CoreEmpty.cpp)
target_include_directories(htmlcore PUBLIC ${CMAKE_CURRENT_LIST_DIR})
