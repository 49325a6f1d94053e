// A synthetic coordinate file for the benchmarks: a full atom table
// (kAtomCapacity ATOM records) in four chains with TER records, a TITLE, and
// reproducible B values, so that every analysis step has work to do.
#pragma once

#include <string>

namespace bench_support {

// The file text, LF line ends, 80-column records.
std::string synthetic_pdb(int atom_count);

}  // namespace bench_support
