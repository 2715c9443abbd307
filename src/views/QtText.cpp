#include "views/QtText.h"

#include <QCoreApplication>
#include <QList>
#include <QStringDecoder>

#include <array>

#include "base/Errors.h"

namespace vh {

namespace {

// 0x80..0x9F; the five unassigned bytes map to the C1 controls of the same
// value, as the platform's own conversion does, so they survive a round trip.
constexpr std::array<char16_t, 32> High{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char FromUnicode(uint c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
    return static_cast<char>(c);
  for (size_t i = 0; i < High.size(); ++i)
    if (High[i] == c)
      return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

QString ToQString(const std::string& cp1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(cp1252.size()));
  for (const char ch : cp1252) {
    const auto b = static_cast<unsigned char>(ch);
    out.append(QChar(b >= 0x80 && b < 0xA0 ? High[b - 0x80u] : char16_t(b)));
  }
  return out;
}

std::string FromQString(const QString& text) {
  std::string out;
  for (const uint c : text.toUcs4())
    out.push_back(FromUnicode(c));
  return out;
}

QString MessageToQString(const std::string& message) {
  QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decode(QByteArrayView(message.data(), static_cast<qsizetype>(message.size())));
  return decode.hasError() ? ToQString(message) : text;
}

QString TranslatedText(const char* context, const std::string& source) {
  return QCoreApplication::translate(context, source.c_str());
}

QString StepNameText(const std::string& name) {
  // TMissView::StepName's form for edits of a change layer.
  static const std::string inLayer = " in change layer ";
  const size_t at = name.rfind(inLayer);
  if (at != std::string::npos && at + inLayer.size() < name.size() &&
      name.find_first_not_of("0123456789", at + inLayer.size()) == std::string::npos)
    return QCoreApplication::translate("History", "%1 in change layer %2")
        .arg(TranslatedText("History", name.substr(0, at)),
             QString::fromStdString(name.substr(at + inLayer.size())));
  return TranslatedText("History", name);
}

QString TranslatedMessage(const char* context, const TMessage& message) {
  const QString pattern = TranslatedText(context, message.Pattern);
  if (message.Args.empty())
    return pattern;
  // One pass, as the core fills its own: an argument holding "%2" stays.
  QString text;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9') {
      const size_t n = static_cast<size_t>(pattern[i + 1].unicode() - u'1');
      if (n < message.Args.size()) {
        text += MessageToQString(message.Args[n]);
        ++i;
        continue;
      }
    }
    text += c;
  }
  return text;
}

QString ErrorText(const std::exception& error) {
  if (const auto* own = dynamic_cast<const EVhError*>(&error))
    return TranslatedMessage("Error", own->Message());
  return MessageToQString(error.what());
}

}  // namespace vh
