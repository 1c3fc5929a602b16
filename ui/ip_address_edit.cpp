#include "ui/ip_address_edit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRegularExpressionValidator>

#include "platform/language/system_language.h"
#include "protocol/ipv4_text.h"
#include "ui/static_colors.h"

namespace tamberlyx {
namespace {

constexpr std::size_t kLast = 3;
constexpr int kFullLength = 3;
constexpr int kMarginPixels = 2;
constexpr char kFieldNameFormat[] = "%1, part %2 of %3||%1, %3칸 중 %2번째 칸";

// 0 to 255, leading zeros allowed as the user may type them; blank allowed.
const QRegularExpression& OctetPattern() {
  static const QRegularExpression pattern(
      QStringLiteral("(?:[01]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])?"));
  return pattern;
}

QLineEdit* MakeField(QWidget& parent, QValidator& validator) {
  auto* field = new QLineEdit(&parent);
  field->setFrame(false);
  field->setAlignment(Qt::AlignCenter);
  field->setValidator(&validator);
  field->setMaxLength(kFullLength);
  // Each field is a tab stop of its own, so Tab and Shift+Tab walk the fields in order.
  field->setFocusPolicy(Qt::StrongFocus);
  return field;
}

// The control's frame, one pixel of the field outline colour on each side, drawn above the fields.
// At a fractional scale a field's background rounds outward onto the frame, and a line drawn with
// a pen may fall outside the control's rounded clip; filled rectangles one pixel wide always keep
// at least one whole device pixel inside it.
class FrameOverlay : public QWidget {
 public:
  explicit FrameOverlay(QWidget& control) : QWidget(&control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    (void)event;
    QPainter painter(this);
    const QColor outline = palette().color(QPalette::Window).darker(140).lighter(108);
    const int w = width();
    const int h = height();
    for (const QRect& side :
         {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)}) {
      painter.fillRect(side, outline);
    }
  }
};

}  // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  StaticKindColors::KeepPlatformColors(*this);
  auto* validator = new QRegularExpressionValidator(OctetPattern(), this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kMarginPixels, 0, kMarginPixels, 0);
  layout->setSpacing(0);
  for (std::size_t i = 0; i < m_fields.size(); ++i) {
    if (i > 0) layout->addWidget(new QLabel(QStringLiteral("."), this));
    m_fields[i] = MakeField(*this, *validator);
    m_fields[i]->installEventFilter(this);
    connect(m_fields[i], &QLineEdit::textEdited, this, [this, i] { OnFieldEdited(i); });
    layout->addWidget(m_fields[i], 1);
  }
  // A tab stop of its own, so that a tab chain can place the control, fields and all, as one.
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(m_fields[0]);
  m_frame = new FrameOverlay(*this);
}

void IpAddressEdit::paintEvent(QPaintEvent* event) {
  (void)event;  // the background fills itself; the frame is the overlay's
}

void IpAddressEdit::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  m_frame->setGeometry(rect());
  m_frame->raise();
}

void IpAddressEdit::NameFields(const QString& caption) {
  std::string format = kFieldNameFormat;
  PickLanguageText(format);
  const QString pattern = QString::fromStdString(format);
  const QString count = QString::number(m_fields.size());
  for (std::size_t i = 0; i < m_fields.size(); ++i) {
    m_fields[i]->setAccessibleName(pattern.arg(caption, QString::number(i + 1), count));
  }
}

IpAddressEdit::Octets IpAddressEdit::GetAddress() const {
  Octets octets{};
  for (std::size_t i = 0; i < m_fields.size(); ++i) {
    octets[i] = static_cast<std::uint8_t>(m_fields[i]->text().toUInt());
  }
  return octets;
}

void IpAddressEdit::SetAddress(const Octets& octets) {
  for (std::size_t i = 0; i < m_fields.size(); ++i) SetField(i, octets[i]);
}

void IpAddressEdit::SetField(std::size_t index, std::uint8_t octet) {
  m_fields.at(index)->setText(QString::number(octet));
}

void IpAddressEdit::ClearAddress() {
  for (QLineEdit* field : m_fields) field->clear();
}

bool IpAddressEdit::IsBlank() const {
  for (const QLineEdit* field : m_fields) {
    if (!field->text().isEmpty()) return false;
  }
  return true;
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
  for (std::size_t i = 0; i < m_fields.size(); ++i) {
    if (watched != m_fields[i]) continue;
    if (event->type() == QEvent::KeyPress) return OnFieldKey(i, *static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::ContextMenu) {
      ReplaceStandardPaste(i, *static_cast<QContextMenuEvent*>(event));
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

// True when the key was handled here and the field must not see it.
bool IpAddressEdit::OnFieldKey(std::size_t index, const QKeyEvent& key) {
  const QLineEdit& field = *m_fields[index];
  const bool atStart = field.cursorPosition() == 0 && !field.hasSelectedText();
  const bool atEnd = field.cursorPosition() == field.text().size() && !field.hasSelectedText();
  if (key.matches(QKeySequence::Paste)) return PasteAddress();
  if (key.text() == QLatin1String(".")) {
    // An empty field ignores it, so "192.168." after an automatic move does not skip a field.
    if (index < kLast && !field.text().isEmpty()) MoveTo(index + 1, 0, true);
    return true;
  }
  const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && index > 0 && atStart &&
      (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Left)) {
    MoveTo(index - 1, -1, false);
    return true;
  }
  if (plain && index < kLast && atEnd && key.key() == Qt::Key_Right) {
    MoveTo(index + 1, 0, false);
    return true;
  }
  return false;
}

void IpAddressEdit::OnFieldEdited(std::size_t index) {
  const QLineEdit& field = *m_fields[index];
  if (index < kLast && field.text().size() == kFullLength &&
      field.cursorPosition() == kFullLength) {
    MoveTo(index + 1, 0, true);
  }
}

// A dotted address fills all four fields; anything else is left to the field itself.
bool IpAddressEdit::PasteAddress() {
  const QString text = QApplication::clipboard()->text().trimmed();
  if (!text.contains(QLatin1Char('.'))) return false;
  if (const auto address = ParseIpv4(text.toStdString())) {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
      SetField(i, static_cast<std::uint8_t>(*address >> (8 * (kLast - i))));
    }
    MoveTo(kLast, -1, false);
  }
  return true;
}

// The field's own menu, whose Paste takes a dotted address as the keyboard does.
void IpAddressEdit::ReplaceStandardPaste(std::size_t index, QContextMenuEvent& event) {
  QLineEdit& field = *m_fields[index];
  QMenu* menu = field.createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    paste->disconnect();
    connect(paste, &QAction::triggered, &field, [this, &field] {
      if (!PasteAddress()) field.paste();
    });
  }
  menu->popup(event.globalPos());
}

// A cursor of -1 stands for the end of the field's text.
void IpAddressEdit::MoveTo(std::size_t index, int cursor, bool selectAll) {
  QLineEdit& field = *m_fields[index];
  field.setFocus(Qt::OtherFocusReason);
  field.setCursorPosition(cursor < 0 ? static_cast<int>(field.text().size()) : cursor);
  if (selectAll) field.selectAll();
}

}  // namespace tamberlyx
