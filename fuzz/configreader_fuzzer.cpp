// Feeds arbitrary bytes to the configuration reader. For every input the
// model keeps its invariants, and saving is a fixed point: what was saved
// loads back and saves to the very same bytes.
#include "configio.h"

#include <cstdlib>

namespace
{

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckInvariants(const ConfigModel &model)
{
    const std::vector<OptionCategory> fresh = NewCategories();
    Require(model.categories.size() == fresh.size());
    for (size_t i = 0; i < fresh.size(); ++i) {
        Require(model.categories[i].section == fresh[i].section);
        // The [Profile] entries live on as the profiles.
        Require(model.categories[i].options.empty() == (i == ProfileCategory));
        Require(model.categories[i].combo == nullptr);
    }
    Require(!model.profiles.empty());
    for (const Profile &profile : model.profiles) {
        Require(profile.selection.size() == 3);
        Require(!profile.name.isEmpty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ConfigModel model = LoadModel(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    CheckInvariants(model);
    const QByteArray saved = SaveModel(model);
    const ConfigModel reloaded = LoadModel(saved);
    CheckInvariants(reloaded);
    Require(reloaded.profiles.size() == model.profiles.size());
    Require(SaveModel(reloaded) == saved);
    return 0;
}
