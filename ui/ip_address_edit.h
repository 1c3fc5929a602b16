#pragma once

#include <QFrame>
#include <array>
#include <cstddef>
#include <cstdint>

class QLineEdit;

namespace tamberlyx {

// An IPv4 address field: four fields of 0 to 255 between dots, each of which may be blank, and
// each a tab stop. Typing "." moves to the next field, a third digit moves on by
// itself, Backspace at the start of a field and the arrow keys at its edges cross into the
// neighbour, and pasting a dotted address fills all four fields. Its frame is drawn over the
// fields, so that it stays whole at every scale.
class IpAddressEdit : public QFrame {
  Q_OBJECT

 public:
  using Octets = std::array<std::uint8_t, 4>;

  explicit IpAddressEdit(QWidget* parent = nullptr);

  // A blank field reads as 0.
  Octets GetAddress() const;
  void SetAddress(const Octets& octets);
  void SetField(std::size_t index, std::uint8_t octet);
  void ClearAddress();
  bool IsBlank() const;

  QLineEdit* Field(std::size_t index) const { return m_fields.at(index); }

  // Each field's name for assistive technology: "<caption>, part 1 of 4" in the page's language.
  void NameFields(const QString& caption);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool OnFieldKey(std::size_t index, const QKeyEvent& key);
  void OnFieldEdited(std::size_t index);
  bool PasteAddress();
  void ReplaceStandardPaste(std::size_t index, QContextMenuEvent& event);
  void MoveTo(std::size_t index, int cursor, bool selectAll);

  std::array<QLineEdit*, 4> m_fields{};
  QWidget* m_frame = nullptr;  // drawn over the fields
};

}  // namespace tamberlyx
