// Each panel has a title, a band of labels above the plot and the plot.
// The labels of the marked residues are set upright in the band, pushed
// apart so that they never overlap, and joined to their markers by thin
// lines. The profile line breaks where the numbering does not go on by
// one (gaps, or a new run of numbers). Coordinates are written with one
// decimal, independent of the locale.
#include "cli/svg_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace bvrank_cli {
namespace {

using bvrank::ChainFigures;
using bvrank::ResidueFigures;

constexpr double kWidth = 960;
constexpr double kPanelHeight = 330;
constexpr double kLeft = 72;
constexpr double kRight = kWidth - 24;
// Offsets from a panel's top.
constexpr double kTitleY = 24;
constexpr double kBandBottom = 108;  // labels stand on this line
constexpr double kPlotTop = 118;
constexpr double kPlotBottom = 278;
constexpr double kLabelGap = 12;  // label to label, in x

std::string num(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return text;
}

// A step of 1, 2 or 5 times a power of ten that cuts `range` into about
// `parts` parts (at least `minimum`).
double nice_step(double range, int parts, double minimum) {
  const double rough = std::max(range / parts, minimum);
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * power >= rough) return m * power;
  }
  return 10 * power;
}

struct Scale {
  double from, to;  // data
  double pixel_from, pixel_to;
  double operator()(double v) const {
    return pixel_from + (v - from) / (to - from) * (pixel_to - pixel_from);
  }
};

class PanelWriter {
 public:
  PanelWriter(std::string& out, double top, const std::string& file, const ChainFigures& chain)
      : out_(out), top_(top), file_(file), chain_(chain) {}

  void write() {
    set_scales();
    out_ += "<g class=\"panel\">\n";
    write_title();
    write_axes();
    write_profile();
    write_marks();
    out_ += "</g>\n";
  }

 private:
  void set_scales() {
    int lo = chain_.residues.front().seq, hi = lo;
    float b_max = 0;
    for (const ResidueFigures& f : chain_.residues) {
      lo = std::min(lo, f.seq);
      hi = std::max(hi, f.seq);
      b_max = std::max(b_max, f.b_mean);
    }
    const double pad = std::max(0.5, (hi - lo) * 0.01);
    x_ = {lo - pad, hi + pad, kLeft, kRight};
    y_step_ = nice_step(b_max, 5, 1e-3);
    y_ = {0, std::ceil(b_max / y_step_) * y_step_, top_ + kPlotBottom, top_ + kPlotTop};
    x_step_ = nice_step(hi - lo, 10, 1);
  }

  void write_title() {
    const std::size_t n = chain_.residues.size();
    out_ += "<text x=\"" + num(kLeft) + "\" y=\"" + num(top_ + kTitleY) +
            "\" font-size=\"15\" font-weight=\"bold\">" + xml_text(file_) + " \xE2\x80\x94 chain " +
            xml_text(chain_.id) + "</text>\n";
    out_ += "<text x=\"" + num(kRight) + "\" y=\"" + num(top_ + kTitleY) +
            "\" font-size=\"12\" text-anchor=\"end\" fill=\"#555\">" + std::to_string(n) +
            (n == 1 ? " residue" : " residues") + ", the " +
            std::to_string(std::min<std::size_t>(n, kMarkedRanks)) +
            " highest averages marked</text>\n";
  }

  void write_axes() {
    for (double v = 0; v <= y_.to + y_step_ / 2; v += y_step_) {
      const std::string y = num(y_(v));
      out_ += "<line x1=\"" + num(kLeft) + "\" y1=\"" + y + "\" x2=\"" + num(kRight) + "\" y2=\"" +
              y + "\" stroke=\"#e3e3e3\"/>\n";
      out_ += "<text x=\"" + num(kLeft - 6) + "\" y=\"" + num(y_(v) + 4) +
              "\" font-size=\"11\" text-anchor=\"end\">" + tick_text(v, y_step_) + "</text>\n";
    }
    const double first = std::ceil(x_.from / x_step_) * x_step_;
    for (double v = first; v <= x_.to; v += x_step_) {
      const std::string x = num(x_(v));
      out_ += "<line x1=\"" + x + "\" y1=\"" + num(top_ + kPlotBottom) + "\" x2=\"" + x +
              "\" y2=\"" + num(top_ + kPlotBottom + 5) + "\" stroke=\"#333\"/>\n";
      out_ += "<text x=\"" + x + "\" y=\"" + num(top_ + kPlotBottom + 18) +
              "\" font-size=\"11\" text-anchor=\"middle\">" + tick_text(v, x_step_) + "</text>\n";
    }
    out_ += "<rect x=\"" + num(kLeft) + "\" y=\"" + num(top_ + kPlotTop) + "\" width=\"" +
            num(kRight - kLeft) + "\" height=\"" + num(kPlotBottom - kPlotTop) +
            "\" fill=\"none\" stroke=\"#333\"/>\n";
    out_ += "<text x=\"" + num((kLeft + kRight) / 2) + "\" y=\"" + num(top_ + kPlotBottom + 36) +
            "\" font-size=\"12\" text-anchor=\"middle\">Residue number</text>\n";
    const double mid = top_ + (kPlotTop + kPlotBottom) / 2;
    out_ += "<text x=\"20\" y=\"" + num(mid) + "\" font-size=\"12\" text-anchor=\"middle\" " +
            "transform=\"rotate(-90 20 " + num(mid) + ")\">Average B (\xC3\x85\xC2\xB2)</text>\n";
  }

  static std::string tick_text(double v, double step) {
    if (std::fabs(v) < step / 2) v = 0;  // no "-0"
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", step >= 1 ? 0 : step >= 0.1 ? 1 : 3, v);
    return text;
  }

  void write_profile() {
    const auto& list = chain_.residues;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= list.size(); ++i) {
      if (i < list.size() && list[i].seq == list[i - 1].seq + 1) continue;
      write_run(start, i);
      start = i;
    }
  }

  // Residues [begin, end) numbered one after the other.
  void write_run(std::size_t begin, std::size_t end) {
    const auto& list = chain_.residues;
    if (end - begin == 1) {
      out_ += "<circle cx=\"" + num(x_(list[begin].seq)) + "\" cy=\"" +
              num(y_(list[begin].b_mean)) + "\" r=\"1.8\" fill=\"#1f5fa8\"/>\n";
      return;
    }
    out_ += "<polyline fill=\"none\" stroke=\"#1f5fa8\" stroke-width=\"1.4\" points=\"";
    for (std::size_t i = begin; i < end; ++i) {
      out_ += num(x_(list[i].seq)) + "," + num(y_(list[i].b_mean)) + (i + 1 < end ? " " : "");
    }
    out_ += "\"/>\n";
  }

  void write_marks() {
    std::vector<const ResidueFigures*> marked;
    for (std::size_t r = 0; r < chain_.by_rank.size() && r < kMarkedRanks; ++r) {
      marked.push_back(&chain_.residues[static_cast<std::size_t>(chain_.by_rank[r])]);
    }
    std::stable_sort(
        marked.begin(), marked.end(),
        [](const ResidueFigures* a, const ResidueFigures* b) { return a->seq < b->seq; });
    const std::vector<double> label_x = spread_labels(marked);
    const double band = top_ + kBandBottom;
    for (std::size_t i = 0; i < marked.size(); ++i) {
      const ResidueFigures& f = *marked[i];
      const double x = x_(f.seq), y = y_(f.b_mean);
      out_ += "<line x1=\"" + num(x) + "\" y1=\"" + num(y - 4) + "\" x2=\"" + num(label_x[i]) +
              "\" y2=\"" + num(band + 2) + "\" stroke=\"#9a9a9a\" stroke-width=\"0.6\"/>\n";
      out_ += "<circle cx=\"" + num(x) + "\" cy=\"" + num(y) +
              "\" r=\"4\" fill=\"#d62728\" stroke=\"#fff\" stroke-width=\"1\"><title>" +
              xml_text(f.name) + " " + std::to_string(f.seq) + ": rank " + std::to_string(f.rank) +
              ", average B " + bvrank::decimal_text(f.b_mean, 2) + "</title></circle>\n";
      const std::string lx = num(label_x[i] + 3.5), ly = num(band);
      out_ += "<text class=\"label\" x=\"" + lx + "\" y=\"" + ly + "\" font-size=\"10\" " +
              "transform=\"rotate(-90 " + lx + " " + ly + ")\">" + xml_text(f.name) + " " +
              std::to_string(f.seq) + "</text>\n";
    }
  }

  // Label positions in x for markers sorted by x: as close to their
  // markers as kLabelGap allows, inside the plot's width.
  std::vector<double> spread_labels(const std::vector<const ResidueFigures*>& marked) const {
    std::vector<double> x;
    for (const ResidueFigures* f : marked) x.push_back(x_(f->seq));
    for (std::size_t i = 1; i < x.size(); ++i) x[i] = std::max(x[i], x[i - 1] + kLabelGap);
    if (!x.empty()) x.back() = std::min(x.back(), kRight - kLabelGap / 2);
    for (std::size_t i = x.size(); i-- > 1;) x[i - 1] = std::min(x[i - 1], x[i] - kLabelGap);
    return x;  // 20 labels take 240 pixels of the 864, so the first stays inside
  }

  std::string& out_;
  double top_;
  const std::string& file_;
  const ChainFigures& chain_;
  Scale x_{}, y_{};
  double x_step_ = 1, y_step_ = 1;
};

// The length of the UTF-8 sequence that starts at s[i], or 0 when it is not
// valid UTF-8 or not a character XML allows.
std::size_t valid_utf8(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return (c >= 0x20 || c == '\t' || c == '\n' || c == '\r') ? 1 : 0;
  const std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
  if (len == 0 || c > 0xF4 || i + len > s.size()) return 0;
  std::uint32_t cp = c & (0x7F >> len);
  for (std::size_t k = 1; k < len; ++k) {
    const auto d = static_cast<unsigned char>(s[i + k]);
    if ((d & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (d & 0x3F);
  }
  const bool shortest = cp >= (len == 2 ? 0x80u : len == 3 ? 0x800u : 0x10000u);
  const bool allowed =
      cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF) && cp != 0xFFFE && cp != 0xFFFF;
  return shortest && allowed ? len : 0;
}

}  // namespace

std::string xml_text(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = valid_utf8(text, i);
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    switch (text[i]) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out.append(text.substr(i, len));
    }
    i += len;
  }
  return out;
}

std::string profile_svg(const std::vector<FileResult>& results) {
  std::size_t panels = 0;
  for (const FileResult& r : results) panels += r.ok ? r.chains.size() : 0;
  if (panels == 0) return {};
  const std::string height = num(panels * kPanelHeight + 10);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(kWidth) + "\" height=\"" +
         height + "\" viewBox=\"0 0 " + num(kWidth) + " " + height +
         "\" font-family=\"DejaVu Sans, Liberation Sans, Arial, sans-serif\">\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  double top = 0;
  for (const FileResult& r : results) {
    if (!r.ok) continue;
    for (const ChainFigures& chain : r.chains) {
      PanelWriter(out, top, r.file, chain).write();
      top += kPanelHeight;
    }
  }
  out += "</svg>\n";
  return out;
}

}  // namespace bvrank_cli
