#pragma once
// Builds the tree from the tokens, closing what pages of the time left open:
// p before blocks, li before li, cells and rows before cells and rows, and
// formatting (b, font, a, ...) that a closed block cut short is opened again
// after it.
#include "Dom.h"
#include "Page.h"

namespace html {

// Bytes are decoded in codePage (UTF-8 by the page itself, the rest by decode).
void ParseDocument(std::string_view bytes, int codePage, const Decoder& decode, Document& doc);

} // namespace html
