#pragma once
// Splitting a command line into items, the way the launcher reads its
// arguments. Pure logic: no Windows headers.
#include <string>
#include <string_view>

// Item number index of the command line (0 is the program, 1 the first
// argument); empty when there is no such item.
//  - items are separated by runs of characters with codes 1 to 32;
//  - a double quote opens a run in which blanks belong to the item, closed by
//    the next double quote or the end of the line; the quotes are dropped;
//  - a pair of double quotes at the start of an item is skipped like a blank.
std::string ParamStrOf(std::string_view commandLine, int index);
