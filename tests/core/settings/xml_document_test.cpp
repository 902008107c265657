#include "settings/xml_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace vr {
namespace {

// The element names of the document in document order, with their levels,
// walked through the public cursor only.
std::string Outline(XmlDocument& doc) {
  std::string out;
  std::function<void(int)> walk = [&](int depth) {
    while (doc.FindSibling()) {
      out += std::string(static_cast<std::size_t>(depth), '.') + doc.CurrentName() + ' ';
      doc.StepIn();
      walk(depth + 1);
      doc.StepOut();
    }
  };
  walk(0);
  return out;
}

TEST(XmlDocument, WellFormedDocumentsIndexTheirElements) {
  struct Row {
    const char* text;
    const char* outline;
  };
  const Row rows[] = {
      {"<a/>", "a "},
      {"<a></a>", "a "},
      {"<a><b/><c>x</c></a>", "a .b .c "},
      {"<?xml version=\"1.0\"?>\r\n<!-- note -->\r\n<!DOCTYPE a>\r\n<a/>", "a "},
      {"<!DOCTYPE a [ <!ELEMENT a (#PCDATA)> <!ENTITY e \"x\"> ]><a><b/></a>", "a .b "},
      {"<a><![CDATA[<b></c>]]><d/></a>", "a .d "},
      {"<a><!-- <b/> --><c/><?pi <x/> ?></a>", "a .c "},
      {"stray text <a/>", "a "},
      {"<a/> trailing <b/> </c>", "a "},
      {"<a x='>' y=\"<\"><b\n  z = \"1\"\t/></a>", "a .b "},
      {"<a><b><c><d/></c></b><e/></a>", "a .b ..c ...d .e "},
      {"< a ></a >", "a "},
      {"<Options><Ваш/></Options>", "Options .Ваш "},
  };
  for (const Row& r : rows) {
    XmlDocument doc;
    EXPECT_TRUE(doc.LoadText(r.text)) << r.text << ": " << doc.ErrorText();
    EXPECT_EQ(doc.ErrorText(), "") << r.text;
    EXPECT_EQ(Outline(doc), r.outline) << r.text;
  }
}

TEST(XmlDocument, MalformedDocumentsReportTheirFault) {
  struct Row {
    const char* text;
    const char* error;
  };
  const Row rows[] = {
      {"", "Element tag not found"},
      {" \r\n\t", "Element tag not found"},
      {"<!-- only a comment -->", "Element tag not found"},
      {"just text", "Element tag not found"},
      {"</a>", "Element tag not found"},
      {"<'a'/>", "Tag starts with quote"},
      {"<", "Abrupt end within tag"},
      {"<a", "Abrupt end within tag"},
      {"<a x='1>", "Abrupt end within tag"},
      {"<a <b/>", "End of tag not found"},
      {"<a>", "End tag of a element not found"},
      {"<a><b>text", "End tag of b element not found"},
      {"<a></>", "Expecting end tag of element a"},
      {"<a></'a'>", "Expecting end tag of element a"},
      {"<a><b></c></a>", "End tag does not correspond to b"},
      {"<ab></a>", "End tag does not correspond to ab"},
      {"<a></a x>", "End tag not completed for element a"},
      {"<a></a", "End tag not completed for element a"},
      {"<a><!-- open", "Invalid node"},
      {"<?xml", "Invalid node"},
      {"<a><![CDATA[x</a>", "Invalid node"},
      {"<!DOCTYPE a [ <a/>", "Invalid node"},
      {"<>", "Invalid node"},
  };
  for (const Row& r : rows) {
    XmlDocument doc;
    EXPECT_FALSE(doc.LoadText(r.text)) << r.text;
    EXPECT_EQ(doc.ErrorText(), r.error) << r.text;
    // The text stays, the index is empty.
    EXPECT_EQ(doc.DocumentText(), r.text);
    EXPECT_EQ(doc.UsedCount(), 1);
    EXPECT_FALSE(doc.FindSibling()) << r.text;
  }
}

TEST(XmlDocument, SiblingSearchStartsAfterTheElementFoundLast) {
  XmlDocument doc;
  ASSERT_TRUE(doc.LoadText(
      "<r><Radian>0</Radian><SaveWindowsPositions>1</SaveWindowsPositions>"
      "<Geometry2D/><Geometry/><Item/><x/></r>"));
  ASSERT_TRUE(doc.FindSibling());
  ASSERT_TRUE(doc.StepIn());
  struct Step {
    const char* name;
    bool found;
    const char* current;  // the current position after the step
  };
  const Step steps[] = {
      {"SaveWindowsPositions", true, "SaveWindowsPositions"},
      {"Radian", false, "SaveWindowsPositions"},  // stands before: not found
      {"Missing", false, "SaveWindowsPositions"},
      {"Geometry", true, "Geometry"},  // "Geometry2D" is another name
      {"Geometry2D", false, "Geometry"},
      {"Item[2]", true, "Item"},  // a name matches up to a blank, '=', '/' or '['
      {"It", false, "Item"},
      {"", true, "x"},
      {"", false, "x"},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(doc.FindSibling(s.name), s.found) << s.name;
    EXPECT_EQ(doc.CurrentName(), s.current) << s.name;
  }
}

TEST(XmlDocument, ChildPositionAndSteppingInAndOut) {
  XmlDocument doc;
  ASSERT_TRUE(doc.LoadText("<r><a>1</a><b><c>2</c><c>3</c></b><d>4</d></r>"));
  // FindChild first finds the document element when there is no position.
  ASSERT_TRUE(doc.FindChild("b"));
  EXPECT_EQ(doc.CurrentName(), "r");
  EXPECT_EQ(doc.ReadChildData(), "");  // b has children
  EXPECT_FALSE(doc.FindChild("a"));    // a lies before b
  ASSERT_TRUE(doc.FindChild("d"));
  EXPECT_EQ(doc.ReadChildData(), "4");

  ASSERT_TRUE(doc.LoadText(doc.DocumentText()));
  EXPECT_FALSE(doc.StepOut());  // no parent at the top
  ASSERT_TRUE(doc.FindSibling());
  ASSERT_TRUE(doc.StepIn());
  ASSERT_TRUE(doc.FindSibling("b"));
  ASSERT_TRUE(doc.StepIn());
  EXPECT_EQ(doc.NodeType(), 0);
  ASSERT_TRUE(doc.FindSibling("c"));
  EXPECT_EQ(doc.ReadData(), "2");
  ASSERT_TRUE(doc.FindSibling("c"));
  EXPECT_EQ(doc.ReadData(), "3");
  ASSERT_TRUE(doc.StepOut());
  EXPECT_EQ(doc.CurrentName(), "b");
  EXPECT_EQ(doc.ReadChildData(), "3");  // the element stepped out of
  ASSERT_TRUE(doc.FindSibling("d"));
  EXPECT_EQ(doc.ReadData(), "4");
  ASSERT_TRUE(doc.StepOut());
  EXPECT_EQ(doc.CurrentName(), "r");
  EXPECT_FALSE(doc.StepOut());
}

TEST(XmlDocument, ReadDataDecodesEntitiesOrKeepsCdata) {
  struct Row {
    const char* element;
    const char* data;
  };
  const Row rows[] = {
      {"<a>x &lt; y &amp;&gt; z</a>", "x < y &> z"},
      {"<a>&apos;&quot;</a>", "'\""},
      {"<a>&amp;lt;</a>", "&lt;"},
      {"<a>&unknown; &amp &lt</a>", "&unknown; &amp &lt"},
      {"<a> 1 </a>", " 1 "},
      {"<a><![CDATA[<b>&amp;]]></a>", "<b>&amp;"},
      {"<a>\r\n  <![CDATA[x]]> tail</a>", "x"},
      {"<a>x<![CDATA[y]]></a>", "x<![CDATA[y]]>"},
      {"<a/>", ""},
      {"<a></a>", ""},
      {"<a>text<b/></a>", ""},
      {"<a>Привет | мир</a>", "Привет | мир"},
  };
  for (const Row& r : rows) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadText(r.element)) << r.element;
    EXPECT_EQ(doc.ReadData(), "") << "no position yet";
    ASSERT_TRUE(doc.FindSibling());
    EXPECT_EQ(doc.ReadData(), r.data) << r.element;
  }
}

TEST(XmlDocument, ReadAttributeFindsTheNamedValue) {
  struct Row {
    const char* element;
    const char* name;
    const char* value;
  };
  const Row rows[] = {
      {"<a x=\"1\" y='2'/>", "x", "1"},
      {"<a x=\"1\" y='2'/>", "y", "2"},
      {"<a x = \"1\"\n y\t=\t'2'></a>", "y", "2"},
      {"<a x=5/>", "x", "5"},
      {"<a x=\"1\"/>", "z", ""},
      {"<a x=\"&lt;&amp;&gt;&apos;&quot;\"/>", "x", "<&>'\""},
      {"<a v=\"x\" x=\"2\"/>", "x", "2"},
      {"<a Top2=\"1\" Top=\"2\"/>", "Top", "2"},
      {"<a flag x=\"3\"/>", "x", "3"},
      {"<a x=\"a>b\"/>", "x", "a>b"},
      {"<a x=\"\"/>", "x", ""},
      {"<a a=\"self\"/>", "a", "self"},
  };
  for (const Row& r : rows) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadText(r.element)) << r.element;
    EXPECT_EQ(doc.ReadAttribute(r.name), "") << "no position yet";
    ASSERT_TRUE(doc.FindSibling());
    EXPECT_EQ(doc.ReadAttribute(r.name), r.value) << r.element << " " << r.name;
  }
}

TEST(XmlDocument, AppendingWritesElementsOnTheirOwnLines) {
  XmlDocument doc;
  ASSERT_TRUE(doc.AppendElement("Options"));
  EXPECT_EQ(doc.DocumentText(), "<Options/>\r\n");
  ASSERT_TRUE(doc.AppendChildElement("Radian", "1"));
  EXPECT_EQ(doc.DocumentText(), "<Options>\r\n<Radian>1</Radian>\r\n</Options>\r\n");
  ASSERT_TRUE(doc.AppendChildElement("Geometry"));
  ASSERT_TRUE(doc.WriteChildAttribute("Top", "10"));
  ASSERT_TRUE(doc.WriteChildAttribute("Left", "-1"));
  ASSERT_TRUE(doc.AppendChildElement("Data", "a<b & c>d \"'"));
  EXPECT_EQ(doc.DocumentText(),
            "<Options>\r\n"
            "<Radian>1</Radian>\r\n"
            "<Geometry Top=\"10\" Left=\"-1\"/>\r\n"
            "<Data>a&lt;b &amp; c&gt;d \"'</Data>\r\n"
            "</Options>\r\n");
  // One document element only; a child needs a current element.
  EXPECT_FALSE(doc.AppendElement("Second"));
  XmlDocument fresh;
  EXPECT_FALSE(fresh.AppendChildElement("x"));
  EXPECT_FALSE(fresh.WriteAttribute("x", "1"));
}

TEST(XmlDocument, AppendingIntoAParsedDocumentKeepsItsLayout) {
  struct Row {
    const char* text;
    const char* after;  // the sibling to append after; empty: first child
    const char* expected;
  };
  const Row rows[] = {
      {"<r></r>", "", "<r>\r\n<n>v</n>\r\n</r>"},
      {"<r/>", "", "<r>\r\n<n>v</n>\r\n</r>"},
      {"<r>\r\n<a/>\r\n</r>", "a", "<r>\r\n<a/>\r\n<n>v</n>\r\n</r>"},
      {"<r>\r\n<a/>\r\n</r>", "", "<r>\r\n<n>v</n>\r\n<a/>\r\n</r>"},
      {"<r><a/><b/></r>", "a", "<r><a/><n>v</n>\r\n<b/></r>"},
      {"<r>\n<a/>\n</r>", "a", "<r>\n<a/>\n<n>v</n>\r\n</r>"},
  };
  for (const Row& r : rows) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadText(r.text)) << r.text;
    ASSERT_TRUE(doc.FindSibling());
    ASSERT_TRUE(doc.StepIn());
    if (r.after[0] != '\0') {
      ASSERT_TRUE(doc.FindSibling(r.after));
    }
    ASSERT_TRUE(doc.AppendElement("n", "v")) << r.text;
    EXPECT_EQ(doc.CurrentName(), "n");
    EXPECT_EQ(doc.DocumentText(), r.expected) << r.text;
  }
}

TEST(XmlDocument, WriteAttributeReplacesOrAdds) {
  struct Row {
    const char* text;
    const char* name;
    const char* value;
    const char* expected;
  };
  const Row rows[] = {
      {"<a/>", "x", "1", "<a x=\"1\"/>"},
      {"<a></a>", "x", "1", "<a x=\"1\"></a>"},
      {"<a x=\"1\" y=\"2\"/>", "x", "100", "<a x=\"100\" y=\"2\"/>"},
      {"<a x='1'/>", "x", "", "<a x=''/>"},
      {"<a x=1/>", "x", "2", "<a x=\"2\"/>"},
      {"<a/>", "x", "<&>'\"", "<a x=\"&lt;&amp;&gt;&apos;&quot;\"/>"},
      {"<a v=\"x\"/>", "x", "1", "<a v=\"x\" x=\"1\"/>"},
  };
  for (const Row& r : rows) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadText(r.text)) << r.text;
    ASSERT_TRUE(doc.FindSibling());
    ASSERT_TRUE(doc.WriteAttribute(r.name, r.value)) << r.text;
    EXPECT_EQ(doc.DocumentText(), r.expected) << r.text;
    EXPECT_EQ(doc.ReadAttribute(r.name), r.value) << r.text;
  }
  XmlDocument doc;
  ASSERT_TRUE(doc.LoadText("<a/>"));
  ASSERT_TRUE(doc.FindSibling());
  for (const char* bad : {"", "a b", "a=b", "a\"", "<a", "a/"}) {
    EXPECT_FALSE(doc.WriteAttribute(bad, "1")) << bad;
    EXPECT_FALSE(doc.AppendChildElement(bad)) << bad;
  }
  EXPECT_EQ(doc.DocumentText(), "<a/>");
}

// After any sequence of edits the index must be exactly what parsing the
// edited text gives, or later reads and writes land in the wrong place.
TEST(XmlDocument, EditedIndexMatchesAFreshParse) {
  using Edit = std::function<void(XmlDocument&)>;
  struct Row {
    const char* text;
    std::vector<Edit> edits;
  };
  const auto appendChild = [](const char* name, const char* data) {
    return Edit([=](XmlDocument& d) { ASSERT_TRUE(d.AppendChildElement(name, data)); });
  };
  const auto attribute = [](const char* name, const char* value) {
    return Edit([=](XmlDocument& d) { ASSERT_TRUE(d.WriteAttribute(name, value)); });
  };
  const auto childAttribute = [](const char* name, const char* value) {
    return Edit([=](XmlDocument& d) { ASSERT_TRUE(d.WriteChildAttribute(name, value)); });
  };
  const auto find = [](const char* name) {
    return Edit([=](XmlDocument& d) { ASSERT_TRUE(d.FindSibling(name)); });
  };
  const Edit in = [](XmlDocument& d) { ASSERT_TRUE(d.StepIn()); };
  const Edit out = [](XmlDocument& d) { ASSERT_TRUE(d.StepOut()); };
  const Row rows[] = {
      {"<r><a>1</a><b/><c x='1'>3</c></r>",
       {find("r"), attribute("long", "value"), in, find("b"), attribute("y", "2"), find("c"),
        attribute("x", "a much longer value"), out, appendChild("d", "4"), in,
        appendChild("e", ""), childAttribute("z", "<>"), out}},
      {"<r>\r\n<v/>\r\n<w>t</w>\r\n</r>",
       {find("r"), in, find("v"), appendChild("i", ""), childAttribute("n", "x"),
        appendChild("i", "y"), out, appendChild("last", "z"), in, find("w"),
        attribute("w", "1"), out}},
      {"<?xml version='1.0'?><!-- c --><r/>",
       {find("r"), appendChild("a", ""), in, appendChild("b", ""), in, appendChild("c", "deep"),
        attribute("k", "v"), out, out, attribute("top", "1")}},
  };
  for (const Row& r : rows) {
    XmlDocument edited;
    ASSERT_TRUE(edited.LoadText(r.text)) << r.text;
    for (const Edit& e : r.edits) e(edited);
    XmlDocument fresh;
    ASSERT_TRUE(fresh.LoadText(edited.DocumentText())) << edited.DocumentText();
    ASSERT_EQ(edited.UsedCount(), fresh.UsedCount()) << edited.DocumentText();
    // Records may be numbered differently; compare them in document order.
    std::vector<std::vector<std::int32_t>> a, b;
    for (const XmlDocument* doc : {&edited, &fresh}) {
      auto& list = doc == &edited ? a : b;
      for (std::int32_t i = 1; i < doc->UsedCount(); ++i) {
        const XmlElementRecord& e = doc->Record(i);
        list.push_back({e.start, e.startTagEnd, e.endTagStart, e.end, e.level});
      }
      std::sort(list.begin(), list.end());
    }
    EXPECT_EQ(a, b) << edited.DocumentText();
  }
}

TEST(XmlDocument, DeepNestingAndLargeDocumentsDoNotExhaustTheStack) {
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  XmlDocument doc;
  EXPECT_FALSE(doc.LoadText(deep));
  EXPECT_EQ(doc.ErrorText(), "End tag of a element not found");
  for (int i = 0; i < 200000; ++i) deep += "</a>";
  EXPECT_TRUE(doc.LoadText(deep));
  EXPECT_EQ(doc.UsedCount(), 200001);
}

}  // namespace
}  // namespace vr
