#include "settings/xml_document.h"

#include <algorithm>
#include <limits>

namespace vr {

namespace {

constexpr std::size_t kNone = std::string_view::npos;
// Offsets are 32-bit; a document never grows past this.
constexpr std::size_t kMaxDocument = std::numeric_limits<std::int32_t>::max() - 16;
constexpr std::string_view kTokenEnds = " \t\n\r<>=\\/?!";

// XML's own white space: no vertical tab or form feed.
bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::size_t SkipBlanks(std::string_view text, std::size_t pos, std::size_t limit) {
  while (pos < limit && IsXmlSpace(text[pos])) ++pos;
  return pos;
}

// One token inside a tag: a quoted string (begin/end exclude the quotes) or
// a run of characters up to a delimiter; a delimiter alone is a one-character
// token. `next` is where scanning resumes.
struct Token {
  bool found = false;
  bool quoted = false;
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;

  std::string_view View(std::string_view text) const { return text.substr(begin, end - begin); }
  bool IsChar(std::string_view text, char c) const {
    return found && !quoted && end - begin == 1 && text[begin] == c;
  }
  bool IsDelimiter(std::string_view text) const {
    return found && !quoted && end - begin == 1 && kTokenEnds.find(text[begin]) != kNone;
  }
};

Token NextToken(std::string_view text, std::size_t pos, std::size_t limit) {
  Token t;
  pos = SkipBlanks(text, pos, limit);
  t.next = limit;
  if (pos >= limit) return t;
  t.found = true;
  const char c = text[pos];
  if (c == '"' || c == '\'') {
    t.quoted = true;
    t.begin = pos + 1;
    const std::size_t close = text.substr(0, limit).find(c, t.begin);
    if (close == kNone) {
      t.end = limit;
    } else {
      t.end = close;
      t.next = close + 1;
    }
    return t;
  }
  std::size_t p = pos;
  while (p < limit && kTokenEnds.find(text[p]) == kNone) ++p;
  if (p == pos) ++p;
  t.begin = pos;
  t.end = p;
  t.next = p;
  return t;
}

// A name read from the document matches a requested name when the request
// starts with it and ends there or goes on with a blank, '=', '/' or '['.
bool NameMatches(std::string_view found, std::string_view requested) {
  if (found.empty() || requested.substr(0, found.size()) != found) return false;
  if (requested.size() == found.size()) return true;
  const char c = requested[found.size()];
  return c == ' ' || c == '=' || c == '/' || c == '[';
}

bool IsValidName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    if (kTokenEnds.find(c) != kNone || c == '"' || c == '\'' || c == '&') return false;
  }
  return true;
}

struct Entity {
  std::string_view code;  // after the '&'
  char character;
};
constexpr Entity kEntities[] = {
    {"lt;", '<'}, {"amp;", '&'}, {"gt;", '>'}, {"apos;", '\''}, {"quot;", '"'},
};

std::string Decode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    // Plain runs are copied whole: the saved text can be megabytes long.
    const std::size_t amp = text.find('&', i);
    if (amp == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    out.append(text.substr(i, amp - i));
    i = amp;
    const std::string_view rest = text.substr(i + 1);
    bool replaced = false;
    for (const Entity& e : kEntities) {
      if (rest.starts_with(e.code)) {
        out += e.character;
        i += 1 + e.code.size();
        replaced = true;
        break;
      }
    }
    if (replaced) continue;
    out += '&';
    ++i;
  }
  return out;
}

// Data escapes the three characters that could end or start markup;
// attribute values escape the quotes as well.
std::string Encode(std::string_view text, bool attribute) {
  const std::string_view special = attribute ? std::string_view("<&>'\"") : std::string_view("<&>");
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t at = text.find_first_of(special, i);
    if (at == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    out.append(text.substr(i, at - i));
    switch (text[at]) {
      case '<': out += "&lt;"; break;
      case '&': out += "&amp;"; break;
      case '>': out += "&gt;"; break;
      case '\'': out += "&apos;"; break;
      default: out += "&quot;"; break;
    }
    i = at + 1;
  }
  return out;
}

bool IsEmptyElement(const XmlElementRecord& r) { return r.endTagStart == r.startTagEnd - 1; }

// The value token of attribute `name` in the start tag of `r`.
Token FindAttribute(std::string_view text, const XmlElementRecord& r, std::string_view name) {
  const std::size_t limit = static_cast<std::size_t>(r.startTagEnd);
  std::size_t pos = NextToken(text, static_cast<std::size_t>(r.start) + 1, limit).next;
  while (true) {
    const Token key = NextToken(text, pos, limit);
    if (!key.found) return Token{};
    pos = key.next;
    // A stray value or the '/' of an empty element is not an attribute name.
    if (key.quoted || key.IsDelimiter(text)) continue;
    const Token equals = NextToken(text, pos, limit);
    if (!equals.IsChar(text, '=')) continue;  // a name without a value
    const Token value = NextToken(text, equals.next, limit);
    if (!value.found) return Token{};
    pos = value.next;
    if (NameMatches(key.View(text), name)) return value;
  }
}

}  // namespace

XmlDocument::XmlDocument() { ResetIndex(8); }

std::string XmlEscape(std::string_view text, bool attribute) { return Encode(text, attribute); }

void XmlDocument::ResetIndex(std::size_t capacity) {
  elements_.assign(capacity, XmlElementRecord{});
  usedCount_ = 1;
  XmlElementRecord& root = elements_[0];
  root.endTagStart = static_cast<std::int32_t>(document_.size());
  root.end = root.endTagStart;
  parent_ = current_ = child_ = 0;
}

std::int32_t XmlDocument::NewRecord() {
  if (static_cast<std::size_t>(usedCount_) >= elements_.size()) {
    elements_.resize(elements_.size() + elements_.size() / 2 + 1);
  }
  elements_[usedCount_] = XmlElementRecord{};
  return usedCount_++;
}

bool XmlDocument::LoadText(std::string_view text) {
  error_.clear();
  bool wellFormed = false;
  if (text.size() > kMaxDocument) {
    document_.clear();
    ResetIndex(8);
    error_ = "Element tag not found";
    return false;
  }
  document_.assign(text);
  ResetIndex(document_.size() / 64 + 8);
  if (!document_.empty()) {
    wellFormed = Parse();
  } else {
    error_ = "Element tag not found";
  }
  if (wellFormed) {
    error_.clear();
    elements_[0].firstChild = 1;
  } else {
    ResetIndex(8);
  }
  parent_ = current_ = child_ = 0;
  return wellFormed;
}

XmlDocument::Node XmlDocument::ScanNode(std::size_t pos) const {
  const std::string_view text = document_;
  while (true) {
    pos = SkipBlanks(text, pos, text.size());
    if (pos >= text.size()) return {NodeKind::End, pos};
    if (text[pos] != '<') {  // character data between elements
      pos = text.find('<', pos);
      if (pos == kNone) return {NodeKind::End, text.size()};
      continue;
    }
    if (pos + 1 >= text.size()) return {NodeKind::Element, pos};
    const char second = text[pos + 1];
    if (second == '?') {
      const std::size_t close = text.find("?>", pos + 2);
      if (close == kNone) return {NodeKind::Invalid, pos};
      pos = close + 2;
      continue;
    }
    if (second == '!') {
      const char third = pos + 2 < text.size() ? text[pos + 2] : '\0';
      if (third == '[' || third == '-') {
        const std::string_view closer = third == '[' ? "]]>" : "-->";
        const std::size_t close = text.find(closer, std::min(pos + 4, text.size()));
        if (close == kNone) return {NodeKind::Invalid, pos};
        pos = close + closer.size();
        continue;
      }
      // A declaration ends at the '>' outside its internal subset.
      int depth = 0;
      std::size_t p = pos + 2;
      for (; p < text.size(); ++p) {
        if (text[p] == '[') {
          ++depth;
        } else if (text[p] == ']') {
          if (depth > 0) --depth;
        } else if (text[p] == '>' && depth == 0) {
          break;
        }
      }
      if (p >= text.size()) return {NodeKind::Invalid, pos};
      pos = p + 1;
      continue;
    }
    if (second == '/') return {NodeKind::EndTag, pos};
    return {NodeKind::Element, pos};
  }
}

bool XmlDocument::Fail(std::string_view message, std::string_view name) {
  error_.clear();
  const std::size_t mark = message.find("%s");
  if (mark == kNone) {
    error_.assign(message);
  } else {
    error_.assign(message.substr(0, mark));
    error_ += name;
    error_ += message.substr(mark + 2);
  }
  return false;
}

// Indexes the document element and everything inside it. Iterative, so that
// deep nesting in a damaged file cannot exhaust the stack.
bool XmlDocument::Parse() {
  struct Open {
    std::int32_t index;
    std::int32_t lastChild;
  };
  std::vector<Open> open;
  const std::string_view text = document_;
  std::size_t pos = 0;
  while (true) {
    const Node node = ScanNode(pos);
    if (node.kind == NodeKind::End) {
      if (open.empty()) return Fail("Element tag not found", {});
      return Fail("End tag of %s element not found", NameOf(open.back().index));
    }
    if (node.kind == NodeKind::Invalid) return Fail("Invalid node", {});
    if (node.kind == NodeKind::EndTag) {
      if (open.empty()) return Fail("Element tag not found", {});
      const std::int32_t index = open.back().index;
      const std::string_view name = NameOf(index);
      const Token tag = NextToken(text, node.offset + 2, text.size());
      if (!tag.found || tag.quoted || tag.IsDelimiter(text)) {
        return Fail("Expecting end tag of element %s", name);
      }
      if (!NameMatches(tag.View(text), name)) return Fail("End tag does not correspond to %s", name);
      const std::size_t close = SkipBlanks(text, tag.next, text.size());
      if (close >= text.size() || text[close] != '>') {
        return Fail("End tag not completed for element %s", name);
      }
      elements_[index].endTagStart = static_cast<std::int32_t>(node.offset);
      elements_[index].end = static_cast<std::int32_t>(close);
      open.pop_back();
      if (open.empty()) return true;
      pos = close + 1;
      continue;
    }

    // The start tag of an element.
    const Token name = NextToken(text, node.offset + 1, text.size());
    if (!name.found) return Fail("Abrupt end within tag", {});
    if (name.quoted) return Fail("Tag starts with quote", {});
    if (name.IsDelimiter(text)) return Fail("Invalid node", {});
    std::size_t tagEnd = name.next;
    while (true) {
      const Token t = NextToken(text, tagEnd, text.size());
      if (!t.found) return Fail("Abrupt end within tag", {});
      if (t.IsChar(text, '<')) return Fail("End of tag not found", {});
      if (t.IsChar(text, '>')) {
        tagEnd = t.begin;
        break;
      }
      tagEnd = t.next;
    }

    const std::int32_t index = NewRecord();
    XmlElementRecord& r = elements_[index];
    r.start = static_cast<std::int32_t>(node.offset);
    r.startTagEnd = static_cast<std::int32_t>(tagEnd);
    r.level = static_cast<std::int32_t>(open.size()) + 1;
    if (!open.empty()) {
      Open& parent = open.back();
      r.parent = parent.index;
      if (parent.lastChild == 0) {
        elements_[parent.index].firstChild = index;
      } else {
        elements_[parent.lastChild].nextSibling = index;
      }
      parent.lastChild = index;
    }
    const bool empty = text[tagEnd - 1] == '/';
    if (empty) {
      elements_[index].endTagStart = static_cast<std::int32_t>(tagEnd) - 1;
      elements_[index].end = static_cast<std::int32_t>(tagEnd);
      if (open.empty()) return true;
    } else {
      open.push_back({index, 0});
    }
    pos = tagEnd + 1;
  }
}

std::string_view XmlDocument::NameOf(std::int32_t index) const {
  if (index <= 0 || index >= usedCount_) return {};
  const XmlElementRecord& r = elements_[index];
  const std::string_view text = document_;
  const Token t = NextToken(text, static_cast<std::size_t>(r.start) + 1,
                            static_cast<std::size_t>(r.startTagEnd));
  if (!t.found || t.quoted) return {};
  return t.View(text);
}

bool XmlDocument::FindSibling(std::string_view name) {
  std::int32_t i = current_ != 0 ? elements_[current_].nextSibling : elements_[parent_].firstChild;
  for (; i != 0; i = elements_[i].nextSibling) {
    if (name.empty() || NameMatches(NameOf(i), name)) {
      current_ = i;
      child_ = 0;
      return true;
    }
  }
  return false;
}

bool XmlDocument::FindChild(std::string_view name) {
  if (current_ == 0 && !FindSibling()) return false;
  std::int32_t i = child_ != 0 ? elements_[child_].nextSibling : elements_[current_].firstChild;
  for (; i != 0; i = elements_[i].nextSibling) {
    if (name.empty() || NameMatches(NameOf(i), name)) {
      child_ = i;
      return true;
    }
  }
  return false;
}

bool XmlDocument::StepIn() {
  if (current_ == 0) return false;
  parent_ = current_;
  current_ = child_;
  child_ = 0;
  return true;
}

bool XmlDocument::StepOut() {
  if (parent_ == 0) return false;
  child_ = current_;
  current_ = parent_;
  parent_ = elements_[parent_].parent;
  return true;
}

std::string XmlDocument::CurrentName() const { return std::string(NameOf(current_)); }

std::string XmlDocument::DataOf(std::int32_t index) const {
  if (index <= 0 || index >= usedCount_) return {};
  const XmlElementRecord& r = elements_[index];
  if (r.firstChild != 0 || IsEmptyElement(r)) return {};
  const std::string_view text = document_;
  const std::size_t begin = static_cast<std::size_t>(r.startTagEnd) + 1;
  const std::size_t end = static_cast<std::size_t>(r.endTagStart);
  const std::string_view content = text.substr(begin, end - begin);
  const std::size_t lead = SkipBlanks(content, 0, content.size());
  constexpr std::string_view kCdataOpen = "<![CDATA[";
  if (content.substr(lead, kCdataOpen.size()) == kCdataOpen) {
    const std::size_t from = lead + kCdataOpen.size();
    const std::size_t close = content.find("]]>", from);
    if (close != kNone) return std::string(content.substr(from, close - from));
  }
  return Decode(content);
}

std::string XmlDocument::ReadData() const { return DataOf(current_); }

std::string XmlDocument::ReadChildData() const { return DataOf(child_); }

std::string XmlDocument::AttributeOf(std::int32_t index, std::string_view name) const {
  if (index <= 0 || index >= usedCount_ || name.empty()) return {};
  const std::string_view text = document_;
  const Token value = FindAttribute(text, elements_[index], name);
  if (!value.found) return {};
  return Decode(value.View(text));
}

std::string XmlDocument::ReadAttribute(std::string_view name) const {
  return AttributeOf(current_, name);
}

std::string XmlDocument::ReadChildAttribute(std::string_view name) const {
  return AttributeOf(child_, name);
}

bool XmlDocument::Replace(std::size_t pos, std::size_t length, std::string_view text) {
  if (document_.size() - length + text.size() > kMaxDocument) return false;
  const std::int32_t delta = static_cast<std::int32_t>(text.size()) - static_cast<std::int32_t>(length);
  document_.replace(pos, length, text);
  const std::int32_t from = static_cast<std::int32_t>(pos + length);
  for (std::int32_t i = 1; i < usedCount_; ++i) {
    XmlElementRecord& r = elements_[i];
    for (std::int32_t* field : {&r.start, &r.startTagEnd, &r.endTagStart, &r.end}) {
      if (*field >= from) *field += delta;
    }
  }
  elements_[0].endTagStart = static_cast<std::int32_t>(document_.size());
  elements_[0].end = elements_[0].endTagStart;
  return true;
}

bool XmlDocument::SetAttribute(std::int32_t index, std::string_view name, std::string_view value) {
  if (index <= 0 || index >= usedCount_ || !IsValidName(name)) return false;
  const std::string encoded = Encode(value, true);
  const XmlElementRecord r = elements_[index];
  const Token old = FindAttribute(document_, r, name);
  if (old.found) {
    if (old.quoted) return Replace(old.begin, old.end - old.begin, encoded);
    return Replace(old.begin, old.end - old.begin, "\"" + encoded + "\"");
  }
  std::string attribute = " ";
  attribute += name;
  attribute += "=\"";
  attribute += encoded;
  attribute += '"';
  const std::size_t pos = static_cast<std::size_t>(r.startTagEnd) - (IsEmptyElement(r) ? 1 : 0);
  return Replace(pos, 0, attribute);
}

bool XmlDocument::WriteAttribute(std::string_view name, std::string_view value) {
  return SetAttribute(current_, name, value);
}

bool XmlDocument::WriteChildAttribute(std::string_view name, std::string_view value) {
  return SetAttribute(child_, name, value);
}

std::int32_t XmlDocument::AddElement(std::int32_t parent, std::int32_t after, std::string_view name,
                                     std::string_view data) {
  if (!IsValidName(name)) return 0;
  std::string element = "<";
  element += name;
  if (data.empty()) {
    element += "/>\r\n";
  } else {
    element += '>';
    element += Encode(data, false);
    element += "</";
    element += name;
    element += ">\r\n";
  }

  std::size_t start = 0;
  if (parent == 0) {
    if (elements_[0].firstChild != 0) return 0;  // one document element only
    start = document_.size();
    if (!Replace(start, 0, element)) return 0;
  } else {
    const XmlElementRecord p = elements_[parent];
    if (IsEmptyElement(p)) {
      // "<p/>" is opened into "<p>", the new element, "</p>".
      const std::size_t slash = static_cast<std::size_t>(p.endTagStart);
      const std::string opened = ">\r\n" + element + "</" + std::string(NameOf(parent)) + ">";
      if (!Replace(slash, 2, opened)) return 0;
      XmlElementRecord& q = elements_[parent];
      q.startTagEnd = static_cast<std::int32_t>(slash);
      q.endTagStart = static_cast<std::int32_t>(slash + 3 + element.size());
      q.end = static_cast<std::int32_t>(slash + opened.size() - 1);
      start = slash + 3;
    } else if (p.endTagStart == p.startTagEnd + 1) {
      start = static_cast<std::size_t>(p.endTagStart) + 2;
      if (!Replace(static_cast<std::size_t>(p.endTagStart), 0, "\r\n" + element)) return 0;
    } else {
      std::size_t pos = static_cast<std::size_t>(after != 0 ? elements_[after].end : p.startTagEnd) + 1;
      const std::size_t limit = static_cast<std::size_t>(p.endTagStart);
      if (pos + 1 < limit && document_.compare(pos, 2, "\r\n") == 0) {
        pos += 2;
      } else if (pos < limit && document_[pos] == '\n') {
        ++pos;
      }
      start = pos;
      if (!Replace(pos, 0, element)) return 0;
    }
  }

  const std::int32_t index = NewRecord();
  XmlElementRecord& r = elements_[index];
  const std::int32_t nameLength = static_cast<std::int32_t>(name.size());
  r.start = static_cast<std::int32_t>(start);
  if (data.empty()) {
    r.startTagEnd = r.start + nameLength + 2;
    r.endTagStart = r.startTagEnd - 1;
    r.end = r.startTagEnd;
  } else {
    r.startTagEnd = r.start + nameLength + 1;
    r.endTagStart = r.start + static_cast<std::int32_t>(element.size()) - 2 - (nameLength + 3);
    r.end = r.endTagStart + nameLength + 2;
  }
  r.parent = parent;
  r.level = parent == 0 ? 1 : elements_[parent].level + 1;
  if (after != 0) {
    r.nextSibling = elements_[after].nextSibling;
    elements_[after].nextSibling = index;
  } else {
    r.nextSibling = elements_[parent].firstChild;
    elements_[parent].firstChild = index;
  }
  return index;
}

bool XmlDocument::AppendElement(std::string_view name, std::string_view data) {
  const std::int32_t index = AddElement(parent_, current_, name, data);
  if (index == 0) return false;
  current_ = index;
  child_ = 0;
  return true;
}

bool XmlDocument::AppendChildElement(std::string_view name, std::string_view data) {
  if (current_ == 0) return false;
  const std::int32_t index = AddElement(current_, child_, name, data);
  if (index == 0) return false;
  child_ = index;
  return true;
}

}  // namespace vr
