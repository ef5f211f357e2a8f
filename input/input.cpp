#include "input/input.h"

#include "drill/drill.h"
#include "sound/sound.h"
#include "ui/keyboard.h"

namespace velondo::input {

namespace {

constexpr int kFirstKey = 1, kLastKey = 49;
constexpr Color kMessageText = Rgb(0, 0, 128);

bool IsKey(int key) { return key >= kFirstKey && key <= kLastKey; }

// A key still held by another note or letter is lifted first, as a mouse lifts before it
// clicks again: the key's own colour comes back before the new press lights it.
template <typename Map>
bool ForgetHolds(Map& held, int key) {
    bool found = false;
    for (auto it = held.begin(); it != held.end();) {
        if (it->second == key) {
            it = held.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found;
}
void PressHeldKey(Program& p, int key) {
    const bool midi = ForgetHolds(p.state.midiHeld, key);
    const bool computer = ForgetHolds(p.state.computerHeld, key);
    if (midi || computer) ReleaseKey(p, notation::KeyNumber{key});
    PressKey(p, notation::KeyNumber{key});
}

void NoteOn(Program& p, const MidiEvent& e) {
    ExerciseState& s = p.state;
    auto last = s.midiLastOn.find(e.note);
    if (last != s.midiLastOn.end()) {
        const bool otherRoute = last->second.port != e.port || last->second.channel != e.channel;
        if (otherRoute && e.ms - last->second.ms <= kDoubledNoteMs) return;  // the same note twice
    }
    s.midiLastOn[e.note] = {e.port, e.channel, e.ms};
    const int key = e.note - kMidiToSample - notation::CurrentRegisterOffset(p);
    if (!IsKey(key)) {
        ShowInputMessage(p, OutsideKeyboardText(p, e.note));
        return;
    }
    PressHeldKey(p, key);
    s.midiHeld[{e.port, e.channel, e.note}] = key;
}

void NoteOff(Program& p, const MidiEvent& e) {
    auto& held = p.state.midiHeld;
    auto it = held.find({e.port, e.channel, e.note});
    if (it == held.end()) return;  // its note-on was a double, or lay outside the keyboard
    const int key = it->second;
    held.erase(it);
    ReleaseKey(p, notation::KeyNumber{key});
}

// A keyboard unplugged with keys down never sends their note-offs: release them now.
void Disconnected(Program& p, const std::string& port) {
    auto& held = p.state.midiHeld;
    for (auto it = held.begin(); it != held.end();) {
        if (it->first.port != port) {
            ++it;
            continue;
        }
        const int key = it->second;
        it = held.erase(it);
        ReleaseKey(p, notation::KeyNumber{key});
    }
}

bool AnyDrillMessageShown(const MainWindow& m) {
    for (const Control* c :
         {&m.lblQuando, &m.lblClicca, &m.lblFineProva, &m.lblStoScrivendo, &m.lblContDown})
        if (c->visible) return true;
    return false;
}

}  // namespace

void PressKey(Program& p, notation::KeyNumber key) {
    if (!IsKey(key.value)) return;
    ui::KeyPressDisplay(p, key);
    sound::KeySample(p, key);
    drill::CheckAnswer(p, key);
}

void ReleaseKey(Program& p, notation::KeyNumber key) {
    if (!IsKey(key.value)) return;
    ui::KeyReleaseDisplay(p, key);
}

void OnMidi(Program& p, const MidiEvent& e) {
    if (!p.mainLoaded || p.ended) return;
    switch (e.kind) {
        case MidiEvent::Kind::Connected: ShowInputMessage(p, texts::MidiConnected + e.port); break;
        case MidiEvent::Kind::Disconnected: Disconnected(p, e.port); break;
        case MidiEvent::Kind::NoteOn: NoteOn(p, e); break;
        case MidiEvent::Kind::NoteOff: NoteOff(p, e); break;
    }
}

std::string MidiNoteLabel(int note) {
    const int below = note - kMidiToSample - 1;  // semitones above sample 1, "DO"
    const int octave = below >= 0 ? below / 12 : -((-below + 11) / 12);
    const int pitchClass = below - 12 * octave;
    std::string label(notation::PitchName(pitchClass));
    if (octave != 0) label += std::to_string(octave);
    return label;
}

std::string OutsideKeyboardText(const Program& p, int note) {
    return "La nota " + MidiNoteLabel(note) + " (MIDI " + std::to_string(note) +
           ") è fuori dalla tastiera, che va da " + p.state.PosizioneNota[kFirstKey] + " a " +
           p.state.PosizioneNota[kLastKey] + ".";
}

void ComputerKeyDown(Program& p, ui::KeyPosition pos) {
    if (!p.mainLoaded || p.ended) return;
    if (pos == ui::KeyPosition::Left || pos == ui::KeyPosition::Right) {
        ui::ShiftComputerKeys(p, pos == ui::KeyPosition::Left ? -1 : 1);
        return;
    }
    const auto key = ui::KeyOfPosition(p, pos);
    if (!key) return;
    PressHeldKey(p, *key);
    p.state.computerHeld[static_cast<int>(pos)] = *key;
}

void ComputerKeyUp(Program& p, ui::KeyPosition pos) {
    auto& held = p.state.computerHeld;
    auto it = held.find(static_cast<int>(pos));
    if (it == held.end()) return;
    const int key = it->second;  // the key it pressed, even if the octaves moved since
    held.erase(it);
    ReleaseKey(p, notation::KeyNumber{key});
}

void ShowInputMessage(Program& p, const std::string& text) {
    MainWindow& m = p.main;
    if (!m.fraLogo.visible) {
        m.fraLogo.visible = true;
        p.state.midiMessageOpenedBox = true;
    }
    m.lblMessaggioMidi.caption = text;
    m.lblMessaggioMidi.visible = true;
    m.TmrMessaggioMidi.setEnabled(false);  // a new message gets its whole time
    m.TmrMessaggioMidi.setEnabled(true);
}

void HideInputMessage(Program& p) {
    MainWindow& m = p.main;
    m.TmrMessaggioMidi.setEnabled(false);
    m.lblMessaggioMidi.visible = false;
    // The box goes away again only if it was hidden before and nothing else uses it now.
    if (p.state.midiMessageOpenedBox && !AnyDrillMessageShown(m)) m.fraLogo.visible = false;
    p.state.midiMessageOpenedBox = false;
}

void StartListening(Program& p) {
    ui::ShowComputerKeyLetters(p);
    if (p.ports.midi) p.ports.midi->start([&p](const MidiEvent& e) { OnMidi(p, e); });
}

void Install(Program& p) {
    MainWindow& m = p.main;
    Control& msg = m.lblMessaggioMidi;
    msg.parent = &m.fraLogo;
    msg.move(45, 45, 3495, 1605);  // covers the drill's messages while it shows
    msg.opaque = true;
    msg.backColor = colors::Cream;
    msg.foreColor = kMessageText;
    msg.fontSize = 12;
    msg.bold = true;
    msg.align = Align::Center;
    msg.wordWrap = true;
    msg.z = 10;
    msg.visible = false;
    p.handlers.add("TmrMessaggioMidi", "Timer",
                   [](Program& prog, const Event&) { HideInputMessage(prog); });
}

}  // namespace velondo::input
