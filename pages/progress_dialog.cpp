#include "pages/progress_dialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "ui/dialog_units.h"
#include "ui/framed_box.h"
#include "ui/main_window.h"
#include "ui/plain_text.h"
#include "ui/qt_text.h"

namespace tamberlyx {
namespace {

constexpr unsigned kDefaultCaptionId = 105;
constexpr unsigned kCancelText = 156;

// The box itself: the message above the bar; the default Cancel button and the percent text
// exist but stay hidden.
class ProgressWindow : public FramedBox {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* parent)
      : FramedBox(DialogUnits::SystemFont().Size(186, 69), parent),
        m_message(MakePlainLabel(*this)),
        m_bar(new QProgressBar(this)),
        m_percent(MakePlainLabel(*this, QStringLiteral(" 0 %"))),
        m_cancel(new QPushButton(Text(kCancelText), this)) {
    const DialogUnits units = DialogUnits::SystemFont();
    m_message->setGeometry(units.Rect(15, 14, 154, 22));
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_bar->setGeometry(units.Rect(15, 42, 154, 13));
    m_bar->setRange(ProgressDialog::kLower, ProgressDialog::kUpper);
    m_bar->setValue(ProgressDialog::kLower);
    m_bar->setTextVisible(false);
    m_percent->setGeometry(units.Rect(161, 54, 18, 8));
    m_percent->hide();
    m_cancel->setGeometry(units.Rect(129, 7, 50, 14));
    m_cancel->setDefault(true);
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  }

  QLabel* Message() const { return m_message; }
  QProgressBar* Bar() const { return m_bar; }
  QLabel* Percent() const { return m_percent; }
  QPushButton* Cancel() const { return m_cancel; }

  // The button goes below the bar, in a box grown to hold it, clear of the message.
  void ShowCancel() {
    const DialogUnits units = DialogUnits::SystemFont();
    setFixedSize(units.Size(186, 84));
    m_percent->hide();
    m_cancel->setGeometry(units.Rect(119, 62, 50, 14));
    m_cancel->show();
    m_cancel->setFocus(Qt::OtherFocusReason);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        event->accept();  // OK does nothing: only the exchange ends the wait
        return;
      case Qt::Key_Escape:
        reject();  // hides the box; the exchange and the disabled owner go on
        return;
      default:
        FramedBox::keyPressEvent(event);
    }
  }

 private:
  QLabel* m_message;
  QProgressBar* m_bar;
  QLabel* m_percent;
  QPushButton* m_cancel;
};

ProgressWindow* AsProgressWindow(QDialog* window) {
  return static_cast<ProgressWindow*>(window);
}

int WrappedPosition(int position) {
  if (position <= ProgressDialog::kUpper) return position;
  return ProgressDialog::kLower +
         (position - ProgressDialog::kLower) % (ProgressDialog::kUpper - ProgressDialog::kLower);
}

}  // namespace

ProgressDialog::ProgressDialog(unsigned captionId)
    : m_captionId(captionId != 0 ? captionId : kDefaultCaptionId) {}

ProgressDialog::~ProgressDialog() {
  ReenableOwner();
  // At program end the window may outlive the application object; then it is not ours to free.
  if (m_window && QCoreApplication::instance()) delete m_window.data();
}

bool ProgressDialog::OpenProgress(QWidget* owner) {
  DestroyWindow();  // a second open must not leak the first box and its disabled owner
  QWidget* topLevel = owner ? owner->window() : ApplicationMainWindow();
  if (topLevel && topLevel->isEnabled()) {
    m_ownerFocus = topLevel->focusWidget();
    topLevel->setEnabled(false);
    m_owner = topLevel;
    m_ownerDisabled = true;
  }
  auto* window = new ProgressWindow(owner ? owner : ApplicationMainWindow());
  window->setWindowTitle(Text(m_captionId));
  window->setEnabled(true);  // a box owned by the disabled window must still take Escape
  m_window = window;
  m_percentWrites = 0;
  m_onCancel = nullptr;
  QObject::connect(window, &QDialog::rejected, window, [this] {
    if (!m_onCancel) return;
    const std::function<void()> onCancel = std::move(m_onCancel);
    m_onCancel = nullptr;
    onCancel();
  });
  window->show();
  return true;
}

int ProgressDialog::StepProgress() {
  PumpWaitingMessages();
  QProgressBar* bar = Bar();
  if (bar == nullptr) return 0;  // a reply handled in the pump ended the wait
  const int previous = bar->value();
  bar->setValue(WrappedPosition(previous + kStep));
  ShowPercent(previous + kStep);
  return previous;
}

void ProgressDialog::PumpWaitingMessages() {
  QCoreApplication::processEvents();
}

void ProgressDialog::ShowPercent(int position) {
  QLabel* label = PercentControl();
  if (label == nullptr) return;
  int percent = (position - kLower) * 100 / (kUpper - kLower);
  if (percent != 100) percent %= 100;
  const QString text = QString::number(percent) + QLatin1Char('%');
  if (label->text() == text) return;
  label->setText(text);
  ++m_percentWrites;
}

void ProgressDialog::ReenableOwner() {
  if (m_ownerDisabled && m_owner) {
    m_owner->setEnabled(true);
    // Disabling the window took the focus from its control; a keyboard user expects it back.
    if (m_ownerFocus && m_ownerFocus->isEnabled()) m_ownerFocus->setFocus(Qt::OtherFocusReason);
  }
  m_ownerDisabled = false;
}

void ProgressDialog::DestroyWindow() {
  ReenableOwner();
  m_onCancel = nullptr;
  if (!m_window) return;
  QDialog* window = m_window.data();
  m_window.clear();
  window->hide();
  window->deleteLater();  // it may be inside one of its own event handlers
}

void ProgressDialog::SetMessageText(const QString& text) {
  if (QLabel* message = MessageControl()) message->setText(text);
}

void ProgressDialog::OfferCancel(std::function<void()> onCancel) {
  if (!m_window) return;
  m_onCancel = std::move(onCancel);
  AsProgressWindow(m_window.data())->ShowCancel();
}

void ProgressDialog::ShowBusy() {
  if (QProgressBar* bar = Bar()) bar->setRange(0, 0);
}

QLabel* ProgressDialog::MessageControl() const {
  return m_window ? AsProgressWindow(m_window.data())->Message() : nullptr;
}

QProgressBar* ProgressDialog::Bar() const {
  return m_window ? AsProgressWindow(m_window.data())->Bar() : nullptr;
}

QLabel* ProgressDialog::PercentControl() const {
  return m_window ? AsProgressWindow(m_window.data())->Percent() : nullptr;
}

QPushButton* ProgressDialog::CancelButton() const {
  return m_window ? AsProgressWindow(m_window.data())->Cancel() : nullptr;
}

}  // namespace tamberlyx

#include "progress_dialog.moc"
