#include "pages/page_templates.h"

#include "pages/page_ids.h"
#include "ui/dialog_units.h"

namespace tamberlyx {
namespace {

constexpr unsigned kSearchAgainText = 150;
constexpr unsigned kExitText = 151;
constexpr unsigned kSetupText = 152;
constexpr unsigned kNextText = 157;
constexpr unsigned kBackText = 158;
constexpr unsigned kSaveText = 159;

using enum ControlKind;
using enum HeaderLabel::Font;

// Steps 3 and 4 share the layout of their headers; Step 1 puts its title further left and
// Step 2 makes both labels a fifth taller.
constexpr PageHeader MakeHeader(unsigned stepNumberId, unsigned titleId) {
  return {{stepNumberId, 0.04, 0.02, kTitle, 1.0, 1.0}, {titleId, 0.24, 0.05, kSubtitle, 1.1, 1.0}};
}

}  // namespace

const DialogTemplate& SearchTemplate() {
  static const DialogTemplate dialog{
      kSearchTemplateId,
      kPageWidthUnits,
      kPageHeightUnits,
      "Tamberlyx Link - Setup Wizard (Step 1)",
      {
          {kIdDeviceList, kListBox, 22, 69, 48, 43},
          {kIdSearchAgain, kPushButton, 22, 116, 48, 10, "Search again", kSearchAgainText},
          {kIdOk, kDefaultPushButton, 175, 139, 50, 10, "Setup", kSetupText},
          {kIdSearchExit, kPushButton, 53, 139, 50, 10, "Exit", kExitText},
      }};
  return dialog;
}

const DialogTemplate& IpSettingsTemplate() {
  static const DialogTemplate dialog{
      kIpSettingsTemplateId,
      kPageWidthUnits,
      kPageHeightUnits,
      "Tamberlyx Link - Setup Wizard (Step 2)",
      {
          {kIdServerName, kLowerCaseEdit, 85, 29, 135, 12},
          {kIdIpAddress, kIpAddress, 62, 67, 79, 10},
          {kIdNetmask, kIpAddress, 62, 82, 79, 10},
          {kIdGateway, kIpAddress, 62, 97, 79, 10},
          {kIdDns, kIpAddress, 62, 112, 79, 10},
          {kIdIpBack, kPushButton, 53, 139, 50, 10, "Back", kBackText},
          {kIdIpNext, kDefaultPushButton, 175, 139, 50, 10, "Next", kNextText},
          {kNoControlId, kGroupBox, 9, 21, 260, 23, "", 0},
          {kNoControlId, kGroupBox, 9, 41, 260, 88, "", 0},
      }};
  return dialog;
}

const DialogTemplate& DateTimeTemplate() {
  static const DialogTemplate dialog{
      kDateTimeTemplateId,
      kPageWidthUnits,
      kPageHeightUnits,
      "Tamberlyx Link - Setup Wizard (Step 3)",
      {
          {kIdTimeZone, kDropDownList, 62, 36, 197, 86},
          {kIdDate, kDatePicker, 62, 71, 54, 11},
          {kIdTime, kTimePicker, 62, 106, 60, 11},
          {kIdNtpServer, kDropDownList, 62, 109, 67, 37, "", 0, false},
          {kIdDateTimeBack, kPushButton, 53, 139, 50, 10, "Back", kBackText},
          {kIdDateTimeNext, kDefaultPushButton, 175, 139, 50, 10, "Next", kNextText},
          {kNoControlId, kGroupBox, 9, 21, 260, 108, "", 0},
      }};
  return dialog;
}

const DialogTemplate& SaveTemplate() {
  static const DialogTemplate dialog{
      kSaveTemplateId,
      kPageWidthUnits,
      kPageHeightUnits,
      "Tamberlyx Link - Setup Wizard (Step 4)",
      {
          {kIdSave, kDefaultPushButton, 186, 139, 50, 10, "Save", kSaveText},
          {kIdSaveBack, kPushButton, 53, 139, 50, 10, "Back", kBackText},
          {kNoControlId, kGroupBox, 9, 21, 260, 112, "", 0},
      }};
  return dialog;
}

const PageHeader& SearchHeader() {
  static constexpr PageHeader header{{107, 0.04, 0.02, kTitle, 1.0, 1.0},
                                     {108, 0.23, 0.05, kSubtitle, 1.1, 1.0}};
  return header;
}

const PageHeader& IpSettingsHeader() {
  static constexpr PageHeader header{{118, 0.04, 0.02, kTitle, 1.0, 1.2},
                                     {119, 0.24, 0.05, kSubtitle, 1.1, 1.2}};
  return header;
}

const PageHeader& DateTimeHeader() {
  static constexpr PageHeader header = MakeHeader(126, 127);
  return header;
}

const PageHeader& SaveHeader() {
  static constexpr PageHeader header = MakeHeader(132, 133);
  return header;
}

}  // namespace tamberlyx
