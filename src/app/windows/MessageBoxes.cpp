#include "app/windows/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/windows/WindowText.h"

namespace pramo {
namespace {

struct KindLook {
  QMessageBox::Icon icon;
  const char* title;
};

KindLook LookOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return {QMessageBox::Critical, "Chyba"};
    case MessageKind::Warning:
      return {QMessageBox::Warning, "Upozornění"};
    case MessageKind::Information:
      return {QMessageBox::Information, "Informace"};
    case MessageKind::Confirmation:
      break;
  }
  return {QMessageBox::Question, "Potvrzení"};
}

QMessageBox::StandardButton ButtonOf(Answer answer) {
  switch (answer) {
    case Answer::Yes:
      return QMessageBox::Yes;
    case Answer::No:
      return QMessageBox::No;
    case Answer::Cancel:
      return QMessageBox::Cancel;
    case Answer::Ok:
      break;
  }
  return QMessageBox::Ok;
}

}  // namespace

Answer MessageBoxes::Show(const Message& message) {
  const KindLook look = LookOf(message.kind);
  QMessageBox box(look.icon, QString::fromUtf8(look.title), ToQt(message.text), QMessageBox::NoButton,
                  m_parent);
  std::vector<Answer> buttons = message.buttons.empty() ? std::vector<Answer>{Answer::Ok} : message.buttons;
  for (Answer answer : buttons) {
    QPushButton* button = box.addButton(ButtonOf(answer));
    // Czech captions, whatever translation Qt itself has loaded.
    switch (answer) {
      case Answer::Yes:
        button->setText(QStringLiteral("&Ano"));
        break;
      case Answer::No:
        button->setText(QStringLiteral("&Ne"));
        break;
      case Answer::Cancel:
        button->setText(QStringLiteral("Storno"));
        break;
      case Answer::Ok:
        button->setText(QStringLiteral("OK"));
        break;
    }
  }
  box.setDefaultButton(ButtonOf(buttons.front()));
  const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  for (Answer answer : buttons)
    if (ButtonOf(answer) == pressed) return answer;
  // Closed without a button (Esc): the question's cancelling answer, or the message's only button.
  for (Answer answer : {Answer::Cancel, Answer::No})
    if (std::find(buttons.begin(), buttons.end(), answer) != buttons.end()) return answer;
  return buttons.back();
}

}  // namespace pramo
