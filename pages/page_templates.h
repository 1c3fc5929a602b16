#pragma once

#include "ui/dialog_template.h"
#include "ui/page_header.h"

namespace tamberlyx {

inline constexpr unsigned kSearchTemplateId = 129;
inline constexpr unsigned kIpSettingsTemplateId = 130;
inline constexpr unsigned kDateTimeTemplateId = 131;
inline constexpr unsigned kSaveTemplateId = 132;

// The templates of the four pages: 278 × 155 dialog units, buttons and group boxes.
const DialogTemplate& SearchTemplate();
const DialogTemplate& IpSettingsTemplate();
const DialogTemplate& DateTimeTemplate();
const DialogTemplate& SaveTemplate();

// Their step numbers and titles.
const PageHeader& SearchHeader();
const PageHeader& IpSettingsHeader();
const PageHeader& DateTimeHeader();
const PageHeader& SaveHeader();

}  // namespace tamberlyx
