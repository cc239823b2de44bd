#include "shell/query_options.h"

namespace sorvane {

namespace {

// The hack's options a page takes besides the settings: not those that choose
// a window or a file.
bool PageOption(const std::string& name) { return name == "fps" || name == "seed" || name == "frames"; }

}  // namespace

QueryOptions ParseQueryOptions(const std::vector<std::pair<std::string, std::string>>& pairs) {
  QueryOptions result;
  std::vector<std::string> accepted;
  for (const auto& [name, value] : pairs) {
    const SettingOption* setting = FindSettingOption(name);
    if (setting == nullptr && !PageOption(name)) {
      result.warnings.push_back("unknown option '" + name + "' left out");
      continue;
    }
    const bool takesValue = setting != nullptr ? setting->kind != OptionKind::Switch : name != "fps";
    if (!takesValue && !value.empty()) {
      result.warnings.push_back("--" + name + " takes no value: left out");
      continue;
    }
    // Each pair alone through the hack's parser, so that one the hack would
    // refuse spoils none of the others.
    std::vector<std::string> words{"--" + name};
    if (takesValue) words.push_back(value);
    const ParsedOptions one = ParseHackOptions(words);
    if (one.outcome != ParseOutcome::Run) {
      result.warnings.push_back(one.error + ": left out");
      continue;
    }
    result.warnings.insert(result.warnings.end(), one.warnings.begin(), one.warnings.end());
    accepted.insert(accepted.end(), words.begin(), words.end());
    result.snapshot = result.snapshot || name == "frames";
    result.seeded = result.seeded || name == "seed";
  }
  result.options = ParseHackOptions(accepted).options;
  return result;
}

}  // namespace sorvane
