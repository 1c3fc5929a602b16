#include "pages/password_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "operations/exchange_request.h"
#include "operations/verify_outcome.h"
#include "pages/logic/device_selection.h"
#include "pages/page_exchange.h"
#include "pages/page_ids.h"
#include "pages/progress_dialog.h"
#include "pages/services.h"
#include "protocol/constants.h"
#include "protocol/messages.h"
#include "protocol/requests.h"
#include "ui/control_id.h"
#include "ui/dialog_units.h"
#include "ui/keyboard_access.h"
#include "ui/plain_text.h"
#include "ui/qt_text.h"
#include "ui/skinned_dialog.h"

namespace tamberlyx {
namespace {

constexpr unsigned kCaptionText = 154;
constexpr unsigned kPromptText = 153;
constexpr unsigned kOkText = 155;
constexpr unsigned kCancelText = 156;
constexpr unsigned kWaitingText = 144;

QPushButton* MakeButton(QDialog& dialog, unsigned textId, int id, const QRect& rect) {
  auto* button = new QPushButton(Text(textId), &dialog);
  button->setGeometry(rect);
  button->setAutoDefault(false);  // Enter always means OK
  SetControlId(*button, id);
  return button;
}

}  // namespace

PasswordDialog::PasswordDialog(const Services& services, DeviceSelection& selection,
                               ProgressDialog& progress)
    : QDialog(nullptr, kPopupDialogFlags),
      m_services(services),
      m_selection(selection),
      m_progress(progress),
      m_edit(new QLineEdit(this)),
      m_ok(nullptr),
      m_cancel(nullptr) {
  const DialogUnits units = DialogUnits::SystemFont();
  setFixedSize(units.Size(206, 58));
  setWindowTitle(Text(kCaptionText));
  // Made in tab order: the edit first, so that it has the focus.
  m_edit->setGeometry(units.Rect(133, 10, 63, 14));
  m_edit->setEchoMode(QLineEdit::Password);
  m_edit->setMaxLength(static_cast<int>(kMaxPasswordLength));
  SetControlId(*m_edit, kIdPasswordEdit);
  m_ok = MakeButton(*this, kOkText, kIdOk, units.Rect(48, 37, 50, 14));
  m_ok->setDefault(true);
  m_cancel = MakeButton(*this, kCancelText, kIdCancel, units.Rect(113, 37, 50, 14));
  QLabel* prompt = MakePlainLabel(*this, Text(kPromptText));
  prompt->setGeometry(units.Rect(7, 13, 122, 8));
  SetControlId(*prompt, kIdPasswordPrompt);
  connect(m_ok, &QPushButton::clicked, this, [this] { OnOK(); });
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  NameAfterCaption(*m_edit, prompt->text());
  m_edit->setFocus();
}

PasswordDialog::~PasswordDialog() {
  m_progress.DestroyWindow();
}

void PasswordDialog::AttachTo(QWidget* owner) {
  EndCheck();
  // setParent alone would make it a child widget inside the owner.
  setParent(owner ? owner : QApplication::activeWindow(), kPopupDialogFlags);
  setAttribute(Qt::WA_Moved, false);  // so that showing centres it over the owner
  m_edit->clear();
  m_edit->setFocus();
}

void PasswordDialog::Detach() {
  EndCheck();
  hide();
  setParent(nullptr, kPopupDialogFlags);
}

bool PasswordDialog::Checking() const {
  return m_verify && (*m_verify)->Running();
}

void PasswordDialog::reject() {
  EndCheck();
  QDialog::reject();
}

void PasswordDialog::EndCheck() {
  if (m_verify) (*m_verify)->End();
  EndWaiting();
}

void PasswordDialog::OnOK() {
  m_cancel->setEnabled(false);
  m_ok->setEnabled(false);
  m_progress.OpenProgress(this);
  m_progress.SetMessageText(Text(kWaitingText));
  m_edit->setEnabled(false);
  SharedBuffers& buffers = m_selection.Buffers();
  const ExchangeRequest request = VerifyRequest(buffers, m_edit->text().toStdString());
  m_asked = SelectedDevice(buffers);
  if (!m_verify) {
    m_verify = std::make_unique<PageExchange>(VerifyExchange(), m_services,
                                              static_cast<ExchangeOwner&>(*this));
  }
  // Starting ends a check still waiting after a word it did not know, freeing CLIENT_PORT.
  (*m_verify)->Start(request.datagram, request.destination, request.sources);
}

void PasswordDialog::EndWaiting() {
  m_cancel->setEnabled(true);
  m_ok->setEnabled(true);
  m_edit->setEnabled(true);
  m_progress.DestroyWindow();
}

void PasswordDialog::StepProgress() {
  m_progress.StepProgress();
}

void PasswordDialog::OnReply(const Reply& reply) {
  EndWaiting();  // on any word; an undecided check goes on waiting
  const VerifyOutcome outcome = VerifyReplyOutcome(reply.word);
  if (outcome == VerifyOutcome::kAccepted) {
    m_selection.SetVerifiedDevice(m_asked);
    accept();
  } else if (outcome == VerifyOutcome::kRefused) {
    ShowMessage(*VerifyOutcomeMessage(outcome));
    m_edit->clear();
    m_edit->setFocus();
  }
}

void PasswordDialog::OnEndOfTime(bool socketWasOpen) {
  EndWaiting();
  const VerifyOutcome outcome = VerifyEndOutcome(socketWasOpen);
  // Nothing was heard because nothing listened: the user may try again.
  if (outcome == VerifyOutcome::kNotListened) return;
  ShowMessage(*VerifyOutcomeMessage(outcome));
  reject();
}

void PasswordDialog::ShowMessage(const Message& message) {
  m_services.ShowMessage(this, message);
}

}  // namespace tamberlyx
