#pragma once
// A table as a grid: its cells with their spans, and what measuring them
// found for each column.
#include "Dom.h"
#include "Values.h"
#include <optional>
#include <vector>

namespace html {

constexpr int kMaxColumns = 1000;

struct TableCell {
  const Node* node;
  const Node* row;
  int row0, col0, rows, cols;
  int min = 0, max = 0;
  std::optional<Length> width;
};

struct TableGrid {
  std::vector<TableCell> cells;
  int rows = 0, cols = 0;
  int border = 0, spacing = 2, padding = 1;
  std::optional<Length> width;
  std::vector<int> colMin, colMax, colFixed, colPercent;
  long long sumMin = 0, sumMax = 0;
  int minWidth = 0, maxWidth = 0; // of the whole table

  int CellBorder() const { return border > 0 ? 1 : 0; }
  int Extra() const { return 2 * (padding + CellBorder()); } // of a cell beyond its content
  long long SpacingTotal() const { return (cols + 1LL) * spacing + 2LL * border; }
};

} // namespace html
