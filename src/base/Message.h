#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// Marks an English text that the editor shows translated. The core stays
// free of Qt: the marker leaves the text as it is, and the translation tools
// read it as Qt's QT_TRANSLATE_NOOP (lupdate -tr-function-alias). The editor
// looks a text up in the context its kind belongs to:
//   "Error"   messages of EVhError and its kin
//   "Check"   the mission check's sentences
//   "History" the names of the steps that undo and redo take
//   "Shop"    the names of the shop types
#define VH_TRANSLATE_NOOP(context, source) source

namespace vh {

// A message kept as its English pattern and its arguments, so that a
// translation of the pattern gets the same arguments: "%1" .. "%9" stand
// for Args[0] .. Args[8] (the form Qt's QString::arg fills).
struct TMessage {
  std::string Pattern;
  std::vector<std::string> Args;
  // The English message with its arguments in place.
  std::string Text() const;
};

// Fills %1 .. %9 of `pattern` in one pass, so that an argument holding "%2"
// stays as it is.
std::string FillMessagePattern(const std::string& pattern, const std::vector<std::string>& args);

namespace detail {
inline std::string MessageArg(std::string s) {
  return s;
}
inline std::string MessageArg(const char* s) {
  return s;
}
template <class T>
requires std::is_arithmetic_v<T> std::string MessageArg(T v) {
  return std::to_string(v);
}
}  // namespace detail

template <class... T> TMessage Message(const char* pattern, const T&... args) {
  return TMessage{pattern, {detail::MessageArg(args)...}};
}

}  // namespace vh
