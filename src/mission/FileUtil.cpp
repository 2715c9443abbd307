#include "mission/FileUtil.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "mission/Errors.h"

namespace fs = std::filesystem;

namespace vh {

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto la = static_cast<unsigned char>(a[i]), lb = static_cast<unsigned char>(b[i]);
    if (std::tolower(la) != std::tolower(lb))
      return false;
  }
  return true;
}

std::string Reason() { return std::strerror(errno); }

} // namespace

std::string ResolvePathCI(const std::string& path) {
  std::error_code ec;
  if (path.empty() || fs::exists(path, ec))
    return path;
  std::string native = path;
#ifndef _WIN32
  for (char& c : native)
    if (c == '\\')
      c = '/';
#endif
  fs::path p(native);
  fs::path built = p.root_path();
  for (const fs::path& part : p.relative_path()) {
    fs::path exact = built / part;
    if (fs::exists(exact, ec)) {
      built = exact;
      continue;
    }
    bool found = false;
    fs::path dir = built.empty() ? fs::path(".") : built;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      if (EqualNoCase(it->path().filename().string(), part.string())) {
        built = built / it->path().filename();
        found = true;
        break;
      }
    }
    if (!found)
      return path;
  }
  return built.string();
}

ByteStream ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw EInOutError("Cannot open file \"" + path + "\": " + Reason());
  std::error_code ec;
  if (fs::is_directory(path, ec))
    throw EInOutError("Cannot open file \"" + path + "\": it is a directory");
  ByteStream data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad())
    throw EInOutError("Cannot read file \"" + path + "\": " + Reason());
  return data;
}

std::string WriteTempFile(const std::string& path, const ByteStream& data) {
  static std::mt19937 rng{std::random_device{}()};
  std::string temp = path + ".tmp" + std::to_string(rng() % 1000000);
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f)
    throw EInOutError("Cannot create file \"" + path + "\": " + Reason());
  bool ok = data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size();
  std::string why = ok ? "" : Reason();
  if (std::fflush(f) != 0 && ok) {
    ok = false;
    why = Reason();
  }
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    why = Reason();
  }
  if (!ok) {
    DiscardTempFile(temp);
    throw EInOutError("Cannot write file \"" + path + "\": " + why);
  }
  return temp;
}

void CommitTempFile(const std::string& temp, const std::string& path) {
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) {
    DiscardTempFile(temp);
    throw EInOutError("Cannot replace file \"" + path + "\": " + ec.message());
  }
}

void DiscardTempFile(const std::string& temp) noexcept {
  std::error_code ec;
  fs::remove(temp, ec);
}

void WriteWholeFile(const std::string& path, const ByteStream& data) {
  CommitTempFile(WriteTempFile(path, data), path);
}

} // namespace vh
