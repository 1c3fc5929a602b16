#include "protocol/settings_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "protocol/constants.h"

namespace tamberlyx {
namespace {

struct GetCase {
  const char* text;
  const char* key;
  const char* value;
};

void PrintTo(const GetCase& c, std::ostream* os) {
  *os << c.text << " key " << c.key;
}

class GetSettingValueTest : public testing::TestWithParam<GetCase> {};

TEST_P(GetSettingValueTest, ReadsTheFirstWholeEntry) {
  const GetCase& c = GetParam();
  EXPECT_EQ(GetSettingValue(c.text, c.key), c.value) << c.text << " key " << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetSettingValueTest,
    testing::Values(GetCase{"a=1&b=&c=3", "b", ""}, GetCase{"a=1&b=&c=3", "c", "3"},
                    GetCase{"a=1&b=&c=3", "d", ""}, GetCase{"a=1&b=&c=3", "a", "1"},
                    GetCase{"k=x=y&z=1", "k", "x=y"}, GetCase{"a=1&b=2&", "b", "2"},
                    GetCase{"a=1&a=2", "a", "1"}, GetCase{"", "a", ""}, GetCase{"&&a=1", "a", "1"},
                    GetCase{"Locale=x&locale=en", "locale", "en"},
                    // A key that is the tail of an earlier key's name.
                    GetCase{"nwk.ipaddr=10.0.0.1&ipaddr=1.2.3.4", "ipaddr", "1.2.3.4"},
                    GetCase{"nwk.ipaddr=10.0.0.1", "ipaddr", ""},
                    // The pattern inside an earlier value.
                    GetCase{"note=sys.hostname=EVIL&sys.hostname=NAS", "sys.hostname", "NAS"},
                    GetCase{"note=hostname=EVIL", "hostname", ""},
                    // A key without "=" is no entry for that key.
                    GetCase{"date&date=2024/01/02", "date", "2024/01/02"},
                    GetCase{"dates=1&date=2", "date", "2"}));

TEST(HasSettingKey, AnEmptyValueCountsAndATailOrValueDoesNot) {
  EXPECT_TRUE(HasSettingKey("a=1&b=&c=3", "b"));
  EXPECT_FALSE(HasSettingKey("a=1&b=&c=3", "d"));
  EXPECT_FALSE(HasSettingKey("nwk.ipaddr=1&note=ipaddr=2", "ipaddr"));
  EXPECT_FALSE(HasSettingKey("ipaddr&x=1", "ipaddr"));
}

struct ReplaceCase {
  const char* text;
  const char* key;
  const char* entry;
  const char* result;  // nullptr: the text stays as it was
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
  *os << c.text << " with " << c.entry;
}

class ReplaceSettingEntryTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceSettingEntryTest, RewritesOnlyTheFirstWholeEntry) {
  const ReplaceCase& c = GetParam();
  std::string text = c.text;
  EXPECT_EQ(ReplaceSettingEntry(text, c.key, c.entry), c.result != nullptr);
  EXPECT_EQ(text, c.result ? c.result : c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceSettingEntryTest,
    testing::Values(ReplaceCase{"a=1&b=2", "b", "b=5", "a=1&b=5"},
                    ReplaceCase{"a=1&b=2&", "b", "b=5", "a=1&b=5&"},
                    ReplaceCase{"a=1&b=2", "a", "a=", "a=&b=2"},
                    ReplaceCase{"a=1&b=2", "c", "c=3", nullptr},
                    ReplaceCase{"a=1&a=2", "a", "a=9", "a=9&a=2"},
                    ReplaceCase{"k=x=y&z=1", "k", "k=v", "k=v&z=1"},
                    ReplaceCase{"", "a", "a=1", nullptr},
                    ReplaceCase{"nwk.ipaddr=10.0.0.1&ipaddr=1.2.3.4", "ipaddr", "ipaddr=5.6.7.8",
                                "nwk.ipaddr=10.0.0.1&ipaddr=5.6.7.8"},
                    ReplaceCase{"nwk.ipaddr=10.0.0.1", "ipaddr", "ipaddr=5.6.7.8", nullptr},
                    ReplaceCase{"note=hostname=x&hostname=NAS", "hostname", "hostname=NEW",
                                "note=hostname=x&hostname=NEW"},
                    ReplaceCase{"note=hostname=x", "hostname", "hostname=NEW", nullptr}));

TEST(ReplaceSettingEntry, AbsentKeyLeavesTheTextByteForByte) {
  const std::string original = "a=1&b=\xC7\xD1&c=x=y&&d=&";
  std::string text = original;
  EXPECT_FALSE(ReplaceSettingEntry(text, "locale", "locale=kor"));
  EXPECT_EQ(text, original);
}

// Text of exactly `length` characters whose first entry is "a=" followed by padding.
std::string TextOfLength(std::size_t length) {
  const std::string tail = "&b=2";
  return "a=" + std::string(length - 2 - tail.size(), 'x') + tail;
}

TEST(ReplaceSettingEntry, RefusesAResultOver999Characters) {
  const std::string original = TextOfLength(kMaxSettingsLength - 1);
  const std::string oldEntry = original.substr(0, original.find('&'));

  std::string fits = original;
  EXPECT_TRUE(ReplaceSettingEntry(fits, "a", oldEntry + "y"));
  EXPECT_EQ(fits.size(), kMaxSettingsLength);

  std::string tooLong = original;
  EXPECT_FALSE(ReplaceSettingEntry(tooLong, "a", oldEntry + "yy"));
  EXPECT_EQ(tooLong, original);
}

TEST(ReplaceSettingEntry, ShrinksAFullText) {
  std::string text = TextOfLength(kMaxSettingsLength);
  EXPECT_TRUE(ReplaceSettingEntry(text, "a", "a="));
  EXPECT_EQ(text, "a=&b=2");
}

// Several values go in together or not at all; only the final length counts.
TEST(ReplaceSettingValues, AppliesAllOrNoneAndNamesTheValueThatPassedTheLimit) {
  struct Case {
    std::size_t length;  // of "b=2&c=3&d=4&a=" and the padding that is a's value
    std::vector<SettingValue> values;
    std::optional<std::size_t> refused;
    std::string after;  // when applied: the text up to a's value, then the padding
  };
  const Case cases[] = {
      {kMaxSettingsLength - 4, {{"b", "22"}, {"c", "33"}}, std::nullopt, "b=22&c=33&d=4&a="},
      {kMaxSettingsLength - 2, {{"b", "22"}, {"c", "33"}, {"d", "44"}}, 2, ""},
      {kMaxSettingsLength - 3,
       {{"z", "1"}, {"b", "22"}, {"c", "33"}, {"d", "4"}},
       std::nullopt,
       "b=22&c=33&d=4&a="},
      {kMaxSettingsLength, {{"b", "ggggg"}, {"c", ""}}, 0, ""},
      // Past the limit on the way, back within it at the end.
      {kMaxSettingsLength, {{"b", "ggggg"}, {"a", ""}}, std::nullopt, "b=ggggg&c=3&d=4&a="},
      {kMaxSettingsLength, {}, std::nullopt, "b=2&c=3&d=4&a="},
  };
  for (const Case& c : cases) {
    const std::string head = "b=2&c=3&d=4&a=";
    const std::string padding(c.length - head.size(), 'x');
    std::string text = head + padding;
    EXPECT_EQ(ReplaceSettingValues(text, c.values), c.refused) << c.after;
    const bool padded = c.values.empty() || c.values.back().key != "a";
    EXPECT_EQ(text, c.refused ? head + padding : c.after + (padded ? padding : ""));
  }
}

// Random texts of keys the wizard does not know, some of them tails or values that look like
// the known keys; rewriting the known keys must leave every other entry as it was, in order.
class RandomText {
 public:
  explicit RandomText(unsigned seed) : m_random(seed) {}

  std::vector<std::string> Entries(const std::vector<std::string>& knownKeys) {
    std::vector<std::string> entries;
    const int count = Pick(0, 12);
    for (int i = 0; i < count; ++i) entries.push_back(UnknownEntry(knownKeys));
    for (const std::string& key : knownKeys) {
      const auto at = entries.begin() + Pick(0, static_cast<int>(entries.size()));
      entries.insert(at, key + "=" + Value(knownKeys));
    }
    return entries;
  }

  std::string Value(const std::vector<std::string>& knownKeys) {
    switch (Pick(0, 3)) {
      case 0:
        return "";
      case 1:
        return knownKeys[Pick(0, static_cast<int>(knownKeys.size()) - 1)] + "=" + Word();
      default:
        return Word() + (Pick(0, 1) ? "=" + Word() : "");
    }
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

 private:
  std::string UnknownEntry(const std::vector<std::string>& knownKeys) {
    std::string key = Pick(0, 2) == 0 ? "x" + knownKeys[Pick(0, 2)] : Word();
    if (Pick(0, 9) == 0) return key;  // an entry without "="
    return key + "=" + Value(knownKeys);
  }

  std::string Word() {
    static const char kAlphabet[] = "abcz.019:/ -_";
    std::string word;
    const int length = Pick(1, 8);
    for (int i = 0; i < length; ++i) word += kAlphabet[Pick(0, sizeof kAlphabet - 2)];
    return word;
  }

  std::mt19937 m_random;
};

std::string Join(const std::vector<std::string>& entries, bool trailing) {
  std::string text;
  for (std::size_t i = 0; i < entries.size(); ++i) text += (i ? "&" : "") + entries[i];
  return trailing ? text + "&" : text;
}

TEST(SettingsTextProperty, ReplacingKnownKeysKeepsEveryOtherEntry) {
  const std::vector<std::string> knownKeys = {"sys.hostname", "nwk.ipaddr", "locale", "date"};
  RandomText random(20240611);
  for (int iteration = 0; iteration < 400; ++iteration) {
    std::vector<std::string> entries = random.Entries(knownKeys);
    const bool trailing = random.Pick(0, 1) == 1;
    std::string text = Join(entries, trailing);
    for (const std::string& key : knownKeys) {
      const std::string entry = key + "=" + random.Value({"v"});
      ASSERT_TRUE(ReplaceSettingEntry(text, key, entry)) << text;
      for (std::string& expected : entries) {
        if (expected.starts_with(key + "=")) {
          expected = entry;
          break;
        }
      }
      ASSERT_EQ(text, Join(entries, trailing)) << "iteration " << iteration << " key " << key;
      ASSERT_EQ(GetSettingValue(text, key), entry.substr(key.size() + 1));
    }
  }
}

}  // namespace
}  // namespace tamberlyx
