#pragma once
// The state of the main window: the fields the design keeps in hidden labels, named
// after their label without the "lbl" prefix. Each subsystem owns its section and
// registers its fields' names (see register_fields.cpp of each subsystem).
// The spelling tables (Naturali … DBemolli) and the spelled names of the note sequence
// (ScegliNome) are hidden label arrays of the window (lblNaturali … with caption and
// colour): see MainWindow.
#include <array>
#include <string>

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
    int NotaPremuta = 0;     // piano player of the last key pressed
    std::string SuonaNota;   // label of the range note to sound

    // --- keyboard and toggle buttons ---
    std::string TotAlterazioni = "1";
    std::string TotSelezionati = "1";
    bool SilentClicks = false;
    std::string Index = "1";
    Color ColoreIndex = colors::White;
    Color ColoreTasto = colors::White;

    // --- exercise configuration ---
    std::string ChiaveScelta = "1";
    // The note sequence: entry i is lblScegliNome(i) (name, colour) and ScegliNumero(i) (key).
    std::array<std::string, 121> ScegliNumero{};
    int NoteTotali = 0;
    int Contatore = 0;

    // --- drill ---
    int Avanza = 1;        // staff slot being loaded or refilled
    int NumeroScelto = 0;  // sequence entry being placed or answered

    // --- results ---

    // --- storage ---
    bool FileSalvato = true;
};

}  // namespace velondo
