// The whole text of an input file, decompressed when its name ends in
// ".gz". A gzip stream that ends early or fails its check is an error, not
// a shorter text.
#pragma once

#include <string>

namespace bvrank {

// Whether `path` names a gzipped file (".gz", any case).
bool is_gzip_name(const std::string& path);

// Reads the file into `text`. False with a reason in `error` on failure.
bool read_file_text(const std::string& path, std::string& text, std::string& error);

}  // namespace bvrank
