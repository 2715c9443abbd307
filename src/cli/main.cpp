#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage =
    "Usage: vhmission COMMAND [OPTIONS] ...\n"
    "\n"
    "Command-line companion of Varnholt Editor for mission files (miss*.dat).\n"
    "\n"
    "Options:\n"
    "  --help        show this text\n";

} // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::fputs(kUsage, stderr);
  return 2;
}
