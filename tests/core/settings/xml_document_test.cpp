#include "settings/xml_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace vr {
namespace {

// What a loaded document holds, walked through the public cursor only: each
// element with dots for its depth and "=data" when it has some; or the error.
std::string Shown(std::string_view text) {
  XmlDocument doc;
  const bool loaded = doc.LoadText(text);
  EXPECT_EQ(doc.DocumentText(), text);  // kept even when it is malformed
  if (!loaded) {
    EXPECT_EQ(doc.UsedCount(), 1) << "the index of a malformed text is empty";
    EXPECT_FALSE(doc.FindSibling());
    return "error: " + doc.ErrorText();
  }
  EXPECT_EQ(doc.ErrorText(), "");
  EXPECT_EQ(doc.ReadData(), "") << "no position yet";
  std::string out;
  std::function<void(int)> walk = [&](int depth) {
    while (doc.FindSibling()) {
      out += std::string(static_cast<std::size_t>(depth), '.') + doc.CurrentName();
      if (!doc.ReadData().empty()) out += "=" + doc.ReadData();
      out += ' ';
      doc.StepIn();
      walk(depth + 1);
      doc.StepOut();
    }
  };
  walk(0);
  return out;
}

TEST(XmlDocument, LoadingIndexesElementsOrReportsTheFault) {
  const std::pair<const char*, const char*> rows[] = {
      {"<a/>", "a "},
      {"<a></a>", "a "},
      {"<a><b/><c>x</c></a>", "a .b .c=x "},
      {"<?xml version=\"1.0\"?>\r\n<!-- note -->\r\n<!DOCTYPE a>\r\n<a/>", "a "},
      {"<!DOCTYPE a [ <!ELEMENT a (#PCDATA)> <!ENTITY e \"x\"> ]><a><b/></a>", "a .b "},
      {"<!DOCTYPE a ]><a/>", "a "},
      {"<a><![CDATA[<b></c>]]><d/></a>", "a .d "},
      {"<a><!-- <b/> --><c/><?pi <x/> ?></a>", "a .c "},
      {"<?pi <x?><!--<b--><a><![CDATA[<c]]></a>", "a=<c "},
      {"stray text <a/>", "a "},
      {"<a/> trailing <b/> </c>", "a "},
      {"<a x='>' y=\"<\"><b\n  z = \"1\"\t/></a>", "a .b "},
      {"<a><b><c><d/></c></b><e/></a>", "a .b ..c ...d .e "},
      {"<r><a/><a/><a/><a/><a/><a/><a/><a/><a/>z</r>", "r .a .a .a .a .a .a .a .a .a "},
      {"< a ></a >", "a "},
      {"<Options><Ваш>Привет | мир</Ваш></Options>", "Options .Ваш=Привет | мир "},
      // Data: entities decoded, or a leading CDATA section as it stands.
      {"<a>x &lt; y &amp;&gt; z</a>", "a=x < y &> z "},
      {"<a>&apos;&quot;&amp;lt;</a>", "a='\"&lt; "},
      {"<a>&unknown; &amp &lt</a>", "a=&unknown; &amp &lt "},
      {"<a> 1 </a>", "a= 1  "},
      {"<a><![CDATA[<b>&amp;]]></a>", "a=<b>&amp; "},
      {"<a>\r\n  <![CDATA[x]]> tail</a>", "a=x "},
      {"<a>x<![CDATA[y]]></a>", "a=x<![CDATA[y]]> "},
      {"<a>text<b>1</b></a>", "a .b=1 "},
      // Faults.
      {"", "error: Element tag not found"},
      {" \r\n\t", "error: Element tag not found"},
      {"<!-- only a comment -->", "error: Element tag not found"},
      {"just text", "error: Element tag not found"},
      {"</a>", "error: Element tag not found"},
      {"<'a'/>", "error: Tag starts with quote"},
      {"<", "error: Abrupt end within tag"},
      {"<a", "error: Abrupt end within tag"},
      {"<a x='1>", "error: Abrupt end within tag"},
      {"<a <b/>", "error: End of tag not found"},
      {"<a>", "error: End tag of a element not found"},
      {"<a><b>text", "error: End tag of b element not found"},
      {"<a></>", "error: Expecting end tag of element a"},
      {"<a></", "error: Expecting end tag of element a"},
      {"<a></'a'>", "error: Expecting end tag of element a"},
      {"<a><b></c></a>", "error: End tag does not correspond to b"},
      {"<ab></a>", "error: End tag does not correspond to ab"},
      {"<a></a x>", "error: End tag not completed for element a"},
      {"<a></a", "error: End tag not completed for element a"},
      {"<a><!-- open", "error: Invalid node"},
      {"<?xml", "error: Invalid node"},
      {"<a><![CDATA[x</a>", "error: Invalid node"},
      {"<!DOCTYPE a [ <a/>", "error: Invalid node"},
      {"<>", "error: Invalid node"},
  };
  for (const auto& [text, shown] : rows) EXPECT_EQ(Shown(text), shown) << text;
}

// Reading, moving and editing step by step. After any sequence of edits the
// index must be exactly what parsing the edited text gives, or later reads
// and writes land in the wrong place.
TEST(XmlDocument, StepsReadAndEditInPlace) {
  // Steps, one a word "op:key=value": "f:N" find sibling N, "fc:N" find
  // child N, "in", "out", "s:N=D" append sibling N with data D, "c:N=D"
  // append child, "a:K=V" write attribute, "ca:K=V" write child attribute;
  // reads "n:=N" current name, "d:=D" data, "cd:=D" child data, "k:K=V"
  // attribute, "ck:K=V" child attribute, "t:=T" node type. "!" before a
  // step that must fail.
  struct Row {
    const char* text;
    const char* steps;
    const char* expected = nullptr;
  };
  const Row rows[] = {
      // From nothing: one document element only, names that need no quoting;
      // the options file shows the whole layout.
      {nullptr,
       "!c:x= !a:x=1 s:Options= !s:Second= c:Data=a<b&c>d\"' cd:=a<b&c>d\"' !a:=1 !a:a/=1 !c:<a= "
       "!a:a\"=1 !c:a'= !ca:a&=1",
       "<Options>\r\n<Data>a&lt;b&amp;c&gt;d\"'</Data>\r\n</Options>\r\n"},
      // A search starts after the element found last; a name matches up to a
      // blank, '=', '/' or '['.
      {"<r><Radian>0</Radian><SaveWindowsPositions/><Geometry2D/><Geometry/><Item/><x/><Geometry/"
       "></r>",
       "f:r in f:SaveWindowsPositions !f:Radian !f:Missing f:Geometry !f:Geometry2D f:Item[2] "
       "!f:It "
       "f: f: !f: out !out"},
      // The child position; FindChild first finds the document element.
      {"<r><a>1</a><b k='v'><c>2</c><c>3</c></b><d>4</d></r>",
       "!out d:= k:k= fc:b n:=r cd:= ck:k=v !fc:a in fc: cd:=2 fc:c in d:=3 t:=1 in t:=0 !in "
       "out out n:=b cd:=3 f:d d:=4 out n:=r cd:=4 !out"},
      // Attributes: found by name, replaced in place or added at the end.
      {"<a x=\"1\" y='2'/>", "f: k:x=1 a:x=9 k:x=9 k:y=2", "<a x=\"9\" y='2'/>"},
      {"<a x = \"1\"\n y\t=\t'2'></a>", "f: k:y=2 a:y=9", "<a x = \"1\"\n y\t=\t'9'></a>"},
      {"<a x=5/>", "f: k:x=5 a:x=9", "<a x=\"9\"/>"},
      {"<a x=\"1\"/>", "f: k:z= a:z=9", "<a x=\"1\" z=\"9\"/>"},
      {"<a></a>", "f: a:z=9 k:z=9", "<a z=\"9\"></a>"},
      {"<a x=\"&lt;&amp;&gt;&apos;&quot;\"/>", "f: k:x=<&>'\" a:x=\"'<>& k:x=\"'<>&",
       "<a x=\"&quot;&apos;&lt;&gt;&amp;\"/>"},
      {"<a v=\"x\" x=\"2\" Top2=\"1\" Top=\"3\"/>", "f: k:x=2 k:Top=3 a:Top=9",
       "<a v=\"x\" x=\"2\" Top2=\"1\" Top=\"9\"/>"},
      {"<a flag x=\"3\"/>", "f: k:x=3 a:x=9", "<a flag x=\"9\"/>"},
      {"<a \"x\"=\"1\" x=\"2\"/>", "f: k:x=2 a:x=9", "<a \"x\"=\"1\" x=\"9\"/>"},
      {"<a x=\"a>b\" y=''/>", "f: k:x=a>b a:y=9", "<a x=\"a>b\" y='9'/>"},
      {"<a a=\"self\"/>", "f: k:a=self a:a=", "<a a=\"\"/>"},
      // Appending after the current position or as the first child.
      {"<r></r>", "f:r in s:n=v", "<r>\r\n<n>v</n>\r\n</r>"},
      {"<r/>", "f:r in s:n=v", "<r>\r\n<n>v</n>\r\n</r>"},
      {"<r/>", "f:r c:n= ca:k=v", "<r>\r\n<n k=\"v\"/>\r\n</r>"},
      {"<r>\r\n<a/>\r\n</r>", "f:r in f:a s:n=v", "<r>\r\n<a/>\r\n<n>v</n>\r\n</r>"},
      {"<r>\r\n<a/>\r\n</r>", "f:r in s:n=v", "<r>\r\n<n>v</n>\r\n<a/>\r\n</r>"},
      {"<r><a/><b/></r>", "f:r in f:a s:n=v", "<r><a/><n>v</n>\r\n<b/></r>"},
      {"<r>\n<a/>\n</r>", "f:r in f:a s:n=v", "<r>\n<a/>\n<n>v</n>\r\n</r>"},
      {"<r><a>1</a><b/><c x='1'>3</c></r>",
       "f:r a:long=value in f:b a:y=2 f:c a:x=a_much_longer_value d:=3 out c:d=4 in c:e= ca:z=<> "
       "ck:z=<> out"},
      {"<r>\r\n<v/>\r\n<w>t</w>\r\n</r>",
       "f:r in f:v c:i= ca:n=x c:i=y cd:=y out c:last=z in f:w a:w=1 d:=t out"},
      {"<?xml version='1.0'?><!-- c --><r/>", "f:r c:a= in c:b= in c:c=deep a:k=v out out a:top=1"},
  };
  for (const Row& r : rows) {
    XmlDocument edited;
    ASSERT_TRUE(!r.text || edited.LoadText(r.text)) << r.steps;
    std::istringstream words(r.steps);
    for (std::string w; words >> w;) {
      const bool fails = w[0] == '!';
      if (fails) w.erase(0, 1);
      const std::size_t colon = w.find(':'), eq = w.find('=');
      const std::string op = w.substr(0, colon), key = w.substr(colon + 1, eq - colon - 1);
      const std::string value = eq == std::string::npos ? "" : w.substr(eq + 1);
      const bool done =
          op == "f"
              ? edited.FindSibling(key) && (key.empty() || key.starts_with(edited.CurrentName()))
          : op == "fc" ? edited.FindChild(key)
          : op == "s"  ? edited.AppendElement(key, value) && edited.CurrentName() == key
          : op == "c"  ? edited.AppendChildElement(key, value)
          : op == "a"  ? edited.WriteAttribute(key, value)
          : op == "ca" ? edited.WriteChildAttribute(key, value)
          : op == "n"  ? edited.CurrentName() == value
          : op == "d"  ? edited.ReadData() == value
          : op == "cd" ? edited.ReadChildData() == value
          : op == "k"  ? edited.ReadAttribute(key) == value
          : op == "ck" ? edited.ReadChildAttribute(key) == value
          : op == "t"  ? edited.NodeType() == std::stoi(value)
          : op == "in" ? edited.StepIn()
                       : edited.StepOut();
      ASSERT_EQ(done, !fails) << w << " in " << r.steps;
    }
    if (r.expected) {
      EXPECT_EQ(edited.DocumentText(), r.expected) << r.steps;
    }
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
