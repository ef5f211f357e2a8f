#pragma once
// The state of the main window: the fields the design keeps in hidden labels, named
// after their label without the "lbl" prefix. Each subsystem owns its section and
// registers its fields' names in its Install, for the scenario driver and the dump.
// The spelling tables (Naturali … DBemolli) and the spelled names of the note sequence
// (ScegliNome) are hidden label arrays of the window (lblNaturali … with caption and
// colour): see MainWindow.
#include <array>
#include <map>
#include <string>
#include <tuple>

#include "core/color.h"

namespace velondo {

struct ExerciseState {
    // --- application shell ---
    std::string Dir;  // DataRoot: ends with '/', or empty
    std::string PercorsoFileDaAprire;
    std::string NomeFileDialogo = "00000 - Esempio da non cancellare.txt";  // dialog's initial name
    bool ExitPending = false;

    // --- notation ---
    // Key labels of the current register; element 0 "DO1" and element 50 "" are stored too.
    std::array<std::string, 51> PosizioneNota{};

    // --- sound ---
    int NotaPremuta = 0;    // piano player of the last key pressed
    std::string SuonaNota;  // label of the range note to sound

    // --- keyboard and toggle buttons ---
    std::string TotAlterazioni = "1";
    std::string TotSelezionati = "1";
    bool SilentClicks = false;
    std::string Index = "1";
    Color ColoreIndex = colors::White;
    Color ColoreTasto = colors::White;

    // --- exercise configuration ---
    std::string ChiaveScelta = "1";
    // Range: staff positions of its ends, their labels in the current clef, the gauge.
    int NotaPiuGrave = 10;
    int NotaPiuAcuta = 22;
    std::string PiuGrave = "DO3";
    std::string PiuAcuta = "LA4";
    int EstensioneIntervallo = 13;  // shown with its suffix, the caption of lblSpiegazione(42)
    int SpazioBasso = 4;
    int SpazioAlto = 13;
    int Progressivo = 0;  // number given to the last profile created
    // The note sequence: entry i is lblScegliNome(i) (name, colour) and ScegliNumero(i) (key).
    std::array<std::string, 121> ScegliNumero{};
    int NoteTotali = 0;
    int Contatore = 0;
    std::string ChiaveScelta2 = "1";         // clef shown on the clef table
    std::string UltimaChiaveCliccata = "1";  // clef button of the table selected
    std::array<std::string, 6> SceltaAlterazioni{"", "Inseriti", "No", "No", "No", "No"};  // 1..5
    int NumAltIns = 1;
    int SelectedCountButton =
        0;                   // note-count button chosen on panel 5: 0 "Min", 1 central, 2 "Max"
    int NumeroPassaggi = 0;  // extra passes of the pool composition, 0 outside it
    int CopiaContatore = 0, CopiaNaturali = 0, CopiaDiesis = 0, CopiaBemolli = 0,
        CopiaDoppiDiesis = 0, CopiaDoppiBemolli = 0;
    bool SecondShuffle = false;  // set only while the shuffle runs its second pass

    // --- drill ---
    int Avanza = 0;               // staff slot being loaded or refilled; 14: the line is full
    int NumeroScelto = 0;         // sequence entry being placed or answered
    int CopiaNumeroScelto = 0;    // entry to answer now; 0 ends the trial
    int CopiaNumeroScelto2 = 13;  // N, the notes of the trial
    int Posizione = 1;            // staff slot of the highlighted note
    int Inizio = 6;               // correct answers still to give before slots are refilled
    int Tempo = 0;                // tenths of running trial
    int Errori = 0;
    std::string ProvaInCorso = "No";  // "Sì" while keys are judged: read it with TrialRunning()
    std::string TempoMedio;           // average seconds per note of the last trial
    long long trialStartMs = 0;       // steady clock at the end of the countdown

    // --- results ---
    int Inserimento = 13;  // ranking row of the last trial; 13: it did not enter
    bool RecordCompiuto = false;
    int lampeggiaRecord = 0;  // record-line blink ticks
    int NumIsto = 0;          // used history slots, also the newest one
    int MouseMove = 100;      // history slot shown in the detail row; 100: none

    // --- answering from a MIDI keyboard and from the computer keyboard ---
    struct HeldNote {
        std::string port;
        int channel = 0, note = 0;
        friend auto operator<=>(const HeldNote&, const HeldNote&) = default;
    };
    std::map<HeldNote, int> midiHeld;  // note held → the key it pressed
    struct LastNoteOn {
        std::string port;
        int channel = 0;
        std::int64_t ms = 0;
    };
    std::map<int, LastNoteOn> midiLastOn;  // MIDI note → its last note-on
    bool midiMessageOpenedBox = false;     // the MIDI message showed the hidden message box
    int computerKeysRangeBase = 0;         // first key of the octave the range starts in
    int computerKeysBase = 0;              // first key of the mapped octaves; 0: not yet set
    std::map<int, int> computerHeld;       // computer key position → the key it pressed

    // --- storage ---
    bool FileSalvato = true;
    bool SaveFailed = false;  // the last save after a trial failed: its results are only in memory
    int PulsantePremuto = 1;  // main-panel option last chosen
    std::string NomeFile;     // file of the saved profile in use; empty: the default profile

    bool TrialRunning() const { return ProvaInCorso == "Sì"; }
    void SetTrialRunning(bool running) { ProvaInCorso = running ? "Sì" : "No"; }
};

}  // namespace velondo
