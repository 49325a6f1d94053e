// Command-line parsing: values, help and version, and usage errors with
// exit status 2.
#include "cli/options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace bvrank_cli;

struct Parsed {
  std::optional<int> exit;
  Options options;
  std::string out, err;
};

std::string text_of(std::FILE* f) {
  std::rewind(f);
  std::string s;
  for (int c; (c = std::fgetc(f)) != EOF;) s += static_cast<char>(c);
  std::fclose(f);
  return s;
}

Parsed parse(std::vector<const char*> args) {
  args.insert(args.begin(), "bvrank-cli");
  Parsed p;
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  p.exit = parse_options(static_cast<int>(args.size()), args.data(), p.options, out, err);
  p.out = text_of(out);
  p.err = text_of(err);
  return p;
}

TEST(Options, ValuesAndDefaults) {
  const Parsed plain = parse({"a.pdb", "b.cif.gz"});
  EXPECT_EQ(plain.exit, std::nullopt);
  EXPECT_EQ(plain.options.files, (std::vector<std::string>{"a.pdb", "b.cif.gz"}));
  EXPECT_EQ(plain.options.format, OutputFormat::kText);
  EXPECT_TRUE(plain.options.plot.empty());
  EXPECT_FALSE(plain.options.all);

  const Parsed full = parse({"--format", "json", "--plot=p.svg", "--all", "--", "-odd.pdb"});
  EXPECT_EQ(full.exit, std::nullopt);
  EXPECT_EQ(full.options.format, OutputFormat::kJson);
  EXPECT_EQ(full.options.plot, "p.svg");
  EXPECT_TRUE(full.options.all);
  EXPECT_EQ(full.options.files, std::vector<std::string>{"-odd.pdb"});
  EXPECT_EQ(parse({"-f", "tsv", "a.pdb"}).options.format, OutputFormat::kTsv);
}

TEST(Options, HelpListsEveryOptionAndVersion) {
  const Parsed help = parse({"--help"});
  EXPECT_EQ(help.exit, 0);
  for (const char* word : {"Usage: bvrank-cli", "--format", "--plot", "--all", "--version",
                           "--help", "tsv", "json", "Exit status"}) {
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  }
  const Parsed version = parse({"--version"});
  EXPECT_EQ(version.exit, 0);
  EXPECT_EQ(version.out, std::string(kVersionLine) + "\n");
}

TEST(Options, UsageErrorsExitWithTwoAndSayWhat) {
  const std::vector<std::pair<std::vector<const char*>, const char*>> cases = {
      {{}, "FILE is required"},
      {{"--bogus", "a.pdb"}, "--bogus"},
      {{"--format", "xml", "a.pdb"}, "xml"},
      {{"--format"}, "--format"},
      {{"--plot", "", "a.pdb"}, "empty file name"},
      {{"--all=maybe", "a.pdb"}, "maybe"},
  };
  for (const auto& [args, word] : cases) {
    const Parsed p = parse(args);
    EXPECT_EQ(p.exit, 2) << word;
    EXPECT_NE(p.err.find(word), std::string::npos) << p.err;
    EXPECT_NE(p.err.find("--help"), std::string::npos) << p.err;
  }
}

}  // namespace
