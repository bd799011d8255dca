#include "Entities.h"
#include <algorithm>
#include <cstring>

namespace html {
namespace {

struct Entity {
  const char* name;
  char16_t value;
};

// Sorted by name (byte order) for binary search.
constexpr Entity kEntities[] = {
    {"AElig", 198},    {"AMP", 38},       {"Aacute", 193},  {"Acirc", 194},   {"Agrave", 192},
    {"Alpha", 913},    {"Aring", 197},    {"Atilde", 195},  {"Auml", 196},    {"Beta", 914},
    {"COPY", 169},     {"Ccedil", 199},   {"Chi", 935},     {"Dagger", 8225}, {"Delta", 916},
    {"ETH", 208},      {"Eacute", 201},   {"Ecirc", 202},   {"Egrave", 200},  {"Epsilon", 917},
    {"Eta", 919},      {"Euml", 203},     {"GT", 62},       {"Gamma", 915},   {"Iacute", 205},
    {"Icirc", 206},    {"Igrave", 204},   {"Iota", 921},    {"Iuml", 207},    {"Kappa", 922},
    {"LT", 60},        {"Lambda", 923},   {"Mu", 924},      {"Ntilde", 209},  {"Nu", 925},
    {"OElig", 338},    {"Oacute", 211},   {"Ocirc", 212},   {"Ograve", 210},  {"Omega", 937},
    {"Omicron", 927},  {"Oslash", 216},   {"Otilde", 213},  {"Ouml", 214},    {"Phi", 934},
    {"Pi", 928},       {"Prime", 8243},   {"Psi", 936},     {"QUOT", 34},     {"REG", 174},
    {"Rho", 929},      {"Scaron", 352},   {"Sigma", 931},   {"THORN", 222},   {"Tau", 932},
    {"Theta", 920},    {"Uacute", 218},   {"Ucirc", 219},   {"Ugrave", 217},  {"Upsilon", 933},
    {"Uuml", 220},     {"Xi", 926},       {"Yacute", 221},  {"Yuml", 376},    {"Zeta", 918},
    {"aacute", 225},   {"acirc", 226},    {"acute", 180},   {"aelig", 230},   {"agrave", 224},
    {"alefsym", 8501}, {"alpha", 945},    {"amp", 38},      {"and", 8743},    {"ang", 8736},
    {"apos", 39},      {"aring", 229},    {"asymp", 8776},  {"atilde", 227},  {"auml", 228},
    {"bdquo", 8222},   {"beta", 946},     {"brvbar", 166},  {"bull", 8226},   {"cap", 8745},
    {"ccedil", 231},   {"cedil", 184},    {"cent", 162},    {"chi", 967},     {"circ", 710},
    {"clubs", 9827},   {"cong", 8773},    {"copy", 169},    {"crarr", 8629},  {"cup", 8746},
    {"curren", 164},   {"dArr", 8659},    {"dagger", 8224}, {"darr", 8595},   {"deg", 176},
    {"delta", 948},    {"diams", 9830},   {"divide", 247},  {"eacute", 233},  {"ecirc", 234},
    {"egrave", 232},   {"empty", 8709},   {"emsp", 8195},   {"ensp", 8194},   {"epsilon", 949},
    {"equiv", 8801},   {"eta", 951},      {"eth", 240},     {"euml", 235},    {"euro", 8364},
    {"exist", 8707},   {"fnof", 402},     {"forall", 8704}, {"frac12", 189},  {"frac14", 188},
    {"frac34", 190},   {"frasl", 8260},   {"gamma", 947},   {"ge", 8805},     {"gt", 62},
    {"hArr", 8660},    {"harr", 8596},    {"hearts", 9829}, {"hellip", 8230}, {"iacute", 237},
    {"icirc", 238},    {"iexcl", 161},    {"igrave", 236},  {"image", 8465},  {"infin", 8734},
    {"int", 8747},     {"iota", 953},     {"iquest", 191},  {"isin", 8712},   {"iuml", 239},
    {"kappa", 954},    {"lArr", 8656},    {"lambda", 955},  {"lang", 9001},   {"laquo", 171},
    {"larr", 8592},    {"lceil", 8968},   {"ldquo", 8220},  {"le", 8804},     {"lfloor", 8970},
    {"lowast", 8727},  {"loz", 9674},     {"lrm", 8206},    {"lsaquo", 8249}, {"lsquo", 8216},
    {"lt", 60},        {"macr", 175},     {"mdash", 8212},  {"micro", 181},   {"middot", 183},
    {"minus", 8722},   {"mu", 956},       {"nabla", 8711},  {"nbsp", 160},    {"ndash", 8211},
    {"ne", 8800},      {"ni", 8715},      {"not", 172},     {"notin", 8713},  {"nsub", 8836},
    {"ntilde", 241},   {"nu", 957},       {"oacute", 243},  {"ocirc", 244},   {"oelig", 339},
    {"ograve", 242},   {"oline", 8254},   {"omega", 969},   {"omicron", 959}, {"oplus", 8853},
    {"or", 8744},      {"ordf", 170},     {"ordm", 186},    {"oslash", 248},  {"otilde", 245},
    {"otimes", 8855},  {"ouml", 246},     {"para", 182},    {"part", 8706},   {"permil", 8240},
    {"perp", 8869},    {"phi", 966},      {"pi", 960},      {"piv", 982},     {"plusmn", 177},
    {"pound", 163},    {"prime", 8242},   {"prod", 8719},   {"prop", 8733},   {"psi", 968},
    {"quot", 34},      {"rArr", 8658},    {"radic", 8730},  {"rang", 9002},   {"raquo", 187},
    {"rarr", 8594},    {"rceil", 8969},   {"rdquo", 8221},  {"real", 8476},   {"reg", 174},
    {"rfloor", 8971},  {"rho", 961},      {"rlm", 8207},    {"rsaquo", 8250}, {"rsquo", 8217},
    {"sbquo", 8218},   {"scaron", 353},   {"sdot", 8901},   {"sect", 167},    {"shy", 173},
    {"sigma", 963},    {"sigmaf", 962},   {"sim", 8764},    {"spades", 9824}, {"sub", 8834},
    {"sube", 8838},    {"sum", 8721},     {"sup", 8835},    {"sup1", 185},    {"sup2", 178},
    {"sup3", 179},     {"supe", 8839},    {"szlig", 223},   {"tau", 964},     {"there4", 8756},
    {"theta", 952},    {"thetasym", 977}, {"thinsp", 8201}, {"thorn", 254},   {"tilde", 732},
    {"times", 215},    {"trade", 8482},   {"uArr", 8657},   {"uacute", 250},  {"uarr", 8593},
    {"ucirc", 251},    {"ugrave", 249},   {"uml", 168},     {"upsih", 978},   {"upsilon", 965},
    {"uuml", 252},     {"weierp", 8472},  {"xi", 958},      {"yacute", 253},  {"yen", 165},
    {"yuml", 255},     {"zeta", 950},     {"zwj", 8205},    {"zwnj", 8204},
};

// Windows-1252 for the references 128..159, which pages meant that way.
constexpr char16_t kC1[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x2026, 0x2020, 0x2021, 0x02C6,
                              0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD,
                              0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

bool IsAlnum(char32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int HexDigit(char32_t c) {
  if (c >= '0' && c <= '9')
    return int(c - '0');
  c |= 0x20;
  return c >= 'a' && c <= 'f' ? int(c - 'a' + 10) : -1;
}

// A reference found at s[0] == '&': the character it stands for and its
// length, which is 0 when there is no reference.
struct Match {
  char32_t value = 0;
  size_t length = 0;
};

template <class Char>
Match MatchReference(std::basic_string_view<Char> s, bool attribute, bool latin1Prefix) {
  Match m;
  size_t i = 1;
  if (i < s.size() && s[i] == '#') {
    ++i;
    int base = 10;
    if (i < s.size() && (s[i] == 'x' || s[i] == 'X')) {
      base = 16;
      ++i;
    }
    size_t start = i;
    char32_t v = 0;
    for (; i < s.size(); ++i) {
      int d = HexDigit(s[i]);
      if (d < 0 || d >= base)
        break;
      if (v <= 0x10FFFF)
        v = v * base + d;
    }
    if (i == start)
      return m;
    if (i < s.size() && s[i] == ';')
      ++i;
    if (v == 0 || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
      v = 0xFFFD;
    else if (v >= 0x80 && v < 0xA0)
      v = kC1[v - 0x80];
    m.value = v;
    m.length = i;
    return m;
  }
  size_t end = i;
  while (end < s.size() && end - i < 16 && IsAlnum(s[end]))
    ++end;
  if (end - i >= 16 || end == i)
    return m;
  char name[16];
  for (size_t k = i; k < end; ++k)
    name[k - i] = char(s[k]);
  std::string_view full(name, end - i);
  bool semicolon = end < s.size() && s[end] == ';';
  // "&copy=2" in an attribute is a URL's parameter, not a reference.
  if (attribute && !semicolon && end < s.size() && s[end] == '=')
    return m;
  if (auto v = NamedEntity(full)) {
    m.value = *v;
    m.length = end + (semicolon ? 1 : 0);
    return m;
  }
  if (attribute || !latin1Prefix)
    return m;
  for (size_t n = full.size() - 1; n >= 2; --n) {
    auto v = NamedEntity(full.substr(0, n));
    if (v && (*v < 0x100)) {
      m.value = *v;
      m.length = i + n;
      return m;
    }
  }
  return m;
}

} // namespace

std::optional<char16_t> NamedEntity(std::string_view name) {
  auto less = [](const Entity& e, std::string_view n) { return std::string_view(e.name) < n; };
  auto it = std::lower_bound(std::begin(kEntities), std::end(kEntities), name, less);
  if (it != std::end(kEntities) && it->name == name)
    return it->value;
  return std::nullopt;
}

std::u16string ResolveEntities(std::u16string_view text, bool attribute) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text[i] != '&') {
      out += text[i++];
      continue;
    }
    auto m = MatchReference(text.substr(i), attribute, true);
    if (!m.length) {
      out += text[i++];
      continue;
    }
    if (m.value >= 0x10000) {
      char32_t v = m.value - 0x10000;
      out += char16_t(0xD800 + (v >> 10));
      out += char16_t(0xDC00 + (v & 0x3FF));
    } else {
      out += char16_t(m.value);
    }
    i += m.length;
  }
  return out;
}

std::string ResolveAsciiEntities(std::string_view bytes) {
  if (bytes.find('&') == std::string_view::npos)
    return std::string(bytes);
  std::string out;
  for (size_t i = 0; i < bytes.size();) {
    if (bytes[i] == '&') {
      auto m = MatchReference(bytes.substr(i), true, false);
      if (m.length && m.value < 0x80) {
        out += char(m.value);
        i += m.length;
        continue;
      }
    }
    out += bytes[i++];
  }
  return out;
}

} // namespace html
