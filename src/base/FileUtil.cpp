#include "base/FileUtil.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>

#include "base/Errors.h"
#include "base/Platform.h"

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

std::string Reason() {
  return std::strerror(errno);
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(PathOf(path), ec);
}

// Why `target` cannot be replaced, as the message of the error; empty when
// nothing stands in the way that can be known before trying.
// Why `target` cannot be replaced; nothing when it can.
std::optional<TMessage> CannotReplace(const std::string& target) {
  std::error_code ec;
  const fs::path p = PathOf(target);
  if (fs::exists(p, ec) && !fs::is_regular_file(p, ec))
    return Message(VH_TRANSLATE_NOOP("Error", "Cannot replace \"%1\": it is not a file"), target);
  std::string why = ReplaceBlocker(target);
  if (why.empty())
    return std::nullopt;
  return Message(VH_TRANSLATE_NOOP("Error", "Cannot replace file \"%1\": %2"), target, why);
}

void Remove(const std::string& path) {
  std::error_code ec;
  fs::remove(PathOf(path), ec);
}

}  // namespace

std::string ResolvePathCI(const std::string& path) {
  // Windows finds a file whatever the case of its name, but reports and
  // replaces files under the names they have, as Linux does.
  if (path.empty() || (!OnWindows && Exists(path)))
    return path;
  std::string native = path;
  if constexpr (!OnWindows)
    std::replace(native.begin(), native.end(), '\\', '/');
  std::error_code ec;
  const fs::path p = PathOf(native);
  fs::path built = p.root_path();
  for (const fs::path& part : p.relative_path()) {
    fs::path exact = built / part;
    if (part.empty() || part == "." || part == "..") {
      built = exact;
      continue;
    }
    if (std::optional<fs::path> name = NameOnDisk(exact)) {
      built = built / *name;
      continue;
    }
    if (fs::exists(exact, ec)) {
      built = exact;
      continue;
    }
    bool found = false;
    fs::path dir = built.empty() ? fs::path(".") : built;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      if (EqualNoCase(Utf8Of(it->path().filename()), Utf8Of(part))) {
        built = built / it->path().filename();
        found = true;
        break;
      }
    }
    if (!found)
      return path;
  }
  return Utf8Of(built);
}

std::string ResolvePathForWrite(const std::string& path) {
  std::string found = ResolvePathCI(path);
  if (Exists(found))
    return found;
  size_t sep = path.find_last_of("/\\");
  if (sep == std::string::npos)
    return path;
  return ResolvePathCI(path.substr(0, sep)) + path.substr(sep);
}

ByteStream ReadWholeFile(const std::string& path, size_t maxSize) {
  const fs::path p = PathOf(path);
  std::ifstream in(p, std::ios::binary);
  if (!in)
    throw EInOutError(Message(VH_TRANSLATE_NOOP("Error", "Cannot open file \"%1\": %2"), path, Reason()));
  std::error_code ec;
  if (fs::is_directory(p, ec))
    throw EInOutError(
        Message(VH_TRANSLATE_NOOP("Error", "Cannot open file \"%1\": it is a directory"), path));
  auto size = fs::file_size(p, ec);
  if (!ec && size > maxSize)
    throw EInOutError(Message(VH_TRANSLATE_NOOP("Error", "File \"%1\" is too large (%2 bytes)"), path, size));
  ByteStream data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad())
    throw EInOutError(Message(VH_TRANSLATE_NOOP("Error", "Cannot read file \"%1\": %2"), path, Reason()));
  return data;
}

std::string WriteTempFile(const std::string& path, const ByteStream& data) {
  static std::mt19937 rng{std::random_device{}()};
  std::string temp = path + ".tmp" + std::to_string(rng() % 1000000);
  bool created = false;
  std::string why = WriteFileToDisk(temp, data, &created);
  if (!why.empty()) {
    DiscardTempFile(temp);
    throw EInOutError(created
                          ? Message(VH_TRANSLATE_NOOP("Error", "Cannot write file \"%1\": %2"), path, why)
                          : Message(VH_TRANSLATE_NOOP("Error", "Cannot create file \"%1\": %2"), path, why));
  }
  return temp;
}

void CommitTempFile(const std::string& temp, const std::string& path) {
  if (std::optional<TMessage> error = CannotReplace(path)) {
    DiscardTempFile(temp);
    throw EInOutError(*error);
  }
  if (std::string why = RenameReplacing(temp, path); !why.empty()) {
    DiscardTempFile(temp);
    throw EInOutError(Message(VH_TRANSLATE_NOOP("Error", "Cannot replace file \"%1\": %2"), path, why));
  }
}

void CommitTempFiles(const std::vector<TTempFile>& files) {
  auto discardAll = [&files] {
    for (const TTempFile& f : files)
      DiscardTempFile(f.Temp);
  };
  // Whatever can be known to fail is found before anything changes.
  for (const TTempFile& f : files) {
    if (std::optional<TMessage> error = CannotReplace(f.Target)) {
      discardAll();
      throw EInOutError(*error);
    }
  }
  // Keep each old target under a side name until all are in place.
  std::vector<std::string> backups(files.size());
  size_t done = 0;
  auto rollBack = [&] {
    for (size_t i = done; i-- > 0;) {
      if (backups[i].empty())
        Remove(files[i].Target);
      else
        RenameReplacing(backups[i], files[i].Target);
    }
  };
  for (; done < files.size(); ++done) {
    const TTempFile& f = files[done];
    if (Exists(f.Target)) {
      backups[done] = f.Target + ".bak" + f.Temp.substr(f.Temp.rfind(".tmp") + 4);
      if (std::string why = RenameReplacing(f.Target, backups[done]); !why.empty()) {
        backups[done].clear();
        rollBack();
        discardAll();
        throw EInOutError(
            Message(VH_TRANSLATE_NOOP("Error", "Cannot replace file \"%1\": %2"), f.Target, why));
      }
    }
    if (std::string why = RenameReplacing(f.Temp, f.Target); !why.empty()) {
      if (!backups[done].empty())
        RenameReplacing(backups[done], f.Target);
      rollBack();
      discardAll();
      throw EInOutError(Message(VH_TRANSLATE_NOOP("Error", "Cannot replace file \"%1\": %2"), f.Target, why));
    }
  }
  for (const std::string& b : backups)
    if (!b.empty())
      Remove(b);
}

void DiscardTempFile(const std::string& temp) noexcept {
  Remove(temp);
}

void WriteWholeFile(const std::string& path, const ByteStream& data) {
  CommitTempFile(WriteTempFile(path, data), path);
}

}  // namespace vh
