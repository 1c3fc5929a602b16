// The apply file: what it names and every way it can be wrong, each at its line and column.
#include <gtest/gtest.h>

#include "cli/apply_file/apply_file.h"

namespace tamberlyx::cli {
namespace {

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

}  // namespace
}  // namespace tamberlyx::cli
