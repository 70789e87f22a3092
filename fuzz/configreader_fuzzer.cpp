// Feeds arbitrary bytes to the configuration reader. For every input the
// model keeps its invariants, and saving is a fixed point: what was saved
// loads back and saves to the very same bytes.
#include "configformat.h"

#include <QBuffer>
#include <QTextStream>

#include <cstdlib>

namespace
{

struct Model {
    std::vector<OptionCategory> categories;
    std::vector<Profile> profiles;
};

Model Load(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream in(&buffer);
    Model model{ReadConfig(in).categories, {}};
    model.profiles = CompleteModel(model.categories);
    return model;
}

QByteArray Save(Model &model)
{
    StageProfiles(model.categories, model.profiles);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly | QIODevice::Text);
    QTextStream out(&buffer);
    WriteConfig(out, model.categories);
    out.flush();
    return bytes;
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckInvariants(const Model &model)
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
    Model model = Load(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    CheckInvariants(model);
    const QByteArray saved = Save(model);
    Model reloaded = Load(saved);
    CheckInvariants(reloaded);
    Require(reloaded.profiles.size() == model.profiles.size());
    Require(Save(reloaded) == saved);
    return 0;
}
