#pragma once

#include <concepts>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vh::cli {

// Minimal JSON text builder: the caller writes keys and values in order and
// the builder places commas. Strings are expected in UTF-8.
class JsonWriter {
public:
  JsonWriter& BeginObject() { return Open('{'); }
  JsonWriter& EndObject() { return Close('}'); }
  JsonWriter& BeginArray() { return Open('['); }
  JsonWriter& EndArray() { return Close(']'); }
  JsonWriter& Key(std::string_view key) {
    Separate();
    Quote(key);
    out_ += ':';
    afterKey_ = true;
    return *this;
  }
  template <std::integral T>
  requires(!std::same_as<T, bool>) JsonWriter& Value(T v) {
    return Raw(std::to_string(static_cast<int64_t>(v)));
  }
  JsonWriter& Value(bool v) { return Raw(v ? "true" : "false"); }
  JsonWriter& Value(std::string_view s) {
    Separate();
    Quote(s);
    return *this;
  }
  // Without this a string literal would pick the bool overload.
  JsonWriter& Value(const char* s) { return Value(std::string_view(s)); }
  JsonWriter& Null() { return Raw("null"); }
  // Starts the next value on a new line, to keep large arrays readable.
  JsonWriter& Newline() {
    pendingNewline_ = true;
    return *this;
  }
  const std::string& Text() const { return out_; }

private:
  JsonWriter& Raw(std::string_view text) {
    Separate();
    out_ += text;
    return *this;
  }
  JsonWriter& Open(char c) {
    Separate();
    out_ += c;
    first_ = true;
    return *this;
  }
  JsonWriter& Close(char c) {
    out_ += c;
    first_ = false;
    return *this;
  }
  void Separate() {
    if (afterKey_) {
      afterKey_ = false;
      return;
    }
    if (!first_)
      out_ += ',';
    if (pendingNewline_) {
      out_ += '\n';
      pendingNewline_ = false;
    }
    first_ = false;
  }
  void Quote(std::string_view s) {
    out_ += '"';
    for (char c : s) {
      auto b = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        out_ += '\\';
        out_ += c;
      } else if (b < 0x20) {
        char esc[8];
        std::snprintf(esc, sizeof esc, "\\u%04x", b);
        out_ += esc;
      } else {
        out_ += c;
      }
    }
    out_ += '"';
  }

  std::string out_;
  bool first_ = true;
  bool afterKey_ = false;
  bool pendingNewline_ = false;
};

}  // namespace vh::cli
