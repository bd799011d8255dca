#pragma once
// The parsed page: a tree of the elements the control knows, with text.
// Unknown tags leave no node; their content belongs to the enclosing element.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace html {

enum class Tag : std::uint8_t {
  Unknown,
  Root,
  Text,
  // inline
  A,
  B,
  Basefont,
  Big,
  Br,
  Cite,
  Code,
  Dfn,
  Em,
  Font,
  I,
  Img,
  Kbd,
  Nobr,
  S,
  Samp,
  Small,
  Span,
  Strike,
  Strong,
  Sub,
  Sup,
  Tt,
  U,
  Var,
  // blocks
  Address,
  Blockquote,
  Center,
  Dd,
  Dir,
  Div,
  Dl,
  Dt,
  Form,
  H1,
  H2,
  H3,
  H4,
  H5,
  H6,
  Hr,
  Li,
  Listing,
  Menu,
  Ol,
  P,
  Pre,
  Ul,
  Xmp,
  // tables
  Table,
  Tr,
  Td,
  Th,
  Caption,
  Tbody,
  Thead,
  Tfoot,
  // read by the parser, never in the tree (Select is kept to hide its content)
  Html,
  Head,
  Body,
  Title,
  Meta,
  Script,
  Style,
  Textarea,
  Select,
  Wbr,
};

Tag TagOfName(std::string_view name);

struct Attribute {
  std::string name;  // lower case
  std::string value; // bytes as written, references to ASCII characters resolved
};

struct Node {
  Tag tag = Tag::Root;
  std::vector<Attribute> attributes;
  std::u16string text; // a text node's characters; an image's ALT text
  std::vector<std::unique_ptr<Node>> children;

  const std::string* Find(std::string_view name) const {
    for (const Attribute& a : attributes)
      if (a.name == name)
        return &a.value;
    return nullptr;
  }
};

struct Document {
  Node root;
  std::u16string title;
  std::vector<Attribute> body; // the first <body>'s attributes
  int codePage = 0;

  const std::string* BodyAttribute(std::string_view name) const {
    for (const Attribute& a : body)
      if (a.name == name)
        return &a.value;
    return nullptr;
  }
};

} // namespace html
