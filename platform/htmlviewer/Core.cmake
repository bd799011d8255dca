# Plain C++ stages of the HTML control, without Windows headers; also built
# natively for the fuzzer.
set(HTMLCORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Charset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisplayList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Entities.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Flow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HitTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LayoutTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Parser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Tokenizer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Values.cpp)
add_library(htmlcore STATIC ${HTMLCORE_SOURCES})
target_include_directories(htmlcore PUBLIC ${CMAKE_CURRENT_LIST_DIR})
