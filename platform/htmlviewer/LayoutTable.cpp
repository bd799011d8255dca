// Tables for page layout: a grid of cells with column and row spans, column
// widths from the narrowest and widest each cell's content can take, fixed
// and per-cent widths, spacing, padding and borders.
#include "Layout.h"
#include "TableGrid.h"
#include "Page.h"
#include "Values.h"
#include <algorithm>
#include <optional>

namespace html {

namespace {

int Clamp(long long v) {
  return int(std::clamp<long long>(v, 0, kUnlimited));
}

// The leading edge of each column (or row) of the given sizes, and one past
// the last, with the table's border and spacing around them.
std::vector<int> Edges(const std::vector<int>& sizes, const TableGrid& g) {
  std::vector<int> edges(sizes.size() + 1);
  long long at = g.border + g.spacing;
  for (size_t i = 0; i <= sizes.size(); ++i) {
    edges[i] = Clamp(at);
    if (i < sizes.size())
      at += sizes[i] + g.spacing;
  }
  return edges;
}

// Adds amount to widths[first..] in proportion to the weights (equally when
// they are all zero), exactly.
void Distribute(std::vector<int>& widths, size_t first, const std::vector<long long>& weights,
                long long amount) {
  long long total = 0;
  for (long long w : weights)
    total += w;
  std::vector<long long> equal;
  const std::vector<long long>* use = &weights;
  if (total == 0) {
    equal.assign(weights.size(), 1);
    use = &equal;
    total = static_cast<long long>(weights.size());
  }
  if (total == 0)
    return;
  long long acc = 0, given = 0;
  for (size_t i = 0; i < use->size(); ++i) {
    acc += (*use)[i];
    long long share = amount * acc / total - given;
    widths[first + i] = Clamp(widths[first + i] + share);
    given += share;
  }
}

std::vector<int> ColumnWidths(const TableGrid& g, long long target) {
  std::vector<int> w = g.colMin;
  long long room = target - g.sumMin;
  if (room <= 0)
    return w;
  auto grow = [&](size_t c, long long want) {
    long long add = std::min(want - w[c], room);
    if (add > 0) {
      w[c] = Clamp(w[c] + add);
      room -= add;
    }
  };
  size_t n = w.size();
  for (size_t c = 0; c < n; ++c)
    if (g.colPercent[c] > 0)
      grow(c, target * g.colPercent[c] / 100);
  for (size_t c = 0; c < n; ++c)
    if (g.colPercent[c] == 0 && g.colFixed[c] > 0)
      grow(c, g.colFixed[c]);
  std::vector<long long> gap(n, 0);
  long long gaps = 0;
  bool anyAuto = false;
  for (size_t c = 0; c < n; ++c)
    if (g.colPercent[c] == 0 && g.colFixed[c] == 0) {
      anyAuto = true;
      gap[c] = std::max(0, g.colMax[c] - w[c]);
      gaps += gap[c];
    }
  if (gaps >= room) {
    Distribute(w, 0, gap, room);
    return w;
  }
  for (size_t c = 0; c < n; ++c)
    w[c] = Clamp(w[c] + gap[c]);
  room -= gaps;
  // What is left widens the automatic columns, else all of them.
  std::vector<long long> weight(n, 0);
  for (size_t c = 0; c < n; ++c)
    if (!anyAuto || (g.colPercent[c] == 0 && g.colFixed[c] == 0))
      weight[c] = anyAuto ? g.colMax[c] : w[c];
  bool allZero = std::all_of(weight.begin(), weight.end(), [](long long v) { return v == 0; });
  if (allZero)
    for (size_t c = 0; c < n; ++c)
      weight[c] = !anyAuto || (g.colPercent[c] == 0 && g.colFixed[c] == 0) ? 1 : 0;
  Distribute(w, 0, weight, room);
  return w;
}

Align VerticalAlign(const Node& cell, const Node& row) {
  auto parse = [](const std::string* v, Align fallback) {
    if (!v)
      return fallback;
    std::string s;
    for (char c : *v)
      s += char(c | 0x20);
    return s == "top" || s == "baseline"    ? Align::Left
           : s == "bottom"                  ? Align::Right
           : s == "middle" || s == "center" ? Align::Center
                                            : fallback;
  };
  return parse(cell.Find("valign"), parse(row.Find("valign"), Align::Center));
}

} // namespace

Engine::~Engine() = default;

Style Engine::CellStyle(const Style& outer, const Node& cell, const Node& row) const {
  // Cells start from the page's text sizes, as in the browsers of the time;
  // colour, face and link go on.
  Style s = outer;
  bool th = cell.tag == Tag::Th;
  s.bold = th;
  s.italic = false;
  s.size = styles.baseFont;
  s.pre = false;
  s.noWrap = cell.Find("nowrap") != nullptr;
  s.align = ParseAlign(cell.Find("align"),
                       ParseAlign(row.Find("align"), th ? Align::Center : Align::Left));
  return s;
}

TableGrid& Engine::Grid(const Node& table, const Style& outer) {
  for (const auto& [node, grid] : grids_)
    if (node == &table)
      return *grid;
  grids_.emplace_back(&table, std::make_unique<TableGrid>());
  TableGrid& g = *grids_.back().second;
  if (const std::string* v = table.Find("border"))
    g.border = ParseNumber(*v, 100).value_or(1);
  if (const std::string* v = table.Find("cellspacing"))
    g.spacing = ParseNumber(*v, 100).value_or(2);
  if (const std::string* v = table.Find("cellpadding"))
    g.padding = ParseNumber(*v, 100).value_or(1);
  if (const std::string* v = table.Find("width"))
    g.width = ParseLength(*v);

  std::vector<const Node*> rows;
  for (const auto& child : table.children)
    if (child->tag == Tag::Tr)
      rows.push_back(child.get());
  g.rows = int(rows.size());
  std::vector<int> busyUntil; // per column: the row below a cell spanning down
  for (int r = 0; r < g.rows; ++r) {
    int c = 0;
    for (const auto& child : rows[size_t(r)]->children) {
      if (child->tag != Tag::Td && child->tag != Tag::Th)
        continue;
      while (c < int(busyUntil.size()) && busyUntil[size_t(c)] > r)
        ++c;
      if (c >= kMaxColumns)
        break;
      const std::string* cs = child->Find("colspan");
      int cols = std::clamp(cs ? ParseNumber(*cs, kMaxColumns).value_or(1) : 1, 1, kMaxColumns - c);
      const std::string* rs = child->Find("rowspan");
      int span = rs ? ParseNumber(*rs, 10000).value_or(1) : 1;
      int rowsSpanned = span == 0 ? g.rows - r : std::clamp(span, 1, g.rows - r);
      if (int(busyUntil.size()) < c + cols)
        busyUntil.resize(size_t(c + cols), 0);
      for (int k = 0; k < cols; ++k)
        busyUntil[size_t(c + k)] = r + rowsSpanned;
      TableCell cell{child.get(), rows[size_t(r)], r, c, rowsSpanned, cols, 0, 0, std::nullopt};
      if (const std::string* v = child->Find("width"))
        cell.width = ParseLength(*v);
      g.cells.push_back(cell);
      c += cols;
      g.cols = std::max(g.cols, c);
    }
  }
  size_t n = size_t(g.cols);
  g.colMin.assign(n, 0);
  g.colMax.assign(n, 0);
  g.colFixed.assign(n, 0);
  g.colPercent.assign(n, 0);

  // Measuring walks the cells once more later: what the walk changes must
  // be as before.
  int baseFont = styles.baseFont;
  size_t lists = lists_.size();
  for (TableCell& cell : g.cells) {
    Flow flow(fonts, out, 0, kUnlimited, 0, true);
    Children(*cell.node, CellStyle(outer, *cell.node, *cell.row), flow);
    flow.EndLine();
    cell.min = Clamp(static_cast<long long>(flow.minWidth) + g.Extra());
    cell.max = Clamp(static_cast<long long>(std::max(flow.maxWidth, flow.minWidth)) + g.Extra());
    if (cell.cols == 1) {
      size_t c = size_t(cell.col0);
      g.colMin[c] = std::max(g.colMin[c], cell.min);
      g.colMax[c] = std::max(g.colMax[c], cell.max);
      if (cell.width && cell.width->percent)
        g.colPercent[c] = std::max(g.colPercent[c], cell.width->value);
      else if (cell.width && cell.width->value > 0)
        g.colFixed[c] = std::max(g.colFixed[c], cell.width->value);
    }
  }
  styles.baseFont = baseFont;
  lists_.resize(lists);
  // Spanning cells widen their columns where the columns fall short.
  std::vector<const TableCell*> spanning;
  for (const TableCell& cell : g.cells)
    if (cell.cols > 1)
      spanning.push_back(&cell);
  // Narrower spans first; in document order within a width.
  for (size_t i = 1; i < spanning.size(); ++i)
    for (size_t j = i; j > 0 && spanning[j - 1]->cols > spanning[j]->cols; --j)
      std::swap(spanning[j - 1], spanning[j]);
  for (const TableCell* cell : spanning) {
    size_t c0 = size_t(cell->col0), cn = size_t(cell->cols);
    long long haveMin = (cn - 1) * static_cast<long long>(g.spacing), haveMax = haveMin;
    std::vector<long long> weights(cn);
    for (size_t k = 0; k < cn; ++k) {
      haveMin += g.colMin[c0 + k];
      haveMax += g.colMax[c0 + k];
      weights[k] = g.colMax[c0 + k];
    }
    if (cell->min > haveMin)
      Distribute(g.colMin, c0, weights, cell->min - haveMin);
    if (cell->max > haveMax)
      Distribute(g.colMax, c0, weights, cell->max - haveMax);
  }
  for (size_t c = 0; c < n; ++c) {
    g.colMax[c] = g.colFixed[c] > 0 ? std::max(g.colMin[c], g.colFixed[c])
                                    : std::max(g.colMin[c], g.colMax[c]);
    g.sumMin += g.colMin[c];
    g.sumMax += g.colMax[c];
  }
  g.minWidth = Clamp(g.sumMin + g.SpacingTotal());
  g.maxWidth = Clamp(g.sumMax + g.SpacingTotal());
  if (g.width && !g.width->percent && g.width->value > 0)
    g.minWidth = g.maxWidth = std::max(g.minWidth, g.width->value);
  return g;
}

void Engine::Table(const Node& table, const Style& outer, Flow& flow) {
  TableGrid& g = Grid(table, outer);
  if (g.cells.empty())
    return;
  const std::string* alignAttr = table.Find("align");
  Align align = ParseAlign(alignAttr, flow.align);
  bool floating = alignAttr && align != Align::Center;
  if (flow.measuring) {
    flow.MeasureBlock(g.minWidth, g.maxWidth);
    return;
  }
  flow.EndLine();
  int avail = std::max(0, flow.right - flow.left);
  long long spacingTotal = g.SpacingTotal();
  long long target;
  if (g.width && g.width->value > 0)
    target = std::max<long long>(g.width->Resolve(avail) - spacingTotal, g.sumMin);
  else if (g.sumMax + spacingTotal <= avail)
    target = g.sumMax;
  else
    target = std::max<long long>(avail - spacingTotal, g.sumMin);
  std::vector<int> widths = ColumnWidths(g, target);

  std::vector<int> colX = Edges(widths, g);
  int tableWidth = Clamp(static_cast<long long>(colX.back()) + g.border);

  auto tableMark = out.Here();
  out.items.resize(out.items.size() + 2); // background and frame, set below
  const int pad = g.padding, cb = g.CellBorder();
  struct Placed {
    LayoutResult::Mark from, to;
    int left, right, height;
  };
  std::vector<Placed> placed;
  placed.reserve(g.cells.size());
  for (const TableCell& cell : g.cells) {
    int left = colX[size_t(cell.col0)];
    int right = std::max(left, colX[size_t(cell.col0 + cell.cols)] - g.spacing);
    Placed p{out.Here(), {}, left, right, 0};
    out.items.resize(out.items.size() + 2);
    Style s = CellStyle(outer, *cell.node, *cell.row);
    Flow cellFlow(fonts, out, left + cb + pad, std::max(left + cb + pad, right - cb - pad),
                  cb + pad, false);
    cellFlow.align = s.align;
    Children(*cell.node, s, cellFlow);
    cellFlow.EndLine();
    p.height = cellFlow.Bottom() + pad + cb;
    if (const std::string* v = cell.node->Find("height"))
      if (auto l = ParseLength(*v); l && !l->percent)
        p.height = std::max(p.height, l->value);
    p.to = out.Here();
    placed.push_back(p);
  }

  std::vector<int> rowHeight(size_t(g.rows), 0);
  for (size_t i = 0; i < g.cells.size(); ++i)
    if (g.cells[i].rows == 1)
      rowHeight[size_t(g.cells[i].row0)] =
          std::max(rowHeight[size_t(g.cells[i].row0)], placed[i].height);
  for (size_t i = 0; i < g.cells.size(); ++i) {
    const TableCell& cell = g.cells[i];
    if (cell.rows == 1)
      continue;
    long long have = (cell.rows - 1LL) * g.spacing;
    for (int r = cell.row0; r < cell.row0 + cell.rows; ++r)
      have += rowHeight[size_t(r)];
    if (placed[i].height > have)
      rowHeight[size_t(cell.row0 + cell.rows - 1)] += int(placed[i].height - have);
  }
  std::vector<int> rowY = Edges(rowHeight, g);
  int tableHeight = Clamp(static_cast<long long>(rowY.back()) + g.border);

  for (size_t i = 0; i < g.cells.size(); ++i) {
    const TableCell& cell = g.cells[i];
    const Placed& p = placed[i];
    int top = rowY[size_t(cell.row0)];
    int bottom = std::max(top, rowY[size_t(cell.row0 + cell.rows)] - g.spacing);
    Align valign = VerticalAlign(*cell.node, *cell.row);
    int free = std::max(0, bottom - top - p.height);
    int dy = top + (valign == Align::Center ? free / 2 : valign == Align::Right ? free : 0);
    out.Translate(p.from, p.to, 0, dy);
    Rect box{p.left, top, p.right, bottom};
    const std::string* bg = cell.node->Find("bgcolor");
    if (!bg)
      bg = cell.row->Find("bgcolor");
    if (auto color = bg ? ParseColor(*bg) : std::nullopt) {
      Item& fill = out.items[p.from.items];
      fill.kind = Item::Kind::Fill;
      fill.rect = box;
      fill.color = *color;
    }
    if (cb) {
      Item& frame = out.items[p.from.items + 1];
      frame.kind = Item::Kind::Frame;
      frame.rect = box;
      frame.frameWidth = 1;
      frame.sunken = true;
    }
  }
  Rect whole{0, 0, tableWidth, tableHeight};
  if (const std::string* bg = table.Find("bgcolor"))
    if (auto color = ParseColor(*bg)) {
      Item& fill = out.items[tableMark.items];
      fill.kind = Item::Kind::Fill;
      fill.rect = whole;
      fill.color = *color;
    }
  if (g.border > 0) {
    Item& frame = out.items[tableMark.items + 1];
    frame.kind = Item::Kind::Frame;
    frame.rect = whole;
    frame.frameWidth = g.border;
  }
  flow.Block(tableMark, tableWidth, tableHeight, align, floating);
}

} // namespace html
