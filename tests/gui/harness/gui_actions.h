#pragma once

#include <QString>
#include <Qt>
#include <functional>
#include <memory>

class QDialog;
class QPushButton;
class QTimer;
class QWidget;

namespace tamberlyx::test {

// Lets queued events, timers and deferred deletions run.
void ProcessEvents(int forMs = 0);

// The push button with the template id in `window`; fails the test when there is none.
QPushButton* Button(const QWidget& window, int id);
// Clicks it as the user would (it must be visible and enabled to react).
void ClickButton(const QWidget& window, int id);
// A key press and release sent to the window's focus widget (or the window).
void PressKey(QWidget& window, Qt::Key key);

// Runs `answer` with the modal dialog as soon as one is open (polling the event loop), for
// code that is about to block in exec().
void AnswerNextModal(std::function<void(QDialog&)> answer);

// While it lives, answers with `answer` every modal dialog that opens, for a flow that may or
// may not ask.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(std::function<void(QDialog&)> answer);
  ~ModalAnswerer();
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;
  int Answered() const { return m_answered; }

 private:
  std::unique_ptr<QTimer> m_timer;
  int m_answered = 0;
};

// Saves what the window shows as a PNG; false when the file could not be written.
bool SavePng(QWidget& window, const QString& path);

// The visible top-level window with this caption, or nullptr.
QWidget* FindWindow(const QString& caption);

// Visible top-level windows of the application.
int VisibleWindowCount();

}  // namespace tamberlyx::test
