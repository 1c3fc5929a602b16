// Whatever settings text a device reports, Steps 2 to 4 show what they can and never crash, and
// the save sends back only the keys the device reported, every entry the pages do not write
// unchanged and in place. One property over random texts, not a case per key.
#include <gtest/gtest.h>

#include <QDialog>
#include <random>
#include <set>

#include "pages/logic/time_zone_table.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "platform/fakenet/network_peer.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/ipv4_text.h"
#include "protocol/requests.h"
#include "protocol/settings_keys.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"

namespace tamberlyx::test {
namespace {

constexpr char kDevice[] = "192.168.0.20";
constexpr int kCases = 300;
constexpr int kSaveGiveUpMs = 3000;

// Accepts every write at once.
class AcceptingPeer : public NetworkPeer {
 public:
  const std::string& Address() const override { return m_address; }
  std::vector<PeerReply> Handle(std::string_view datagram, std::string_view requester) override {
    const auto parsed = ParseDatagram(datagram);
    if (!parsed || parsed->wordToken != kWordSet) return {};
    return {{BuildDatagram(requester, kWordSetOk, ""), false, 0}};
  }

 private:
  std::string m_address = kDevice;
};

// The keys some page writes; every other entry must come back as it went out.
const std::set<std::string> kWrittenKeys = {
    kKeyHostName, kKeyWirelessSsid, kKeyBootProto, kKeyIpAddress, kKeyNetmask,   kKeyGateway,
    kKeyDns,      kKeyTimeZone,     kKeyDate,      kKeyTime,      kKeyNtpServer, kKeyLocale};

const std::vector<std::string> kKeys = {
    kKeyHostName,   kKeyWirelessSsid,  kKeyBootProto, kKeyIpAddress, kKeyNetmask,
    kKeyGateway,    kKeyDns,           kKeyMac,       kKeyTimeZone,  kKeyDate,
    kKeyTime,       kKeyNtpServerList, kKeyNtpServer, kKeyLocale,    "smb.workgroup",
    "x.nwk.ipaddr", "nwk.mtu"};

// What devices get wrong, beside random bytes and values of 1000 characters.
const char* const kOddValues[] = {
    "", "1.2.3", "999.1.1.1", "10.0.0.300", "192.168.0.20", "0.0.0.0", "1..2...3.4", "-1.2.3",
    "2008/13/45", "2008/4/11", "25:61:61", "9:5:0", "Atlantis", "Seoul", "dhcp", "DHCP", "none",
    "ntpa,ntpb", "\xff\xfe\x80", "caf\xe9", "=x=", "MyNas",
    // markup and characters that are not text: shown as written, sent back as they came
    "<b>bold</b>", "<img src=\"/dev/zero\">", "<font color=red>dns</font>",
    "a\xE2\x80\xAE"
    "cba",
    "\xE2\x81\xA6"
    "x\xE2\x81\xA9",
    "\xC2\x9B"
    "2J",
    "\xE2\x80\xAA"
    "e\xE2\x80\xAC"};

class SettingsText {
 public:
  explicit SettingsText(std::mt19937& random) : m_random(random) {}

  std::string Make() {
    std::vector<std::string> keys = kKeys;
    std::shuffle(keys.begin(), keys.end(), m_random);
    keys.resize(Below(keys.size() + 1));
    if (!keys.empty() && Below(8) == 0) keys.push_back(keys[Below(keys.size())]);  // twice
    std::vector<std::string> values;
    for (std::size_t k = 0; k < keys.size(); ++k) values.push_back(Value());
    FitOneDatagram(keys, values);
    std::string text;
    for (std::size_t k = 0; k < keys.size(); ++k) {
      if (!text.empty()) text += '&';
      text += keys[k] + "=" + values[k];
    }
    return text;
  }

 private:
  // A longer text never reaches the pages: its datagram is dropped on arrival. The longest
  // values are cut until the text fits, so long values still come close to the limit.
  static void FitOneDatagram(const std::vector<std::string>& keys,
                             std::vector<std::string>& values) {
    std::size_t length = keys.empty() ? 0 : keys.size() - 1;
    for (std::size_t k = 0; k < keys.size(); ++k) length += keys[k].size() + 1 + values[k].size();
    while (length > kMaxSettingsLength) {
      std::string& longest = *std::max_element(
          values.begin(), values.end(),
          [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
      const std::size_t cut = std::min(longest.size(), length - kMaxSettingsLength);
      longest.resize(longest.size() - cut);
      length -= cut;
    }
  }

  std::size_t Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
  }

  std::string Value() {
    if (Below(20) == 0) return std::string(1000, '7');
    if (Below(2) == 0) return kOddValues[Below(std::size(kOddValues))];
    std::string value(Below(24), ' ');
    for (char& c : value) {
      do c = static_cast<char>(Below(256));
      while (c == '&' || c == '\0');
    }
    return value;
  }

  std::mt19937& m_random;
};

bool IsPlainName(const std::string& value) {
  return std::all_of(value.begin(), value.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

bool IsTimeZoneName(const std::string& value) {
  for (const std::string_view row : TimeZoneRows()) {
    if (TimeZoneDesignation(row) == value) return true;
  }
  return false;
}

// What a page writes back for a value it can show as it is, left alone by the user.
std::optional<std::string> LeftAloneAs(const std::string& key, const std::string& value) {
  const std::set<std::string> addressKeys = {kKeyIpAddress, kKeyNetmask, kKeyGateway, kKeyDns};
  if (key == kKeyHostName && IsPlainName(value))
    return QByteArray::fromStdString(value).toLower().toStdString();
  if (key == kKeyBootProto && (value == "dhcp" || value == "none")) return value;
  if (addressKeys.contains(key) && ParseIpv4(value) && value != "0.0.0.0") return value;
  if (key == kKeyTimeZone && IsTimeZoneName(value)) return value;
  if (key == kKeyLocale) return "en";
  return std::nullopt;
}

std::vector<std::string> Entries(std::string_view text) {
  std::vector<std::string> entries;
  if (text.empty()) return entries;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('&', start)) != std::string_view::npos; start = end + 1) {
    entries.emplace_back(text.substr(start, end - start));
  }
  entries.emplace_back(text.substr(start));
  return entries;
}

std::string KeyOf(const std::string& entry) {
  return entry.substr(0, entry.find('='));
}

class BadSettingsTest : public ShellFixture {
 protected:
  BadSettingsTest() { m_services.Network().AddPeer(std::make_unique<AcceptingPeer>()); }

  // Steps 2 to 4 on `settings`, Next, Next, Save confirmed; the body of the SET sent, if any.
  // A page whose entries would take the text past 999 characters stops the walk there.
  std::optional<std::string> SaveThrough(const std::string& settings) {
    SharedBuffers& buffers = m_wizard.Buffers();
    buffers.currentSettings = buffers.newSettings = settings;
    buffers.selectedDeviceIp = kDevice;
    m_wizard.SetVerifiedDevice(SelectedDevice(buffers));
    m_services.Network().ClearSent();
    SwitchToPage(nullptr, m_wizard.Step2(), kIpSettingsTemplateId);
    if (!Forward(m_wizard.Step2(), kIdIpNext, m_wizard.Step3()) ||
        !Forward(m_wizard.Step3(), kIdDateTimeNext, m_wizard.Step4())) {
      return std::nullopt;
    }
    if (std::string sent = buffers.newSettings; !RewriteLocale(sent, false)) {
      Forward(m_wizard.Step4(), kIdSave, m_wizard.Step4());
      return std::nullopt;
    }
    AnswerNextModal([](QDialog& confirm) { confirm.accept(); });
    ClickButton(*m_wizard.Step4().Window(), kIdSave);
    for (int waited = 0; m_wizard.Step4().HasWindow() && waited < kSaveGiveUpMs; waited += 5) {
      ProcessEvents(5);
    }
    EXPECT_FALSE(m_wizard.Step4().HasWindow()) << "the page stays after the save";
    return SentBody();
  }

  // Presses a page's forward button. When the page's entries do not fit it must stay, say so,
  // leave the settings as they were, and send nothing; then false.
  bool Forward(WizardPage& page, int button, const WizardPage& next) {
    const std::string before = m_wizard.Buffers().newSettings;
    m_services.Messages().Clear();
    ClickButton(*page.Window(), button);
    if (&next != &page && next.HasWindow()) return true;
    EXPECT_TRUE(page.HasWindow()) << "the refusing page went";
    EXPECT_EQ(m_wizard.Buffers().newSettings, before) << "part of the page was written";
    const auto& shown = m_services.Messages().Shown();
    EXPECT_TRUE(shown.size() == 1 && shown[0].message.id == MessageId::kSettingsDoNotFit);
    EXPECT_FALSE(SentBody()) << "sent although the page refused";
    page.DestroyWindow();
    return false;
  }

  std::optional<std::string> SentBody() {
    for (const SentDatagram& sent : m_services.Network().Sent()) {
      const auto parsed = ParseDatagram(sent.bytes);
      if (parsed && parsed->wordToken == kWordSet) return std::string(parsed->body);
    }
    return std::nullopt;
  }
};

TEST_F(BadSettingsTest, SaveSendsTheDevicesKeysInPlaceWhateverItReported) {
  std::mt19937 random(1016);
  SettingsText maker(random);
  int saved = 0;
  for (int i = 0; i < kCases; ++i) {
    const std::string settings = maker.Make();
    SCOPED_TRACE("settings: " + settings);
    ASSERT_LE(settings.size(), kMaxSettingsLength);
    const std::optional<std::string> body = SaveThrough(settings);
    if (HasFailure()) return;
    if (!body) continue;  // refused whole, as the walk checked
    ++saved;
    const std::vector<std::string> before = Entries(settings), after = Entries(*body);
    ASSERT_EQ(after.size(), before.size());
    std::set<std::string> seen;
    for (std::size_t e = 0; e < before.size(); ++e) {
      const std::string key = KeyOf(before[e]);
      EXPECT_EQ(KeyOf(after[e]), key) << "entry " << e;
      // The first entry of a key is the one a page reads and rewrites.
      if (!kWrittenKeys.contains(key) || !seen.insert(key).second) {
        EXPECT_EQ(after[e], before[e]) << "entry " << e;
      } else if (const auto kept = LeftAloneAs(key, before[e].substr(key.size() + 1))) {
        EXPECT_EQ(after[e], key + "=" + *kept) << "entry " << e;
      }
    }
    if (HasFailure()) return;  // one text's report is enough
  }
  EXPECT_GT(saved, kCases / 2) << "too few texts got through to test the save";
}

}  // namespace
}  // namespace tamberlyx::test
