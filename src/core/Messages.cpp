#include "core/Messages.h"

#include <algorithm>

namespace pramo {

void Tell(Messages& messages, MessageKind kind, const Text& text) {
  Tell(messages, kind, text, Tr(text));
}

void Tell(Messages& messages, MessageKind kind, const Text& text, const std::string& formatted) {
  messages.Show(Message{kind, text.id, formatted, {Answer::Ok}});
}

Answer Ask(Messages& messages, const Text& text, std::vector<Answer> buttons) {
  return Ask(messages, text, Tr(text), std::move(buttons));
}

Answer Ask(Messages& messages, const Text& text, const std::string& formatted, std::vector<Answer> buttons) {
  return messages.Show(Message{MessageKind::Confirmation, text.id, formatted, std::move(buttons)});
}

Answer Ask(Messages& messages, MessageKind kind, const Text& text, std::vector<Answer> buttons) {
  return messages.Show(Message{kind, text.id, Tr(text), std::move(buttons)});
}

const char* KindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return "error";
    case MessageKind::Warning:
      return "warning";
    case MessageKind::Information:
      return "information";
    case MessageKind::Confirmation:
      return "confirmation";
  }
  return "information";
}

const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "ok";
    case Answer::Yes:
      return "yes";
    case Answer::No:
      return "no";
    case Answer::Cancel:
      return "cancel";
  }
  return "ok";
}

Answer MessageRecorder::Show(const Message& message) {
  m_shown.push_back(message);
  if (message.buttons.size() <= 1) return message.buttons.empty() ? Answer::Ok : message.buttons.front();
  Answer answer = m_fallback;
  if (!m_answers.empty()) {
    answer = m_answers.front();
    m_answers.pop_front();
  }
  // An answer the box does not offer would be impossible for a user: take the box's last button instead.
  if (std::find(message.buttons.begin(), message.buttons.end(), answer) == message.buttons.end())
    answer = message.buttons.back();
  return answer;
}

}  // namespace pramo
