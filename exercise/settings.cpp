#include "exercise/settings.h"

#include <array>

#include "notation/notation.h"

namespace velondo::exercise {

namespace {

// Values of the summary as designed, lblVoceOpzioni(0 … 11); the window lays out the box.
constexpr std::array<const char*, 12> kSummaryValues = {
    "RE5", "SOL2", "19esima", "Violino", "0", "19", "19", "0", "0", "0", "0", "Vio1220snnnn"};

}  // namespace

std::string ProfileNumber(int progressivo) {
    std::string n = std::to_string(progressivo);
    if (n.size() < 5) n.insert(0, 5 - n.size(), '0');
    return n;
}

std::string ProfileName(int progressivo, const std::string& clefName) {
    return ProfileNumber(progressivo) + " - " + clefName;
}

void NameNewProfile(Program& p) {
    p.state.Progressivo += 1;
    const std::string& clefName = p.main.lblVoceOpzioni[3].caption;
    for (int c = 1; c <= notation::kClefs; ++c)
        if (notation::Clef(notation::ClefNumber{c}).name == clefName)
            p.main.ImgChiave.picture = p.path(notation::ClefImagePath(notation::ClefNumber{c}));
    const std::string name = ProfileName(p.state.Progressivo, clefName);
    p.main.lblVoceOpzioni[kProfileNameItem].caption = name;
    p.state.NomeFile = p.path("Velondo7/Impostazioni/" + name + ".txt");
}

void DesignSettingsSummary(Program& p) {
    for (int i = 0; i <= kProfileNameItem; ++i)
        p.main.lblVoceOpzioni[i].caption = kSummaryValues[static_cast<size_t>(i)];
}

void InstallSettings(Program& p) {
    p.fields.add("Progressivo", p.state.Progressivo);
    DesignSettingsSummary(p);
}

}  // namespace velondo::exercise
