// Static storage of the analysis tables and shared blocks.
#include "analysis/tables.h"

#include "analysis/common_blocks.h"

namespace bvrank {

AtomTable atoms;
ResidueTable residues;
ChainTable chains;

InAndOut IN_AND_OUT;
InAndOutLen IN_AND_OUT_LEN;
Files FILES;

}  // namespace bvrank
