#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tamberlyx {

// The "please wait" box shown while a page waits for devices. The object lives for the whole
// run; its window is opened and destroyed once per exchange. While the window exists the
// owner's top-level window is disabled, and each exchange tick steps the bar and handles all
// waiting events, so replies arrive inside the tick.
class ProgressDialog {
 public:
  static constexpr int kLower = 0;
  static constexpr int kUpper = 100;
  static constexpr int kStep = 10;

  explicit ProgressDialog(unsigned captionId = 0);  // 0 means string 105
  ~ProgressDialog();                                // destroys a still existing window
  ProgressDialog(const ProgressDialog&) = delete;
  ProgressDialog& operator=(const ProgressDialog&) = delete;

  // Disables the owner's top-level window (else the application's main window) if it is
  // enabled, and opens the box. False, with the owner enabled again, if no box could be made.
  bool OpenProgress(QWidget* owner);
  // Handles all waiting events, then advances the bar by one step (wrapping past the upper
  // bound). Returns the previous position; 0 and nothing else once the window is gone.
  int StepProgress();
  void PumpWaitingMessages();
  // Writes the percent text for a bar position, only when it changes.
  void ShowPercent(int position);
  void ReenableOwner();
  // Re-enables the owner if this box disabled it, then destroys the window if there is one.
  void DestroyWindow();

  // The message above the bar, set by the user after OpenProgress. Ignored without a window.
  void SetMessageText(const QString& text);
  // Shows the Cancel button; it and Escape then call `onCancel` instead of only hiding the box.
  // For a wait the user may leave, not for an exchange. Ignored without a window.
  void OfferCancel(std::function<void()> onCancel);
  // A bar that moves without saying how far the wait has come.
  void ShowBusy();

  bool HasWindow() const { return !m_window.isNull(); }
  QDialog* Window() const { return m_window.data(); }
  QLabel* MessageControl() const;
  QProgressBar* Bar() const;
  QLabel* PercentControl() const;
  QPushButton* CancelButton() const;
  unsigned CaptionId() const { return m_captionId; }
  // How often the percent text was actually rewritten: unchanged values are never written.
  int PercentTextWrites() const { return m_percentWrites; }

 private:
  unsigned m_captionId;
  bool m_ownerDisabled = false;
  QPointer<QWidget> m_owner;
  QPointer<QWidget> m_ownerFocus;  // the owner's focus control when it was disabled
  QPointer<QDialog> m_window;
  int m_percentWrites = 0;
  std::function<void()> m_onCancel;
};

}  // namespace tamberlyx
