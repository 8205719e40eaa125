#pragma once

#include <deque>
#include <string>
#include <vector>

#include "language/StringTable.h"

namespace pramo {

enum class MessageKind { Error, Warning, Information, Confirmation };

// The buttons of a message box, and the answer the user gave by pressing one.
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
  MessageKind kind = MessageKind::Information;
  int id = 0;        // string table entry
  std::string text;  // in the language in force, line breaks as "\r\n"
  std::vector<Answer> buttons;
};

// Everything the engine has to tell the user goes through here. The desktop program shows a modal
// message box and returns the button pressed; the tools and tests record and answer.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual Answer Show(const Message& message) = 0;
};

// Shows a message with an OK button.
void Tell(Messages& messages, MessageKind kind, const Text& text);
void Tell(Messages& messages, MessageKind kind, const Text& text, const std::string& formatted);
// Asks a question with the given buttons and returns the answer.
Answer Ask(Messages& messages, const Text& text, std::vector<Answer> buttons);
Answer Ask(Messages& messages, const Text& text, const std::string& formatted, std::vector<Answer> buttons);
// A question of another kind than a confirmation (a warning or information with Yes/No).
Answer Ask(Messages& messages, MessageKind kind, const Text& text, std::vector<Answer> buttons);

const char* KindName(MessageKind kind);
const char* AnswerName(Answer answer);

// Keeps every message shown and answers questions from a queue of prepared answers; when the queue is
// empty a question gets the fallback answer (and a plain message its only button).
class MessageRecorder : public Messages {
 public:
  explicit MessageRecorder(Answer fallback = Answer::Cancel) : m_fallback(fallback) {}
  Answer Show(const Message& message) override;

  void Prepare(Answer answer) { m_answers.push_back(answer); }
  const std::vector<Message>& Shown() const { return m_shown; }
  void Clear() { m_shown.clear(); }

 private:
  Answer m_fallback;
  std::deque<Answer> m_answers;
  std::vector<Message> m_shown;
};

}  // namespace pramo
