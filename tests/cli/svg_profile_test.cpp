// The profile picture's text: XML escaping, and the panels, markers and
// labels of a synthetic chain (that the file is well-formed SVG and renders
// is checked on real files by cli_test.sh with an XML parser and librsvg).
#include "cli/svg_profile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace bvrank_cli;

TEST(SvgProfile, XmlTextEscapesMarkupAndReplacesWhatXmlCannotHold) {
  EXPECT_EQ(xml_text("A&B <C> \"'"), "A&amp;B &lt;C&gt; &quot;&apos;");
  EXPECT_EQ(xml_text("\xC3\x85 ok"), "\xC3\x85 ok");                            // UTF-8 stays
  EXPECT_EQ(xml_text("x\x01y"), "x\xEF\xBF\xBDy");                              // control character
  EXPECT_EQ(xml_text("caf\xE9"), "caf\xEF\xBF\xBD");                            // Latin-1 byte
  EXPECT_EQ(xml_text("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // overlong form
  EXPECT_EQ(xml_text("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // surrogate
}

FileResult chain_of(int n) {
  FileResult r;
  r.file = "a&b.pdb";
  r.ok = true;
  bvrank::ChainFigures c;
  c.number = 1;
  c.id = "A";
  for (int i = 0; i < n; ++i) {
    const int seq = i < n / 2 ? i + 1 : i + 100;  // a gap in the numbering
    c.residues.push_back({"ALA", seq, 5, static_cast<float>(10 + (i * 37) % 50), 0, 0, {}, {}});
  }
  // Ranks by position here; the picture only reads them.
  for (int i = 0; i < n; ++i) {
    c.residues[static_cast<std::size_t>(i)].rank = i + 1;
    c.by_rank.push_back(i);
  }
  r.chains = {c};
  return r;
}

int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(SvgProfile, OnePanelPerChainTwentyMarkedResiduesLabelsApart) {
  FileResult failed;
  failed.file = "bad.pdb";
  const std::string svg = profile_svg({chain_of(60), failed, chain_of(3)});
  EXPECT_EQ(count(svg, "<g class=\"panel\">"), 2);
  EXPECT_EQ(count(svg, "r=\"4\""), 20 + 3);
  EXPECT_EQ(count(svg, "<polyline"), 2 + 1);  // the gap splits the first profile
  EXPECT_EQ(count(svg, "a&amp;b.pdb"), 2);
  EXPECT_EQ(svg.find("nan"), std::string::npos);

  const std::string label = "class=\"label\" x=\"";
  std::vector<double> xs;
  for (std::size_t at = svg.find(label); at != std::string::npos; at = svg.find(label, at + 1)) {
    xs.push_back(std::stod(svg.substr(at + label.size())));
  }
  ASSERT_EQ(xs.size(), 23u);
  for (std::size_t i = 1; i < 20; ++i) EXPECT_GE(xs[i] - xs[i - 1], 11.9) << i;
  EXPECT_EQ(profile_svg({failed}), "");
}

}  // namespace
