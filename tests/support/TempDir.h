#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

#include "base/Platform.h"

namespace vh::test {

// A path written with "/" as the running system spells it ("\" on Windows).
inline std::string Native(const std::string& path) {
  return Utf8Of(PathOf(path).make_preferred());
}
inline const std::string Sep = Native("/");

// A fresh directory below the system's temporary directory, removed with
// everything in it when the object goes. Each one is unique, so tests that
// ctest runs in parallel never share files.
class TempDir {
public:
  TempDir() {
    namespace fs = std::filesystem;
    std::random_device random;
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
      // create_directory() reports a name that exists already, so the first
      // name it creates is ours alone.
      fs::path candidate = base / ("vh-test-" + std::to_string(ProcessId()) + "-" + std::to_string(random()));
      std::error_code ec;
      if (fs::create_directory(candidate, ec)) {
        path_ = Utf8Of(candidate);
        return;
      }
    }
    throw std::runtime_error("cannot create a temporary directory");
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(PathOf(path_), ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  std::filesystem::path Fs() const { return PathOf(path_); }
  std::string File(const std::string& name) const { return path_ + Sep + Native(name); }

private:
  std::string path_;
};

}  // namespace vh::test
