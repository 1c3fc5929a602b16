#pragma once

#include <QPointer>

#include "ui/color_label.h"
#include "ui/dialog_template.h"
#include "ui/page_fonts.h"
#include "ui/page_header.h"

class QDialog;
class QWidget;

namespace tamberlyx {

class SkinnedDialog;

// A wizard page object. It lives for the whole run and owns at most one window at a time,
// made from its template and destroyed again many times; what the object keeps (fonts, label
// colours, counters) survives from one window to the next. Every window shows the page picture
// with the two header labels on its red band.
class WizardPage {
 public:
  WizardPage(const DialogTemplate& dialogTemplate, const PageHeader& header);
  virtual ~WizardPage();
  WizardPage(const WizardPage&) = delete;
  WizardPage& operator=(const WizardPage&) = delete;

  // True while the page has a window, shown or hidden.
  bool HasWindow() const { return !m_window.isNull(); }
  QDialog* Window() const;
  unsigned TemplateId() const { return m_template.id; }

  // Makes the window (hidden) from the template, owned by `owner`: the frame, OnCreate, the
  // template's controls, OnInitDialog. False, and no window, when `templateId` is not this
  // page's template or the page already has a window.
  bool Create(unsigned templateId, QWidget* owner);
  // The window goes at once as far as the page can tell; the widget itself is deleted when
  // the event loop next runs, so a page may destroy its window from its own button.
  void DestroyWindow();
  // Ends the page as a dialog with the cancel result: the window is hidden, not destroyed.
  void EndDialogCancel();

  // A control of the window by template id, nullptr without a window or such a control.
  QWidget* Control(int id) const;
  // The step number and the page title of the current window.
  ColorLabel* StepNumberLabel() const { return m_stepNumber.data(); }
  ColorLabel* TitleLabel() const { return m_title.data(); }

 protected:
  // Window creation, before the template's controls exist: fonts and header labels are made,
  // the client size is final.
  virtual void OnCreate(QDialog& window) { (void)window; }
  // After the template's controls exist and show their texts.
  virtual void OnInitDialog(QDialog& window) { (void)window; }
  // A push button of the template was clicked (Enter clicks the default one).
  virtual void OnCommand(int id) { (void)id; }
  // The window is complete: after OnInitDialog.
  virtual void OnWindowReady() {}

  PageFonts& Fonts() { return m_fonts; }
  const PageFonts& Fonts() const { return m_fonts; }

 private:
  void ConnectButtons(QDialog& window);

  const DialogTemplate& m_template;
  const PageHeader& m_header;
  PageFonts m_fonts;
  QPointer<SkinnedDialog> m_window;
  QPointer<ColorLabel> m_stepNumber;
  QPointer<ColorLabel> m_title;
};

}  // namespace tamberlyx
