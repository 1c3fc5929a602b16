// The apply file: what it names and every way it can be wrong, each at its line and column.
#include <gtest/gtest.h>

#include "cli/apply_file/apply_file.h"

namespace tamberlyx::cli {
namespace {

// A device named "A" whose settings are `members` keys, one a line from the second line on.
std::string ManySettings(int members) {
  std::string text = "{\"devices\": [{\"name\": \"A\", \"settings\": {";
  for (int i = 0; i < members; ++i)
    text += (i == 0 ? "\n\"k" : ",\n\"k") + std::to_string(i) + "\": \"\"";
  return text + "}}]}";
}

TEST(ApplyFile, ReadsDevicesInOrderWithTheirSettingsAndPasswordFiles) {
  const ApplyFileOutcome parsed = ParseApplyFile(R"({"devices": [
  {"mac": "02:4C:0a:42:00:0b", "settings": {"sys.hostname": "archive", "sys.Time.timeZone": "Seoul"}},
  {"address": "10.66.0.12", "password_file": "lab.pw", "settings": {"nwk.bootproto": "dhcp"}},
  {"name": "NAS", "settings": {}}
]})");
  ASSERT_TRUE(parsed.errors.empty()) << parsed.errors[0].text;
  const auto& devices = parsed.file.devices;
  ASSERT_EQ(devices.size(), 3u);
  EXPECT_EQ(devices[0].naming, DeviceNaming::kMac);
  EXPECT_EQ(devices[0].identifier, "02:4C:0a:42:00:0b");
  EXPECT_EQ(devices[0].at, (TextPosition{2, 11}));
  ASSERT_EQ(devices[0].settings.size(), 2u);
  EXPECT_EQ(devices[0].settings[1].entry.key, "sys.Time.timeZone");
  EXPECT_EQ(devices[0].settings[1].at, (TextPosition{2, 72}));
  EXPECT_EQ(devices[1].naming, DeviceNaming::kAddress);
  EXPECT_EQ(devices[1].passwordFile, "lab.pw");
  EXPECT_EQ(devices[2].naming, DeviceNaming::kName);
  EXPECT_EQ(DeviceLabel(devices[2]), "name NAS");
}

TEST(ApplyFile, ReportsEveryErrorAtItsLineAndColumn) {
  struct Case {
    std::string text;
    std::vector<TextPosition> at;
    std::string firstText;  // a part of the first error's text
  };
  const Case cases[] = {
      {"", {{1, 1}}, "unexpected end of input"},
      {"{\"devices\": [\n  {\"mac\": \"a\",,}\n]}", {{2, 15}}, "unexpected ','"},
      {"{\"devices\": [{\"name\": \"\xED\x95\x9C\", \"settings\": {\"k\": 1}}]}",
       {{1, 46}},
       "must be a string"},
      {"[]", {{1, 1}}, "\"devices\" array"},
      {"{\"devices\": {}}", {{1, 13}}, "must be an array"},
      {"{\"devices\": [], \"extra\": 1}", {{1, 17}}, "unknown member \"extra\""},
      {"{\"devices\": [\n 3,\n {\"mac\": \"x\", \"address\": \"1.2.3.4\", \"settings\": {}}]}",
       {{2, 2}, {3, 2}},
       "must be an object"},
      {"{\"devices\": [{\"address\": \"10.0.0.300\", \"settings\": {}}]}",
       {{1, 26}},
       "not an IPv4"},
      {"{\"devices\": [{\"name\": \"A\"}]}", {{1, 14}}, "needs \"settings\""},
      {"{\"devices\": [{\"name\": \"A\", \"settings\": {\n  \"a\": \"x&y\",\n  \"locale\": "
       "\"en\",\n"
       "  \"b=c\": \"d\"}}]}",
       {{2, 3}, {3, 3}, {4, 3}},
       "\"&\" separates entries"},
      {"{\"devices\": [{\"name\": \"A\", \"settings\": {\"a\": \"1\", \"a\": \"2\"}}]}",
       {{1, 51}},
       "\"a\" is given twice"},
      {"{\"devices\": [{\"name\": \"A\", \"password_file\": 7, \"settings\": {}}]}",
       {{1, 45}},
       "must be a file name"},
      {"{\"devices\": [{\"name\": \"A\", \"settings\": {\"k\": \"" + std::string(1000, 'x') +
           "\"}}]}",
       {{1, 46}},
       "longer than 999"},
      // A hostile file is refused at a fixed depth: it once cost seconds and hundreds of MB.
      {std::string(65, '[') + std::string(65, ']'), {{1, 65}}, "nested deeper than 64 levels"},
      {std::string(20000, '[') + std::string(20000, ']'), {{1, 65}}, "nested deeper than 64"},
      {"{\"devices\": [], \"x\": " + std::string(20000, '['), {{1, 85}}, "nested deeper"},
      {std::string(64, '[') + std::string(64, ']'), {{1, 1}}, "\"devices\" array"},
      // Under an unknown member nothing is indexed but a repeated name, still placed.
      {"{\"devices\": [], \"x\": {\"a\": {\"k\": 1, \"k\": 2}}}",
       {{1, 37}},
       "\"k\" is given twice"},
      // Zero-terminated on the device: a control character would cut or corrupt the settings.
      {"{\"devices\": [{\"name\": \"A\", \"settings\": {\"k\": \"a\\u0000b\"}}]}",
       {{1, 41}},
       "control character (U+0000) cannot be part of a value"},
      {"{\"devices\": [{\"name\": \"A\", \"settings\": {\"k\": \"a\\nb\"}}]}",
       {{1, 41}},
       "(U+000A)"},
      {"{\"devices\": [{\"name\": \"A\", \"settings\": {\"k\\u007f\": \"1\"}}]}",
       {{1, 41}},
       "(U+007F) cannot be part of a key"},
      // No settings text holds more entries: such an object is refused where it goes past, at
      // once, wherever it is (linear searches once made 100,000 members cost minutes).
      {ManySettings(334), {{335, 1}}, "more than 333 members in one object"},
      {"{\"devices\": [], \"x\": " + ManySettings(334) + "}", {{335, 1}}, "more than 333 members"},
  };
  for (const Case& c : cases) {
    const ApplyFileOutcome parsed = ParseApplyFile(c.text);
    std::vector<TextPosition> at;
    for (const FileError& error : parsed.errors) at.push_back(error.at);
    EXPECT_EQ(at, c.at) << c.text;
    ASSERT_FALSE(parsed.errors.empty()) << c.text;
    EXPECT_NE(parsed.errors[0].text.find(c.firstText), std::string::npos) << parsed.errors[0].text;
  }
}

TEST(ApplyFile, TakesAsManySettingsAsATextHoldsAndListsAThousandProblems) {
  const ApplyFileOutcome full = ParseApplyFile(ManySettings(333));
  ASSERT_EQ(full.file.devices.size(), 1u);
  EXPECT_EQ(full.file.devices[0].settings.size(), 333u);
  EXPECT_EQ(full.file.devices[0].settings[332].at, (TextPosition{334, 1}));

  // A file of nothing but mistakes would need many times its size for their texts.
  std::string text = "{\"devices\": [";
  for (int i = 0; i < 1005; ++i) text += "3,";
  text.back() = ']';
  const ApplyFileOutcome wrong = ParseApplyFile(text + "}");
  ASSERT_EQ(wrong.errors.size(), 1001u);
  EXPECT_EQ(wrong.errors[999].at, (TextPosition{1, 14 + 2 * 999}));
  EXPECT_EQ(wrong.errors[1000].at, (TextPosition{1, 14 + 2 * 1000}));
  EXPECT_EQ(wrong.errors[1000].text, "and 5 more problems from here on, not listed");
}

// Fixed addresses no order of saves can give are refused at the file, before any datagram.
TEST(ApplyFile, RefusesOneAddressForTwoAndSwapsAtTheEntries) {
  const auto entry = [](const char* naming, const char* settings) {
    return std::string("\n  {") + naming + ", \"settings\": {" + settings + "}},";
  };
  struct Case {
    const char* what;
    std::vector<std::string> entries;
    std::vector<TextPosition> at;
    std::string firstText;  // a part of the first refusal; empty: none
  } cases[] = {
      {"one address for two",
       {entry(R"("mac": "02:00:00:00:00:01")", R"("nwk.ipaddr": "10.0.0.50")"),
        entry(R"("address": "10.0.0.2")", R"("sys.dns": "1.1.1.1", "nwk.ipaddr": "10.0.0.50")")},
       {{3, 62}},
       "address 10.0.0.2 is given the fixed address 10.0.0.50, as mac 02:00:00:00:00:01 is"},
      {"a swap",
       {entry(R"("address": "10.0.0.1")", R"("nwk.ipaddr": "10.0.0.2")"),
        entry(R"("address": "10.0.0.2")", R"("nwk.ipaddr": "10.0.0.1")")},
       {{2, 40}},
       "address 10.0.0.1 to 10.0.0.2, address 10.0.0.2 to 10.0.0.1: each takes"},
      {"a ring of three beside a plain move",
       {entry(R"("address": "10.0.0.9")", R"("nwk.ipaddr": "10.0.0.19")"),
        entry(R"("address": "10.0.0.1")", R"("nwk.ipaddr": "10.0.0.2")"),
        entry(R"("address": "10.0.0.2")", R"("nwk.ipaddr": "10.0.0.3")"),
        entry(R"("address": "10.0.0.3")", R"("nwk.ipaddr": "10.0.0.1")")},
       {{3, 40}},
       "address 10.0.0.1 to 10.0.0.2, address 10.0.0.2 to 10.0.0.3, address 10.0.0.3 to"},
      {"a chain is an order, not a refusal",
       {entry(R"("address": "10.0.0.2")", R"("nwk.ipaddr": "10.0.0.1")"),
        entry(R"("address": "10.0.0.1")", R"("nwk.ipaddr": "10.0.0.3")")},
       {},
       ""},
      {"an address given with DHCP is no fixed address",
       {entry(R"("name": "A")", R"("nwk.ipaddr": "10.0.0.5", "nwk.bootproto": "dhcp")"),
        entry(R"("name": "B")", R"("nwk.ipaddr": "10.0.0.5")")},
       {},
       ""},
  };
  for (const Case& c : cases) {
    std::string text = "{\"devices\": [";
    for (const std::string& e : c.entries) text += e;
    text.back() = ']';
    const ApplyFileOutcome parsed = ParseApplyFile(text + "}");
    std::vector<TextPosition> at;
    for (const FileError& error : parsed.errors) at.push_back(error.at);
    EXPECT_EQ(at, c.at) << c.what;
    if (!c.firstText.empty() && !parsed.errors.empty()) {
      EXPECT_NE(parsed.errors[0].text.find(c.firstText), std::string::npos)
          << parsed.errors[0].text;
    }
  }
}

}  // namespace
}  // namespace tamberlyx::cli
