#include "view/physical_keys.h"

#include <QGuiApplication>
#include <array>

namespace velondo::view {

namespace {

using P = ui::KeyPosition;

struct PhysicalKey {
    P pos;
    int evdev;    // Linux input code; X11 adds 8; Windows set-1 scan codes are the same
    Qt::Key key;  // what a US layout prints on it
};

constexpr std::array<PhysicalKey, 27> kKeys = {{
    {P::Z, 44, Qt::Key_Z},     {P::S, 31, Qt::Key_S},        {P::X, 45, Qt::Key_X},
    {P::D, 32, Qt::Key_D},     {P::C, 46, Qt::Key_C},        {P::V, 47, Qt::Key_V},
    {P::G, 34, Qt::Key_G},     {P::B, 48, Qt::Key_B},        {P::H, 35, Qt::Key_H},
    {P::N, 49, Qt::Key_N},     {P::J, 36, Qt::Key_J},        {P::M, 50, Qt::Key_M},
    {P::Q, 16, Qt::Key_Q},     {P::Digit2, 3, Qt::Key_2},    {P::W, 17, Qt::Key_W},
    {P::Digit3, 4, Qt::Key_3}, {P::E, 18, Qt::Key_E},        {P::R, 19, Qt::Key_R},
    {P::Digit5, 6, Qt::Key_5}, {P::T, 20, Qt::Key_T},        {P::Digit6, 7, Qt::Key_6},
    {P::Y, 21, Qt::Key_Y},     {P::Digit7, 8, Qt::Key_7},    {P::U, 22, Qt::Key_U},
    {P::I, 23, Qt::Key_I},     {P::Left, 105, Qt::Key_Left}, {P::Right, 106, Qt::Key_Right},
}};
constexpr int kX11Offset = 8;

const PhysicalKey& Of(P pos) {
    for (const PhysicalKey& k : kKeys)
        if (k.pos == pos) return k;
    return kKeys[0];
}

// The Linux input code of the event's key, or -1 when the platform gives none we know.
int EvdevCode(const QKeyEvent& e) {
    const quint32 code = e.nativeScanCode();
    if (code == 0) return -1;
    const QString platform = QGuiApplication::platformName();
    if (platform == "xcb" || platform == "wayland" || platform == "offscreen")
        return static_cast<int>(code) - kX11Offset;
    if (platform == "windows") return static_cast<int>(code & 0xFF);
    return -1;
}

}  // namespace

std::optional<ui::KeyPosition> PositionOfEvent(const QKeyEvent& e) {
    // The arrows are the same keys on every layout.
    if (e.key() == Qt::Key_Left) return P::Left;
    if (e.key() == Qt::Key_Right) return P::Right;
    if (const int evdev = EvdevCode(e); evdev >= 0) {
        for (const PhysicalKey& k : kKeys)
            if (k.evdev == evdev) return k.pos;
        return std::nullopt;
    }
    for (const PhysicalKey& k : kKeys)
        if (k.key == e.key()) return k.pos;
    return std::nullopt;
}

quint32 X11KeyCode(ui::KeyPosition pos) { return static_cast<quint32>(Of(pos).evdev + kX11Offset); }
Qt::Key UsKey(ui::KeyPosition pos) { return Of(pos).key; }
QString UsText(ui::KeyPosition pos) {
    const auto letter = ui::LetterOf(pos);
    return letter.empty() ? QString() : QString::fromLatin1(letter.data(), 1).toLower();
}

}  // namespace velondo::view
