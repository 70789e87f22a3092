#pragma once

#include <QString>
#include <vector>

class QComboBox;

// One selectable choice of a category: the name shown in its combo box and
// the command-line fragment it adds to the emulator's command line.
struct Option {
    QString name;
    QString value;
};

// One section of Launcher.ini, such as "[Resolution]", with its options in
// file order. An option's position is its index, which profiles refer to.
struct OptionCategory {
    QString section;
    std::vector<Option> options;
    QComboBox *combo = nullptr; // not owned; none for [Profile]
};

// A named launch configuration. selection[k - 1] is the option index chosen
// in category k (1 Resolution, 2 PixelDensity, 3 Input).
struct Profile {
    QString name;
    QString arguments;
    std::vector<int> selection = std::vector<int>(3, 0);
};

// The categories, always all four and always in this order.
enum CategoryIndex { ProfileCategory = 0, ResolutionCategory, PixelDensityCategory, InputCategory };

std::vector<OptionCategory> NewCategories();

// The one-line text of a profile: "[Resolution] 2 [PixelDensity] 0 [Input] 1 "
// followed by the trimmed arguments. It is the saved form of a profile and the
// test for unsaved changes in the window.
QString ProfileText(const std::vector<OptionCategory> &categories, const std::vector<int> &selection,
                    const QString &arguments);

// "[PixelDensity]" gives "Pixel Density" ("pixel density" with lowerCase).
QString CategoryLabel(const QString &section, bool lowerCase);
