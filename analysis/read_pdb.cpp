// The reader: header scan up to the first ATOM record, then the atom block,
// then statistics and report. Every early return closes both files; only
// a zero or negative B value deletes the report file.
#include "analysis/read_pdb.h"

#include <cstring>
#include <string>

#include "analysis/common_blocks.h"
#include "analysis/input_file.h"
#include "analysis/pdb_record.h"
#include "analysis/report.h"
#include "analysis/residue_stats.h"
#include "analysis/tables.h"
#include "analysis/view_preparation.h"
#include "runtime/units.h"

namespace bvrank {

RecordBuffer record_buffer;

namespace {

rt::RecordReader g_input(kInputUnit);

// Reads the next input record into LINE and LINELEN. The records are cut
// in place out of the unit's read buffer, a block at a time.
rt::IoOutcome read_line() {
  std::string_view record;
  if (!g_input.next_at_hand(record)) {
    const rt::IoStatus s = g_input.next_from_unit(record);
    if (!s.is_ok()) return s.outcome();
  }
  record_buffer.LINELEN = static_cast<std::int32_t>(record.size());
  record_buffer.LINE.assign(record);
  return rt::IoOutcome::kOk;
}

std::int32_t status_of(rt::IoOutcome outcome) {
  return outcome == rt::IoOutcome::kEnd ? kStatusEarlyEnd : kStatusReadError;
}

void close_files(rt::CloseStatus report) {
  rt::close_unit(kInputUnit).or_stop();
  rt::close_unit(kReportUnit, report).or_stop();
}

// The record's first LINELEN characters, at most the 80 held in LINE.
std::string_view current_record() {
  const std::size_t n = std::min<std::size_t>(80, static_cast<std::size_t>(record_buffer.LINELEN));
  return record_buffer.LINE.view().substr(0, n);
}

// Skips records up to the first ATOM record, showing TITLE records.
// Returns 1 when LINE holds the first atom record, else the failure status.
std::int32_t scan_header() {
  const std::string_view line = record_buffer.LINE.view();
  while (!is_atom_record(line)) {
    const rt::IoOutcome outcome = read_line();
    if (outcome != rt::IoOutcome::kOk) return status_of(outcome);
    if (is_end_record(line)) return kStatusNoAtoms;
    if (is_title_record(line)) write_title_line(line, record_buffer.LINELEN);
  }
  return kStatusDone;
}

// Converts the record by the general field reader; a conversion error
// stops the program with the record in its report.
void read_fields_by_general_rules(AtomFields& f) {
  f = AtomFields{};
  const rt::FieldReader r = read_atom_fields(current_record(), f);
  if (r.failed()) {
    rt::IoStatus::error("input conversion error in column " + std::to_string(r.failed_column()) +
                        " of a record of unit " + std::to_string(kInputUnit) + ", file " +
                        rt::file_name_text(IN_AND_OUT.INNAME.view()) + ": \"" +
                        std::string(r.record()) + "\"")
        .or_stop();
  }
}

// Stores the atom in LINE as entry NATOM + 1. LINE is blank past the
// record's end, which is how the field reader sees those columns, so the
// quick conversion reads it whole.
void store_atom() {
  AtomFields f;
  if (!read_atom_fields_quick(record_buffer.LINE.chars, f)) read_fields_by_general_rules(f);
  const int n = ++atoms.NATOM;
  atoms.ATOM_SERIAL[n] = f.serial;
  std::memcpy(atoms.ATOM_NAME[n], f.name, 4);
  atoms.ATOM_ALTLOC[n] = f.altloc;
  std::memcpy(atoms.ATOM_RESNAME[n], f.resname, 3);
  // A PDB chain is one character: an entry that already holds one (as it
  // does from the previous file) takes it without a call into the string.
  std::string& chain = atoms.ATOM_CHAIN[n];
  if (chain.size() == 1) {
    chain[0] = f.chain;
  } else {
    chain.assign(1, f.chain);
  }
  atoms.ATOM_RESSEQ[n] = f.resseq;
  atoms.ATOM_B[n] = f.b;
  atoms.ATOM_ELEMENT[n] = f.element;
}

// Reads the atom block that starts with the atom record in LINE. Returns 1
// when the block ended normally, else the failure status.
std::int32_t read_atom_block() {
  const std::string_view line = record_buffer.LINE.view();
  atoms.NATOM = 0;
  for (;;) {
    if (!is_hetatm_record(line) && !is_atom_record(line)) return kStatusDone;
    if (!room_for_another_atom()) return kStatusDone;
    store_atom();
    if (atoms.ATOM_B[atoms.NATOM] <= 0.0f) return kStatusZeroB;
    rt::IoOutcome outcome = read_line();
    if (outcome != rt::IoOutcome::kOk) return status_of(outcome);
    if (is_chain_break(line)) {
      // After TER the block goes on only with an ATOM record not in chain Z.
      outcome = read_line();
      if (outcome != rt::IoOutcome::kOk) return status_of(outcome);
      if (!is_atom_record(line) || line[21] == 'Z') return kStatusDone;
    }
  }
}

void open_files() {
  rt::OpenRequest input;
  input.unit = kInputUnit;
  input.file = input_file_to_read();
  input.status = rt::FileStatus::kOld;
  input.action = rt::Action::kRead;
  rt::open_unit(input).or_stop();
  g_input.restart();

  open_report_file();
}

}  // namespace

void READ_PDB(std::int32_t& ISTATUS) {
  ISTATUS = kStatusDone;
  record_buffer.LINE.fill(' ');
  residues.RES_RANK.fill(0);
  forget_titles();

  if (!rt::file_exists(input_file_to_read())) {
    ISTATUS = kStatusNotFound;
    return;
  }
  prepare_report_view();
  open_files();
  write_to_file_and_screen(input_path_line());

  ISTATUS = scan_header();
  if (ISTATUS == kStatusDone) ISTATUS = read_atom_block();
  if (ISTATUS != kStatusDone) {
    const bool zero_b = ISTATUS == kStatusZeroB;
    close_files(zero_b ? rt::CloseStatus::kDelete : rt::CloseStatus::kKeep);
    if (zero_b) note_report_file_written(false);
    return;
  }
  rt::close_unit(kInputUnit).or_stop();
  analyse_residues();
  write_screen_report();
  write_file_report();
  rt::close_unit(kReportUnit, rt::CloseStatus::kKeep).or_stop();
  ISTATUS = kStatusDone;
}

}  // namespace bvrank
