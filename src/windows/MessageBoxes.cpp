#include "windows/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "windows/Help.h"
#include "windows/WindowText.h"
#include "strings/app.h"

namespace pramo {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return QMessageBox::Critical;
    case MessageKind::Warning:
      return QMessageBox::Warning;
    case MessageKind::Information:
      return QMessageBox::Information;
    case MessageKind::Confirmation:
      break;
  }
  return QMessageBox::Question;
}

const Text& ButtonText(Answer answer) {
  switch (answer) {
    case Answer::Yes:
      return str::kButtonYes;
    case Answer::No:
      return str::kButtonNo;
    case Answer::Cancel:
      return str::kButtonCancel;
    case Answer::Ok:
      break;
  }
  return str::kButtonOk;
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
  QMessageBox box(IconOf(message.kind), ToQt(Tr(str::kMessageCaption[static_cast<int>(message.kind)])),
                  ToQt(message.text), QMessageBox::NoButton, m_parent);
  // F1 on a message that sends the user to a help topic opens that topic.
  SetHelpTopic(box, HelpTopicOfMessage(message.id));
  std::vector<Answer> buttons = message.buttons.empty() ? std::vector<Answer>{Answer::Ok} : message.buttons;
  // The program's own captions, in the language of its messages.
  for (Answer answer : buttons) box.addButton(ButtonOf(answer))->setText(ToQt(Tr(ButtonText(answer))));
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
