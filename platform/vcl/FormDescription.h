#pragma once
// The stored form description: a text of nested objects with properties,
//   object Name: TClass
//     Property = value
//     object Child: TChildClass ... end
//   end
// Values are integers, 'strings' ('' for a quote, #nnn for any byte, joined
// by +), identifiers, [sets] and {size:bytes} binary blocks. Pure logic.
#include <string>
#include <string_view>
#include <vector>

struct FormValue {
  enum class Kind { Integer, String, Ident, Set, Binary };
  Kind kind = Kind::Integer;
  long long integer = 0;
  std::string text; // string, identifier or binary data
  std::vector<std::string> set;
};

struct FormProperty {
  std::string name;
  FormValue value;
};

struct FormObject {
  std::string name;
  std::string className;
  std::vector<FormProperty> properties;
  std::vector<FormObject> children;
};

// Throws EReadError with the line number for a malformed description.
FormObject ParseFormDescription(std::string_view text);

// Typed reads of a value; throw EReadError naming the property when the kind
// does not fit.
long long AsInteger(const FormProperty& p);
bool AsBoolean(const FormProperty& p);
const std::string& AsString(const FormProperty& p);
const std::string& AsIdent(const FormProperty& p);
