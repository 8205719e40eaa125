#pragma once

#include <vector>

#include "core/Messages.h"

namespace pramo::test {

// Every message the recorder was shown, by its string table entry.
inline std::vector<int> MessageIds(const MessageRecorder& recorder) {
  std::vector<int> ids;
  for (const Message& message : recorder.Shown()) ids.push_back(message.id);
  return ids;
}

}  // namespace pramo::test
