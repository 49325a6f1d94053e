// The window-free steps of choosing an input file: taking the chosen path
// into INNAME, deriving the report path OUTNAME, the extension check,
// deleting the previous report file, and the message for each status.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bvrank {

// Sets INNAME/INLEN from `path` and OUTNAME/OUTLEN with its last three
// characters replaced by "out"; a NUL follows each path when it is shorter
// than 100 characters. False (names left blank) for an empty path or one
// longer than 100 characters.
bool set_input_name(std::string_view path);

// Sets INNAME/INLEN and OUTNAME/OUTLEN to the two paths, of any length (the
// command-line front end, which names report files itself). False, names
// left blank, for an empty path.
bool set_input_and_report_names(std::string_view input, std::string_view report);

// The file READ_PDB reads: INNAME, unless the front end has handed it a
// file standing for INNAME (the decompressed text of a gzipped input);
// INNAME stays the name shown and reported. Empty: read INNAME itself.
std::string input_file_to_read();
void read_input_from(std::string stand_in);

// INNAME ends in exactly "pdb" or "PDB".
bool has_pdb_extension();

// Whether OUTNAME names a report file that READ_PDB wrote and that still
// exists; only such a file is ever deleted or copied.
bool report_file_on_disk();
void note_report_file_written(bool written);

// Deletes the previous report file, if the last analysis left one.
void delete_previous_report();

// The message box text and caption for an analysis status; both empty for
// statuses that show no message.
struct StatusMessage {
  std::string text;
  std::string caption;
};
StatusMessage status_message(std::int32_t status);

}  // namespace bvrank
