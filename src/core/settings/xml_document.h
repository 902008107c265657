#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vr {

// Where one element lies in the document text. Offsets are byte offsets;
// indices name other records, 0 meaning "none".
struct XmlElementRecord {
  std::int32_t start = 0;        // the '<' of the start tag
  std::int32_t startTagEnd = 0;  // the '>' that ends the start tag
  std::int32_t endTagStart = 0;  // the '<' of the end tag; for "<a/>" the '/'
  std::int32_t end = 0;          // the last character of the element
  std::int32_t level = 0;        // nesting depth, the document element is 1
  std::int32_t parent = 0;
  std::int32_t firstChild = 0;
  std::int32_t nextSibling = 0;
};

// A small XML document kept as one text plus an index of its elements.
// Reading walks the index with a cursor of three positions (parent, current,
// child); writing inserts text and shifts the index, so the text is always
// what will be saved. Processing instructions, comments, CDATA and a
// document type declaration are recognised and skipped. Nothing throws:
// navigation and reading give false or an empty text when there is nothing
// at the position.
class XmlDocument {
 public:
  XmlDocument();

  // Replaces the document by `text` and indexes it. False when the text is
  // not a well-formed document; then ErrorText() says why, the text is kept
  // and the index is empty. The cursor is placed before the document element.
  bool LoadText(std::string_view text);

  // Moves the current position to the next sibling named `name` (any element
  // when empty), searching after the current position or from the parent's
  // first child when there is none. On failure nothing moves.
  bool FindSibling(std::string_view name = {});
  // Moves the child position to the next child of the current element named
  // `name` (any when empty), after the child position.
  bool FindChild(std::string_view name = {});
  // The current element becomes the parent, the child the current position.
  bool StepIn();
  // The parent becomes the current position, the current one the child.
  bool StepOut();

  std::string CurrentName() const;
  // The text of an element without child elements: a leading CDATA section
  // as it stands, or else the content with entities decoded.
  std::string ReadData() const;
  std::string ReadChildData() const;
  std::string ReadAttribute(std::string_view name) const;
  std::string ReadChildAttribute(std::string_view name) const;

  bool WriteAttribute(std::string_view name, std::string_view value);
  bool WriteChildAttribute(std::string_view name, std::string_view value);

  // Adds an element after the current position under the parent (or as the
  // parent's first child) and makes it current. Only one document element
  // may exist. Empty data writes an empty element "<name/>".
  bool AppendElement(std::string_view name, std::string_view data = {});
  // Adds an element after the child position under the current element and
  // makes it the child position.
  bool AppendChildElement(std::string_view name, std::string_view data = {});

  const std::string& DocumentText() const { return document_; }
  const std::string& ErrorText() const { return error_; }
  // 1 when the current position is an element, 0 when there is none.
  int NodeType() const { return current_ != 0 ? 1 : 0; }

  // For tests and diagnostics: the index as it stands.
  const XmlElementRecord& Record(std::int32_t index) const { return elements_[index]; }
  std::int32_t UsedCount() const { return usedCount_; }

 private:
  enum class NodeKind { End, Element, EndTag, Invalid };
  struct Node {
    NodeKind kind = NodeKind::End;
    std::size_t offset = 0;
  };

  void ResetIndex(std::size_t capacity);
  std::int32_t NewRecord();
  Node ScanNode(std::size_t pos) const;
  bool Parse();
  bool Fail(std::string_view message, std::string_view name);

  std::string_view NameOf(std::int32_t index) const;
  std::string DataOf(std::int32_t index) const;
  std::string AttributeOf(std::int32_t index, std::string_view name) const;
  bool SetAttribute(std::int32_t index, std::string_view name, std::string_view value);
  std::int32_t AddElement(std::int32_t parent, std::int32_t after, std::string_view name,
                          std::string_view data);
  bool Replace(std::size_t pos, std::size_t length, std::string_view text);

  std::string document_;
  std::string error_;
  std::vector<XmlElementRecord> elements_;
  std::int32_t usedCount_ = 1;
  std::int32_t parent_ = 0;
  std::int32_t current_ = 0;
  std::int32_t child_ = 0;
};

// The text as it stands in a document: "<", "&" and ">" escaped, and in an
// attribute value (`attribute`) both quotes as well.
std::string XmlEscape(std::string_view text, bool attribute);

}  // namespace vr
