#include "ui/lower_case_edit.h"

#include <QValidator>
#include <algorithm>

namespace tamberlyx {
namespace {

class LowerCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override {
    (void)position;
    input = input.toLower();
    return Acceptable;
  }
};

constexpr int kUnlimited = 32767;  // QLineEdit's own default

}  // namespace

LowerCaseEdit::LowerCaseEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new LowerCaseValidator(this));
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { FitMaxLength(static_cast<int>(text.size())); });
}

void LowerCaseEdit::SetTypingLimit(int characters) {
  m_typingLimit = characters;
  FitMaxLength(static_cast<int>(text().size()));
}

void LowerCaseEdit::SetValue(const QString& value) {
  FitMaxLength(static_cast<int>(value.size()));
  setText(value);
}

// The line edit's own limit, never below the text it holds (it would cut it), and following
// that text down as the user shortens it.
void LowerCaseEdit::FitMaxLength(int textLength) {
  setMaxLength(m_typingLimit > 0 ? std::max(m_typingLimit, textLength) : kUnlimited);
}

}  // namespace tamberlyx
