// Figures from the tables: residue i holds RES_NATOM[i] consecutive atoms
// that follow those of residue i - 1, so one pass over the residues walks
// the atom table once. Averages are summed in double and stored as floats,
// like the residue averages themselves.
#include "analysis/residue_figures.h"

#include <cmath>
#include <string_view>

#include "analysis/tables.h"
#include "runtime/field_write.h"

namespace bvrank {
namespace {

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::optional<float> average(double sum, int count) {
  if (count == 0) return std::nullopt;
  return static_cast<float>(sum / count);
}

ResidueFigures residue_figures(int i, int first_atom) {
  ResidueFigures f;
  f.name = std::string(trimmed(std::string_view(residues.RES_NAME[i], 3)));
  f.seq = residues.RES_SEQ[i];
  f.atoms = residues.RES_NATOM[i];
  f.b_mean = std::fabs(residues.RES_BAVG[i]);
  f.rank = residues.RES_RANK[i];
  double main_sum = 0, side_sum = 0;
  int main_count = 0, side_count = 0;
  for (int k = first_atom; k < first_atom + f.atoms; ++k) {
    const double b = atoms.ATOM_B[k];
    if (is_main_chain_atom(std::string_view(atoms.ATOM_NAME[k], 4))) {
      main_sum += b;
      ++main_count;
    } else {
      side_sum += b;
      ++side_count;
    }
  }
  f.b_main = average(main_sum, main_count);
  f.b_side = average(side_sum, side_count);
  return f;
}

void set_z_scores(std::vector<ResidueFigures>& list) {
  double sum = 0;
  for (const ResidueFigures& f : list) sum += f.b_mean;
  const double mean = sum / static_cast<double>(list.size());
  double squares = 0;
  for (const ResidueFigures& f : list) squares += (f.b_mean - mean) * (f.b_mean - mean);
  const double sd = std::sqrt(squares / static_cast<double>(list.size()));
  for (ResidueFigures& f : list) f.z = sd > 0 ? (f.b_mean - mean) / sd : 0.0;
}

}  // namespace

bool is_main_chain_atom(std::string_view atom_name) {
  const std::string_view name = trimmed(atom_name);
  return name == "N" || name == "CA" || name == "C" || name == "O";
}

std::vector<ChainFigures> chain_figures() {
  std::vector<ChainFigures> out;
  int first_atom = 1;
  int next_residue = 1;
  for (int c = 1; c <= chains.NCHAIN; ++c) {
    // Chains follow each other from residue 1; the walk stays exact anyway.
    for (; next_residue < chains.CHAIN_FIRST[c]; ++next_residue) {
      first_atom += residues.RES_NATOM[next_residue];
    }
    ChainFigures chain;
    chain.number = c;
    chain.id = chains.CHAIN_ID[c];
    for (; next_residue <= chains.CHAIN_LAST[c]; ++next_residue) {
      chain.residues.push_back(residue_figures(next_residue, first_atom));
      first_atom += residues.RES_NATOM[next_residue];
    }
    set_z_scores(chain.residues);
    chain.by_rank.assign(chain.residues.size(), 0);
    for (std::size_t i = 0; i < chain.residues.size(); ++i) {
      chain.by_rank[static_cast<std::size_t>(chain.residues[i].rank - 1)] = static_cast<int>(i);
    }
    out.push_back(std::move(chain));
  }
  return out;
}

std::string decimal_text(double value, int places) {
  std::string text = rt::format_fixed(value, 64, places);
  text.erase(0, text.find_first_not_of(' '));
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace bvrank
