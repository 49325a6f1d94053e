// The analysis tables: atoms as read, residues with their averaged B values
// and ranks, and chains as index ranges of the residue table. Parallel
// columns indexed from 1, reused by every analysis; they hold the program's
// limits, and grow past them only when the limits are lifted (--all).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bvrank {

inline constexpr int kAtomCapacity = 10000;
// Every residue holds at least one atom, so a residue table as large as the
// atom table can never overflow: files with more than 5000 residues are
// analysed whole.
inline constexpr int kResidueCapacity = kAtomCapacity;
inline constexpr int kChainCapacity = 10;

// One column: entries 1..capacity() (entry 0 is unused).
template <typename T>
class Column {
 public:
  explicit Column(int capacity) : cells_(static_cast<std::size_t>(capacity) + 1) {}
  T& operator[](int i) { return cells_[static_cast<std::size_t>(i)]; }
  const T& operator[](int i) const { return cells_[static_cast<std::size_t>(i)]; }
  int capacity() const { return static_cast<int>(cells_.size()) - 1; }
  void grow_to(int capacity) {
    if (capacity > this->capacity()) cells_.resize(static_cast<std::size_t>(capacity) + 1);
  }
  void fill(const T& value) { cells_.assign(cells_.size(), value); }

 private:
  std::vector<T> cells_;
};

// A column of fixed-width texts: entry i is a pointer to its N characters
// (blank-padded, no terminator).
template <std::size_t N>
class TextColumn {
 public:
  explicit TextColumn(int capacity) : cells_((static_cast<std::size_t>(capacity) + 1) * N, ' ') {}
  char* operator[](int i) { return cells_.data() + static_cast<std::size_t>(i) * N; }
  const char* operator[](int i) const { return cells_.data() + static_cast<std::size_t>(i) * N; }
  int capacity() const { return static_cast<int>(cells_.size() / N) - 1; }
  void grow_to(int capacity) {
    if (capacity > this->capacity())
      cells_.resize((static_cast<std::size_t>(capacity) + 1) * N, ' ');
  }

 private:
  std::vector<char> cells_;
};

// Chain identifiers are texts: one character in a PDB file, kept whole
// (possibly longer) from an mmCIF file.
struct AtomTable {
  std::int32_t NATOM = 0;
  Column<std::int32_t> ATOM_SERIAL{kAtomCapacity};
  TextColumn<4> ATOM_NAME{kAtomCapacity};
  Column<char> ATOM_ALTLOC{kAtomCapacity};
  TextColumn<3> ATOM_RESNAME{kAtomCapacity};
  Column<std::string> ATOM_CHAIN{kAtomCapacity};
  Column<std::int32_t> ATOM_RESSEQ{kAtomCapacity};
  Column<float> ATOM_B{kAtomCapacity};
  Column<char> ATOM_ELEMENT{kAtomCapacity};
};

struct ResidueTable {
  std::int32_t NRES = 0;
  TextColumn<3> RES_NAME{kResidueCapacity};
  Column<std::string> RES_CHAIN{kResidueCapacity};
  Column<std::int32_t> RES_SEQ{kResidueCapacity};
  Column<std::int32_t> RES_NATOM{kResidueCapacity};  // atoms averaged, consecutive from the first
  Column<float> RES_BAVG{kResidueCapacity};          // negated once the residue is ranked
  Column<std::int32_t> RES_RANK{kResidueCapacity};   // 1 = highest average; 0 = not ranked
};

struct ChainTable {
  std::int32_t NCHAIN = 0;
  Column<std::string> CHAIN_ID{kChainCapacity};
  Column<std::int32_t> CHAIN_FIRST{kChainCapacity};
  Column<std::int32_t> CHAIN_LAST{kChainCapacity};
};

extern AtomTable atoms;
extern ResidueTable residues;
extern ChainTable chains;

// Whether the atom and chain limits are lifted for the analyses that
// follow; they hold unless the command-line front end lifts them.
void lift_table_limits(bool lifted);
bool table_limits_lifted();

// Past the atom limit: false, or with the limits lifted the table grown.
bool room_beyond_atom_limit();

// Makes room for atom NATOM + 1: false when the atom limit is reached,
// otherwise the atom table has an entry for it. Below the limit the table
// always has the entry (it only ever grows from there).
inline bool room_for_another_atom() {
  return atoms.NATOM < kAtomCapacity || room_beyond_atom_limit();
}
// Makes the residue table hold at least `count` residues.
void make_room_for_residues(int count);
// Makes room for chain `number`: false beyond the chain limit.
bool room_for_chain(int number);

}  // namespace bvrank
