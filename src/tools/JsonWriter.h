#pragma once

#include <string>
#include <string_view>

namespace pramo::tools {

// Writes compact JSON straight into a string. The calculation tool writes hundreds of numbers per result,
// many thousands of results per batch; building a document tree first would cost more than the
// calculations. Numbers are written in their shortest form that reads back as the same double.
class JsonWriter {
 public:
  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  void Key(std::string_view key);
  void Number(double value);
  void Integer(long long value);
  void Boolean(bool value);
  void String(std::string_view text);
  // A value that is already JSON text, written as it stands.
  void Raw(std::string_view json);
  // Writes again the value that Text() holds from `begin` to `end`.
  void Repeat(std::size_t begin, std::size_t end);

  template <class Container>
  void Numbers(const Container& values) {
    BeginArray();
    for (const auto& v : values) Number(static_cast<double>(v));
    EndArray();
  }

  std::string& Text() { return m_out; }
  // Starts a new text in the same buffer: its capacity is kept for the next one.
  void Clear();
  // Ends a value written at the top with `after`; the next value starts afresh.
  void EndValue(std::string_view after);

 private:
  void Separate();
  void Open(char bracket);
  void Close(char bracket);

  std::string m_out;
  bool m_first = true;  // the next value is the first of its object or array
  bool m_afterKey = false;
};

}  // namespace pramo::tools
