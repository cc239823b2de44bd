#include "shell/data_folder_posix.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvane {

namespace {

bool IsFolder(const std::string& path) {
  struct stat s;
  return stat(path.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

}  // namespace

std::string HackDataFolder() {
  char self[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return {};
  const std::string path(self, static_cast<size_t>(length));
  const std::string folder = path.substr(0, path.rfind('/'));
  // SORVANE_DATA_FROM_BINARY: the data folder relative to the installed hack.
  for (const std::string& candidate : {folder + "/" SORVANE_DATA_FROM_BINARY, folder + "/generated"}) {
    if (IsFolder(candidate)) return candidate;
  }
  return {};
}

}  // namespace sorvane
