#pragma once
// Lays a parsed page out for a width: walks the tree with the inherited
// style, turning blocks into line ends and vertical space, lists into
// markers, pictures and rules into boxes and tables into grids of cells,
// each cell a flow of its own.
#include "DisplayList.h"
#include "Dom.h"
#include "Flow.h"
#include "Fonts.h"
#include "Style.h"
#include "TableGrid.h"
#include <memory>
#include <set>

namespace html {

struct PageSettings;

void LayoutDocument(const Document& doc, int width, TextMeasurer& measurer,
                    const PageSettings& settings, const std::set<std::string>& visited,
                    LayoutResult& out);

class Engine {
public:
  Engine(TextMeasurer& measurer, const PageSettings& settings, const std::set<std::string>& visited,
         LayoutResult& out);
  ~Engine();

  void Walk(const Node& n, const Style& s, Flow& flow);
  void Children(const Node& n, const Style& s, Flow& flow);
  int Font(const Style& s) { return fonts.Find(styles.Font(s)); }

  TextMeasurer& measurer;
  const PageSettings& settings;
  const std::set<std::string>& visited;
  LayoutResult& out;
  FontTable fonts;
  StyleContext styles;
  Color linkColor = 0, visitedColor = 0;

private:
  struct List {
    Tag tag;
    int counter;
    char type; // ol: '1', 'a', 'A', 'i', 'I'; ul: shape '0'..'2', or 0 by depth
  };
  void Image(const Node& n, const Style& s, Flow& flow);
  void Rule(const Node& n, const Style& s, Flow& flow);
  void ListItem(const Node& n, const Style& s, Flow& flow);
  void Table(const Node& n, const Style& s, Flow& flow);
  TableGrid& Grid(const Node& n, const Style& s);
  Style CellStyle(const Style& outer, const Node& cell, const Node& row) const;
  ImageSize PictureSize(const std::string& src);

  std::vector<List> lists_;
  std::vector<std::pair<const Node*, std::unique_ptr<TableGrid>>> grids_;
  std::vector<std::pair<std::string, ImageSize>> pictures_;
};

} // namespace html
