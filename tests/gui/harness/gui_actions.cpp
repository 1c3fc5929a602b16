#include "tests/gui/harness/gui_actions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/control_id.h"

namespace tamberlyx::test {
namespace {

constexpr int kModalPollMs = 5;
constexpr int kModalGiveUpMs = 5000;

void PollForModal(std::function<void(QDialog&)> answer, int waitedMs) {
  if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
    answer(*modal);
    return;
  }
  if (waitedMs >= kModalGiveUpMs) {
    ADD_FAILURE() << "no modal dialog opened";
    return;
  }
  QTimer::singleShot(kModalPollMs, [answer = std::move(answer), waitedMs]() mutable {
    PollForModal(std::move(answer), waitedMs + kModalPollMs);
  });
}

}  // namespace

void ProcessEvents(int forMs) {
  QElapsedTimer clock;
  clock.start();
  do {
    QApplication::processEvents(QEventLoop::AllEvents, forMs);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  } while (clock.elapsed() < forMs);
}

QPushButton* Button(const QWidget& window, int id) {
  auto* button = qobject_cast<QPushButton*>(FindControl(window, id));
  EXPECT_NE(button, nullptr) << "no push button " << id << " in "
                             << qPrintable(window.windowTitle());
  return button;
}

void ClickButton(const QWidget& window, int id) {
  if (QPushButton* button = Button(window, id)) QTest::mouseClick(button, Qt::LeftButton);
}

void PressKey(QWidget& window, Qt::Key key) {
  QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
  QTest::keyClick(target, key);
}

void AnswerNextModal(std::function<void(QDialog&)> answer) {
  QTimer::singleShot(
      0, [answer = std::move(answer)]() mutable { PollForModal(std::move(answer), 0); });
}

ModalAnswerer::ModalAnswerer(std::function<void(QDialog&)> answer)
    : m_timer(std::make_unique<QTimer>()) {
  QObject::connect(m_timer.get(), &QTimer::timeout, [this, answer = std::move(answer)] {
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ++m_answered;
      answer(*modal);
    }
  });
  m_timer->start(kModalPollMs);
}

ModalAnswerer::~ModalAnswerer() = default;

bool SavePng(QWidget& window, const QString& path) {
  return window.grab().save(path, "PNG");
}

QWidget* FindWindow(const QString& caption) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == caption) return widget;
  }
  return nullptr;
}

int VisibleWindowCount() {
  int count = 0;
  for (const QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) ++count;
  }
  return count;
}

}  // namespace tamberlyx::test
