// The rows of feature_table.inc as an array.
#include "frame/features.h"

#include <array>

#include "frame/feature_entries.h"

namespace kalendra {
namespace {

#define FEATURE_FUNCTION(name, Entry) Feature{u"@" #name, FeatureKind::kFunction, Entry, {}},
#define FEATURE_TIME_FUNCTION(name, Entry) Feature{u"@" #name, FeatureKind::kTimeFunction, Entry, {}},
#define FEATURE_VARIABLE(name, Entry) Feature{u"" #name, FeatureKind::kVariable, Entry, {}},
#define FEATURE_COMMAND(name, Entry, Usage) Feature{u"" #name, FeatureKind::kCommand, Entry, Usage},
constexpr std::array kFeatures{
#include "frame/feature_table.inc"
};
#undef FEATURE_FUNCTION
#undef FEATURE_TIME_FUNCTION
#undef FEATURE_VARIABLE
#undef FEATURE_COMMAND

}  // namespace

std::span<const Feature> Features() { return kFeatures; }

std::u16string AllFeatureNames() {
  std::u16string names;
  for (const Feature& feature : kFeatures) {
    if (!names.empty()) names += u',';
    names += feature.name;
  }
  return names;
}

}  // namespace kalendra
