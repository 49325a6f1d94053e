// The atom_site table through gemmi's CIF parser (Debian gemmi-dev, whose
// CIF reading is header-only and parses with PEGTL). Values are taken as
// their text, so that a B value gets exactly the float a PDB field with the
// same digits gets; which atoms belong to polymers comes from _entity.type.
#include "analysis/mmcif_atoms.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <gemmi/cif.hpp>
#include <set>
#include <vector>

#include "analysis/read_pdb.h"
#include "analysis/report.h"
#include "analysis/tables.h"
#include "runtime/field_read.h"
#include "runtime/fixed_text.h"

namespace bvrank {
namespace {

namespace cif = gemmi::cif;

// Columns of the atom_site table, in the order of kAtomSiteTags.
enum Column : int {
  kChain,
  kSeq,
  kB,
  kEntity,
  kModel,
  kAuthComp,
  kLabelComp,
  kAuthAtom,
  kLabelAtom,
  kId,
  kAltId,
  kTypeSymbol
};
const std::vector<std::string> kAtomSiteTags = {
    "auth_asym_id",        "auth_seq_id",   "B_iso_or_equiv", "label_entity_id",
    "?pdbx_PDB_model_num", "?auth_comp_id", "?label_comp_id", "?auth_atom_id",
    "?label_atom_id",      "?id",           "?label_alt_id",  "?type_symbol"};

struct ReadFailure {
  std::int32_t status;
  std::string detail;
};

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// A text value whose runs of white space (a multi-line field's line ends
// included) become single blanks.
std::string one_line(const std::string& text) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      blank = !out.empty();
    } else {
      if (blank) out += ' ';
      blank = false;
      out += c;
    }
  }
  return out;
}

std::set<std::string> polymer_entities(cif::Block& block) {
  cif::Table entities = block.find("_entity.", {"id", "type"});
  if (!entities.ok()) {
    throw ReadFailure{kStatusReadError,
                      "no _entity table with id and type, so the polymer atoms are not known"};
  }
  std::set<std::string> ids;
  for (auto row : entities) {
    if (lower(cif::as_string(row[1])) == "polymer") ids.insert(cif::as_string(row[0]));
  }
  return ids;
}

cif::Table atom_site_table(cif::Block& block) {
  if (!block.find_mmcif_category("_atom_site.").ok()) {
    throw ReadFailure{kStatusReadError, "no _atom_site table"};
  }
  for (const std::string& tag : kAtomSiteTags) {
    if (tag[0] != '?' && !block.has_tag("_atom_site." + tag)) {
      throw ReadFailure{kStatusReadError, "the _atom_site table has no " + tag};
    }
  }
  return block.find("_atom_site.", kAtomSiteTags);
}

// The value of an optional column; `fallback` when the column or its value
// is missing.
std::string optional_text(cif::Table::Row& row, int column, const std::string& fallback = "") {
  if (!row.has2(static_cast<std::size_t>(column))) return fallback;
  return cif::as_string(row[static_cast<std::size_t>(column)]);
}

// B_iso_or_equiv read as a PDB number field with no implied decimals, so
// that "31" is 31.0, as every CIF reader takes it; a standard uncertainty
// in parentheses after the digits is dropped.
std::optional<float> b_value(const std::string& raw) {
  if (cif::is_null(raw)) return std::nullopt;
  std::string text = cif::as_string(raw);
  if (const std::size_t open = text.find('('); open != std::string::npos && text.back() == ')') {
    const std::string su = text.substr(open + 1, text.size() - open - 2);
    if (su.empty() || su.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    text.erase(open);
  }
  if (text.empty() || text.find_first_not_of("+-.0123456789") != std::string::npos) {
    return std::nullopt;
  }
  return rt::parse_real_field(text, 0);
}

class AtomReader {
 public:
  explicit AtomReader(cif::Table& table) : table_(table) {}

  // Reads the rows into the atom table; the status of the reading.
  std::int32_t read() {
    atoms.NATOM = 0;
    std::set<std::string> polymers = polymer_entities(table_.bloc);
    bool first = true;
    std::string first_model;
    for (int k = 0; k < static_cast<int>(table_.length()); ++k) {
      cif::Table::Row row = table_[k];
      const std::string model = optional_text(row, kModel);
      if (first) first_model = model;
      first = false;
      if (model != first_model) continue;
      if (polymers.count(cif::as_string(row[kEntity])) == 0) continue;
      if (!room_for_another_atom()) break;
      store(row, k);
      if (atoms.ATOM_B[atoms.NATOM] <= 0.0f) {
        throw ReadFailure{kStatusZeroB, where(row, k) + " has a B value of 0 or less"};
      }
    }
    if (atoms.NATOM == 0) {
      throw ReadFailure{kStatusNoAtoms, "no atom of a polymer entity in the first model"};
    }
    return kStatusDone;
  }

 private:
  static std::string where(cif::Table::Row& row, int k) {
    const std::string id = optional_text(row, kId);
    return id.empty() ? "_atom_site row " + std::to_string(k + 1) : "atom " + id;
  }

  [[noreturn]] static void unreadable(cif::Table::Row& row, int k, const std::string& what,
                                      const std::string& raw) {
    throw ReadFailure{kStatusReadError,
                      where(row, k) + ": unreadable " + what + " \"" + raw + "\""};
  }

  void store(cif::Table::Row& row, int k) {
    const std::string& seq_raw = row[kSeq];
    const std::optional<std::int32_t> seq =
        cif::is_null(seq_raw) ? std::nullopt : rt::parse_integer_field(cif::as_string(seq_raw));
    if (!seq || cif::as_string(seq_raw).find(' ') != std::string::npos) {
      unreadable(row, k, "residue number (auth_seq_id)", seq_raw);
    }
    const std::optional<float> b = b_value(row[kB]);
    if (!b) unreadable(row, k, "B value (B_iso_or_equiv)", row[kB]);
    const std::string comp = optional_text(row, kAuthComp, optional_text(row, kLabelComp));
    if (comp.size() > 3) {
      throw ReadFailure{kStatusReadError, where(row, k) + ": residue name \"" + comp +
                                              "\" is longer than 3 characters"};
    }
    const std::string atom_name = optional_text(row, kAuthAtom, optional_text(row, kLabelAtom));
    const std::string element = optional_text(row, kTypeSymbol);
    const std::string alt = optional_text(row, kAltId);

    const int n = ++atoms.NATOM;
    atoms.ATOM_SERIAL[n] = rt::parse_integer_field(optional_text(row, kId, "0")).value_or(0);
    // The name is only compared without blanks; a name of more than four
    // characters is never a main-chain name, whatever is kept of it.
    rt::assign_blank_padded(atoms.ATOM_NAME[n], 4, atom_name);
    atoms.ATOM_ALTLOC[n] = alt.empty() ? ' ' : alt[0];
    // Right-justified like columns 18-20 of a PDB record ("DA" is " DA").
    rt::assign_blank_padded(atoms.ATOM_RESNAME[n], 3, std::string(3 - comp.size(), ' ') + comp);
    atoms.ATOM_CHAIN[n] = cif::as_string(row[kChain]);
    atoms.ATOM_RESSEQ[n] = *seq;
    atoms.ATOM_B[n] = *b;
    atoms.ATOM_ELEMENT[n] = element.empty() ? ' ' : element.back();
  }

  cif::Table& table_;
};

}  // namespace

std::int32_t read_mmcif_atoms(const std::string& text, const std::string& name,
                              std::string& detail) {
  forget_titles();
  atoms.NATOM = 0;
  try {
    cif::Document doc = cif::read_memory(text.data(), text.size(), name.c_str());
    if (doc.blocks.empty()) {
      detail = text.empty() ? "empty file" : "no data block";
      return kStatusReadError;
    }
    cif::Block& block = doc.blocks.front();
    if (const std::string* title = block.find_value("_struct.title")) {
      const std::string t = one_line(cif::as_string(*title));
      if (!t.empty()) keep_title(t);
    }
    cif::Table table = atom_site_table(block);
    return AtomReader(table).read();
  } catch (const ReadFailure& failure) {
    detail = failure.detail;
    return failure.status;
  } catch (const std::exception& e) {
    detail = e.what();
    return kStatusReadError;
  }
}

}  // namespace bvrank
