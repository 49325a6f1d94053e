// TSV by hand (no quoting exists to get wrong), JSON with nlohmann-json
// (Debian nlohmann-json3-dev). Numbers go to JSON as the values of their
// rounded texts, so a JSON reader sees the same 2 or 3 decimals as TSV.
#include "cli/row_output.h"

#include <charconv>
#include <nlohmann/json.hpp>

namespace bvrank_cli {
namespace {

using bvrank::ChainFigures;
using bvrank::decimal_text;
using bvrank::ResidueFigures;

std::string tsv_field(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

std::string optional_text(const std::optional<float>& value) {
  return value ? decimal_text(*value, 2) : "";
}

nlohmann::ordered_json number(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string without_surrounding_blanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

nlohmann::ordered_json optional_number(const std::optional<float>& value) {
  return value ? number(decimal_text(*value, 2)) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json residue_object(const ResidueFigures& f) {
  return {{"residue", f.name},
          {"seq", f.seq},
          {"atoms", f.atoms},
          {"b_mean", number(decimal_text(f.b_mean, 2))},
          {"rank", f.rank},
          {"z", number(decimal_text(f.z, 3))},
          {"b_main", optional_number(f.b_main)},
          {"b_side", optional_number(f.b_side)}};
}

}  // namespace

std::string tsv_header() {
  return "file\tchain_no\tchain\tresidue\tseq\tatoms\tb_mean\trank\tz\tb_main\tb_side\n";
}

std::string tsv_rows(const FileResult& result) {
  const std::string file = tsv_field(result.file);
  std::string out;
  for (const ChainFigures& chain : result.chains) {
    const std::string chain_id = tsv_field(chain.id);
    for (const int i : chain.by_rank) {
      const ResidueFigures& f = chain.residues[static_cast<std::size_t>(i)];
      out += file + '\t' + std::to_string(chain.number) + '\t' + chain_id + '\t' +
             tsv_field(f.name) + '\t' + std::to_string(f.seq) + '\t' + std::to_string(f.atoms) +
             '\t' + decimal_text(f.b_mean, 2) + '\t' + std::to_string(f.rank) + '\t' +
             decimal_text(f.z, 3) + '\t' + optional_text(f.b_main) + '\t' +
             optional_text(f.b_side) + '\n';
    }
  }
  return out;
}

std::string json_line(const FileResult& result) {
  nlohmann::ordered_json object = {{"file", result.file}, {"status", result.ok ? "ok" : "failed"}};
  if (!result.ok) object["message"] = without_surrounding_blanks(result.message);
  nlohmann::ordered_json titles = nlohmann::ordered_json::array();
  for (const std::string& t : result.titles) titles.push_back(without_surrounding_blanks(t));
  object["titles"] = titles;
  nlohmann::ordered_json chains = nlohmann::ordered_json::array();
  for (const ChainFigures& chain : result.chains) {
    nlohmann::ordered_json residues = nlohmann::ordered_json::array();
    for (const int i : chain.by_rank) {
      residues.push_back(residue_object(chain.residues[static_cast<std::size_t>(i)]));
    }
    chains.push_back({{"chain_no", chain.number}, {"chain", chain.id}, {"residues", residues}});
  }
  object["chains"] = chains;
  return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace bvrank_cli
