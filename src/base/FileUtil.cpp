#include "base/FileUtil.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "base/Errors.h"

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

std::string ResolvePathForWrite(const std::string& path) {
  std::string found = ResolvePathCI(path);
  std::error_code ec;
  if (fs::exists(found, ec))
    return found;
  size_t sep = path.find_last_of("/\\");
  if (sep == std::string::npos)
    return path;
  return ResolvePathCI(path.substr(0, sep)) + path.substr(sep);
}

ByteStream ReadWholeFile(const std::string& path, size_t maxSize) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw EInOutError("Cannot open file \"" + path + "\": " + Reason());
  std::error_code ec;
  if (fs::is_directory(path, ec))
    throw EInOutError("Cannot open file \"" + path + "\": it is a directory");
  auto size = fs::file_size(path, ec);
  if (!ec && size > maxSize)
    throw EInOutError("File \"" + path + "\" is too large (" + std::to_string(size) + " bytes)");
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
#ifndef _WIN32
  // The data must be on disk before the rename makes it the file of record.
  if (ok && ::fsync(::fileno(f)) != 0) {
    ok = false;
    why = Reason();
  }
#endif
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
  if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) {
    DiscardTempFile(temp);
    throw EInOutError("Cannot replace \"" + path + "\": it is not a file");
  }
  fs::rename(temp, path, ec);
  if (ec) {
    DiscardTempFile(temp);
    throw EInOutError("Cannot replace file \"" + path + "\": " + ec.message());
  }
}

void CommitTempFiles(const std::vector<TTempFile>& files) {
  std::error_code ec;
  auto discardAll = [&files] {
    for (const TTempFile& f : files)
      DiscardTempFile(f.Temp);
  };
  for (const TTempFile& f : files)
    if (fs::exists(f.Target, ec) && !fs::is_regular_file(f.Target, ec)) {
      discardAll();
      throw EInOutError("Cannot replace \"" + f.Target + "\": it is not a file");
    }
  // Keep each old target under a side name until all are in place.
  std::vector<std::string> backups(files.size());
  size_t done = 0;
  auto rollBack = [&] {
    for (size_t i = done; i-- > 0;) {
      if (backups[i].empty())
        fs::remove(files[i].Target, ec);
      else
        fs::rename(backups[i], files[i].Target, ec);
    }
  };
  for (; done < files.size(); ++done) {
    const TTempFile& f = files[done];
    if (fs::exists(f.Target, ec)) {
      backups[done] = f.Target + ".bak" + f.Temp.substr(f.Temp.rfind(".tmp") + 4);
      fs::rename(f.Target, backups[done], ec);
      if (ec) {
        std::string why = ec.message();
        backups[done].clear();
        rollBack();
        discardAll();
        throw EInOutError("Cannot replace file \"" + f.Target + "\": " + why);
      }
    }
    fs::rename(f.Temp, f.Target, ec);
    if (ec) {
      std::string why = ec.message();
      if (!backups[done].empty())
        fs::rename(backups[done], f.Target, ec);
      rollBack();
      discardAll();
      throw EInOutError("Cannot replace file \"" + f.Target + "\": " + why);
    }
  }
  for (const std::string& b : backups)
    if (!b.empty())
      fs::remove(b, ec);
}

void DiscardTempFile(const std::string& temp) noexcept {
  std::error_code ec;
  fs::remove(temp, ec);
}

void WriteWholeFile(const std::string& path, const ByteStream& data) {
  CommitTempFile(WriteTempFile(path, data), path);
}

} // namespace vh
