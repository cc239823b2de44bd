// Reading the generator's resource script and the files it names.
#include "scene/folder_resource_source.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace sorvane {

namespace {

constexpr size_t kBitmapFileHeaderBytes = 14;

bool ReadFile(const std::string& path, std::vector<uint8_t>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

FolderResourceSource::FolderResourceSource(std::string folder, std::string shaderTextPath)
    : folder_(std::move(folder)) {
  entries_[kShaderTextResource] = {std::move(shaderTextPath), false, false, {}};
}

// Lines are `<id> BITMAP "<file>"` or `<id> RCDATA "<file>"`; `//` starts a comment.
bool FolderResourceSource::Open() {
  std::ifstream script(folder_ + "/textures.rc");
  if (!script) return false;
  std::string line;
  while (std::getline(script, line)) {
    if (line.empty() || line.starts_with("//")) continue;
    std::istringstream words(line);
    int id = 0;
    std::string type;
    std::string quoted;
    if (!(words >> id >> type >> quoted)) return false;
    if (quoted.size() < 3 || quoted.front() != '"' || quoted.back() != '"') return false;
    if (type != "BITMAP" && type != "RCDATA") return false;
    entries_[id] = {folder_ + "/" + quoted.substr(1, quoted.size() - 2), type == "BITMAP", false, {}};
  }
  return true;
}

bool FolderResourceSource::Find(int id, ResourceData* data) {
  auto it = entries_.find(id);
  if (it == entries_.end()) return false;
  Entry& e = it->second;
  if (!e.loaded) {
    if (!ReadFile(e.path, &e.bytes)) return false;
    // The resource compiler keeps a bitmap without its file header.
    if (e.isBitmap) {
      if (e.bytes.size() < kBitmapFileHeaderBytes || e.bytes[0] != 'B' || e.bytes[1] != 'M') return false;
      e.bytes.erase(e.bytes.begin(), e.bytes.begin() + kBitmapFileHeaderBytes);
    }
    e.loaded = true;
  }
  data->bytes = e.bytes;
  data->isBitmap = e.isBitmap;
  return true;
}

}  // namespace sorvane
