// Column classes and the real-field syntax read off them, against the
// character-at-a-time classification and the general real-field parser.
#include "runtime/column_classes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "runtime/field_read.h"

namespace {

void expect_same_classes(const std::string& window) {
  const rt::ColumnClasses fast = rt::classify_columns(window.data());
  const rt::ColumnClasses slow = rt::classify_columns_bytewise(window.data());
  ASSERT_EQ(fast.blank, slow.blank) << window;
  ASSERT_EQ(fast.point, slow.point) << window;
  ASSERT_EQ(fast.sign, slow.sign) << window;
  ASSERT_EQ(fast.other, slow.other) << window;
}

TEST(ColumnClasses, EveryByteValueInEveryBlockAgreesWithTheBytewiseOnes) {
  std::string window(rt::kClassifiedColumns, ' ');
  for (int value = 0; value < 256; ++value) {
    for (int column = 0; column < rt::kClassifiedColumns; ++column) {
      window.assign(rt::kClassifiedColumns, '7');
      window[static_cast<std::size_t>(column)] = static_cast<char>(value);
      expect_same_classes(window);
    }
  }
  std::mt19937 rng(7);
  for (int i = 0; i < 20000; ++i) {
    for (char& c : window) c = static_cast<char>(rng() % 256);
    expect_same_classes(window);
  }
}

// The field sits among columns that would spoil the answer if the masks
// leaked past its edges: digits, points and signs.
void expect_syntax_agrees(const std::string& field, int first, int& numbers) {
  std::string window(rt::kClassifiedColumns, '.');
  for (std::size_t i = 0; i < window.size(); i += 3) window[i] = '-';
  window.replace(static_cast<std::size_t>(first), field.size(), field);
  const bool syntax = rt::is_real_field_text(rt::classify_columns(window.data()), first,
                                             static_cast<int>(field.size()));
  ASSERT_EQ(syntax, rt::parse_real_field_exact(field, 2).has_value()) << '"' << field << '"';
  numbers += syntax;
}

TEST(RealFieldText, EveryFiveColumnFieldAndRandomWideOnesAsTheParserJudgesThem) {
  const char kAlphabet[] = " +-.0123456789x";
  constexpr int kSymbols = sizeof kAlphabet - 1;
  int numbers = 0;
  std::string field(5, ' ');
  for (int n = 0; n < kSymbols * kSymbols * kSymbols * kSymbols * kSymbols; ++n) {
    for (int i = 0, v = n; i < 5; ++i, v /= kSymbols)
      field[static_cast<std::size_t>(i)] = kAlphabet[v % kSymbols];
    expect_syntax_agrees(field, 1 + n % 40, numbers);
  }
  EXPECT_GT(numbers, 100000);

  // Coordinate-like fields of 7 and 11 columns: blanks, a sign, digits and
  // a point, with one or two characters from the whole alphabet.
  std::mt19937 rng(11);
  for (int i = 0; i < 200000; ++i) {
    const std::size_t width = i % 2 == 0 ? 7 : 11;
    std::string wide(width, ' ');
    const std::size_t digits_from = rng() % width;
    for (std::size_t k = digits_from; k < width; ++k) wide[k] = static_cast<char>('0' + rng() % 10);
    if (width - digits_from > 4) wide[width - 4] = '.';
    if (digits_from > 0 && rng() % 2 == 0) wide[digits_from - 1] = '-';
    for (unsigned k = rng() % 3; k > 0; --k) wide[rng() % width] = kAlphabet[rng() % kSymbols];
    expect_syntax_agrees(wide, static_cast<int>(rng() % (rt::kClassifiedColumns - width + 1)),
                         numbers);
  }
}

TEST(RealFieldText, FieldsCheckedTogetherAsEachAlone) {
  // Up to five fields of 1 to 11 columns with a column or more between
  // them, over texts of few symbols, so that empty, signed, pointed and
  // bad fields sit next to each other.
  const char kAlphabet[] = "    +-..01234567890123456789x";
  std::mt19937 rng(13);
  int all_numbers = 0;
  for (int i = 0; i < 100000; ++i) {
    std::string window(rt::kClassifiedColumns, ' ');
    for (char& ch : window) ch = kAlphabet[rng() % (sizeof kAlphabet - 1)];
    rt::FieldSet set;
    bool every_field_a_number = true;
    int first = static_cast<int>(rng() % 4);
    for (int k = 0; k < 5; ++k) {
      const int width = 1 + static_cast<int>(rng() % 11);
      if (first + width >= rt::kClassifiedColumns) break;
      set = rt::with_field(set, first, width);
      const std::string field =
          window.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(width));
      every_field_a_number = every_field_a_number && rt::parse_real_field_exact(field, 2);
      first += width + 1 + static_cast<int>(rng() % 3);
    }
    ASSERT_EQ(rt::are_real_field_texts(rt::classify_columns(window.data()), set),
              every_field_a_number)
        << '"' << window << '"';
    all_numbers += every_field_a_number;
  }
  EXPECT_GT(all_numbers, 5000);
}

}  // namespace
