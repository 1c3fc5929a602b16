#include <gtest/gtest.h>

#include "cli/output/device_table.h"
#include "cli/output/json_text.h"
#include "cli/output/printable_text.h"

namespace tamberlyx::cli {
namespace {

TEST(JsonString, EscapesWhatJsonForbidsAndKeepsTextReadable) {
  struct Case {
    std::string bytes;
    std::string json;
  };
  const Case cases[] = {
      {"plain", R"("plain")"},
      {"a\"b\\c", R"("a\"b\\c")"},
      {"tab\tnl\n\x01\x7f", R"("tab\tnl\n\u0001\u007f")"},
      {"\xED\x95\x9C", "\"\xED\x95\x9C\""},         // Hangul stays as it is
      {"\xFF", R"("\u00ff")"},                      // a single-byte code page character
      {"\xC0\x80", R"("\u00c0\u0080")"},            // overlong zero
      {"\xED\xA0\x80", R"("\u00ed\u00a0\u0080")"},  // surrogate
      {"\xE2\x82", R"("\u00e2\u0082")"},            // cut short
      {std::string("a\0b", 3), R"("a\u0000b")"},
      {"\xC2\x9B"
       "2J",
       R"("\u009b2J")"},  // C1 CSI: escaped, not raw
      {"a\xE2\x80\xAE"
       "b",
       R"("a\u202eb")"},                          // right-to-left override
      {"\xF3\xA0\x80\x81", R"("\udb40\udc01")"},  // a tag, as a surrogate pair
  };
  for (const Case& c : cases) EXPECT_EQ(JsonString(c.bytes), c.json);
}

TEST(DevicesAsJson, OneObjectPerRecordInListOrder) {
  EXPECT_EQ(DevicesAsJson({}), "[]\n");
  const std::vector<DeviceRecord> records{{"A", "sys.hostname=A&k=\"", "10.0.0.2"},
                                          {"B", "", "10.0.0.3"}};
  EXPECT_EQ(DevicesAsJson(records),
            "[\n"
            R"(  {"address": "10.0.0.2", "name": "A", "settings": "sys.hostname=A&k=\""},)"
            "\n"
            R"(  {"address": "10.0.0.3", "name": "B", "settings": ""})"
            "\n]\n");
}

// C1 controls (U+009B is a terminal's CSI) and invisible formatting reached the terminal.
TEST(PrintableText, ShowsEveryNonPrintingCodePointAsAQuestionMark) {
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"NAS-1", "NAS-1"},
      {"\x1b[2J\x7f", "?[2J?"},
      {"\xC2\x9B"
       "2J\xC2\x80\xC2\x9F",
       "?2J??"},                                 // C1
      {"\xC2\xA0\xC2\xA9", "\xC2\xA0\xC2\xA9"},  // no-break space, copyright
      {"a\xE2\x80\x8B"
       "b\xE2\x80\xAE"
       "c\xEF\xBB\xBF",
       "a?b?c?"},                                                // zero width, RLO, BOM
      {"\xE2\x80\xA8", "?"},                                     // line separator
      {"\xEC\x84\x9C\xEB\xB2\x84", "\xEC\x84\x9C\xEB\xB2\x84"},  // Hangul
      {"\x9B"
       "2J\xFF",
       "?2J?"},  // bytes that start no character
  };
  for (const Case& c : cases) EXPECT_EQ(PrintableText(c.text), c.shown) << c.text;
}

TEST(FormatDeviceTable, AlignsColumnsAndNeutralisesControlCharacters) {
  const std::vector<DeviceRecord> records{
      {"NAS", "nwk.bootproto=dhcp&nwk.mac=00:11:22:33:44:55", "10.0.0.2"},
      {"\x1b[2Jlong-name", "nwk.bootproto=none", "10.0.0.30"},
      {"\xEC\x84\x9C\xEB\xB2\x84", "nwk.bootproto=DHCP", "10.0.0.4"},
  };
  EXPECT_EQ(FormatDeviceTable(records),
            "NAME           ADDRESS    MODE   MAC\n"
            "NAS            10.0.0.2   DHCP   00:11:22:33:44:55\n"
            "?[2Jlong-name  10.0.0.30  fixed\n"
            "\xEC\x84\x9C\xEB\xB2\x84             10.0.0.4   fixed\n");
}

}  // namespace
}  // namespace tamberlyx::cli
