#pragma once
// The controls of the main window, as the view draws them and the handlers change them.
// Declaration order is the stacking order among siblings (later is on top) unless z says
// otherwise. Design geometry and looks are set by each owner's design function.
#include <optional>

#include "core/control.h"

namespace velondo {

using K = ControlKind;

// The panels over the staff area, FraSpiegazioni(0 … 9).
enum class Panel {
    Main,
    Clef,
    Range,
    Accidentals,
    Results,
    Name,
    ClefTable,
    Exit,
    Help,
    SavePrompt
};
inline constexpr int kPanels = 10;

// The on/off buttons of the options box. Each is three controls: a background square, a
// sign and a click surface, of the arrays lblSfondi/lblSigle/lblVisualizza (1 … 11),
// lblSfondiB/lblSigleB/lblVisualizzaB (3 … 13) or lblSfondoSave/lblScrittaSave/lblSave (0, 1).
enum class Option {
    NaturalNames,
    SharpNames,
    FlatNames,
    DoubleSharpNames,
    DoubleFlatNames,  // lblVisualizza 1 … 5
    AllNames,
    SelectedNames,
    Shading,
    Help,
    Results,
    Exit,  // lblVisualizza 6 … 11
    StaffLine,
    KeyboardLine,
    BarLines,
    PositionMarks,  // lblVisualizzaB 3 … 6
    HighlightWhilePressed,
    KeyMovement,
    HighlightAfterRelease,  // lblVisualizzaB 7 … 9
    ProgramNoises,
    KeyboardSounds,
    ErrorVoice,
    ClefTable,  // lblVisualizzaB 10 … 13
    AutoSave,
    NamedSave,  // lblSave 0, 1
};
inline constexpr int kOptions = 24;

// Where an option's controls stand: which family of arrays, at which index.
enum class OptionFamily { Visualizza, VisualizzaB, Save };
struct OptionPlace {
    OptionFamily family;
    int index;
};
constexpr OptionPlace PlaceOf(Option o) {
    const int i = static_cast<int>(o);
    if (i <= static_cast<int>(Option::Exit)) return {OptionFamily::Visualizza, i + 1};
    if (i <= static_cast<int>(Option::ClefTable))
        return {OptionFamily::VisualizzaB, i - static_cast<int>(Option::StaffLine) + 3};
    return {OptionFamily::Save, i - static_cast<int>(Option::AutoSave)};
}
// The option at an index of a family, if any (the note-count buttons lblVisualizzaB 0 … 2 are
// none).
constexpr std::optional<Option> OptionAt(OptionFamily family, int index) {
    for (int i = 0; i < kOptions; ++i) {
        const OptionPlace place = PlaceOf(static_cast<Option>(i));
        if (place.family == family && place.index == index) return static_cast<Option>(i);
    }
    return std::nullopt;
}
// The name button of name row 1 … 5 (naturals … double flats).
constexpr Option NameRowOption(int row) { return static_cast<Option>(row - 1); }

struct OptionControls {
    Control& square;
    Control& sign;
    Control& surface;
};

struct MainWindow {
    MainWindow() = default;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    ControlRegistry registry;  // first: every member below registers into it

    Control& panel(Panel p) { return FraSpiegazioni[static_cast<int>(p)]; }
    const Control& panel(Panel p) const { return FraSpiegazioni[static_cast<int>(p)]; }
    OptionControls option(Option o) {
        const OptionPlace place = PlaceOf(o);
        switch (place.family) {
            case OptionFamily::Visualizza:
                return {lblSfondi[place.index], lblSigle[place.index], lblVisualizza[place.index]};
            case OptionFamily::VisualizzaB:
                return {lblSfondiB[place.index], lblSigleB[place.index],
                        lblVisualizzaB[place.index]};
            case OptionFamily::Save: break;
        }
        return {lblSfondoSave[place.index], lblScrittaSave[place.index], lblSave[place.index]};
    }
    // An option is on while its click surface shows pressed.
    bool isOn(Option o) const {
        const OptionPlace place = PlaceOf(o);
        switch (place.family) {
            case OptionFamily::Visualizza: return lblVisualizza[place.index].on;
            case OptionFamily::VisualizzaB: return lblVisualizzaB[place.index].on;
            case OptionFamily::Save: break;
        }
        return lblSave[place.index].on;
    }

    Control frmVelondo7Principale2{registry, "frmVelondo7Principale2", K::Window};

    // --- hidden state tables: spelled names (caption) and range marks (BackColor) ---
    ControlArray lblNaturali{registry, "lblNaturali", K::Label, 0, 49};
    ControlArray lblDiesis{registry, "lblDiesis", K::Label, 0, 49};
    ControlArray lblBemolli{registry, "lblBemolli", K::Label, 0, 49};
    ControlArray lblDDiesis{registry, "lblDDiesis", K::Label, 0, 49};
    ControlArray lblDBemolli{registry, "lblDBemolli", K::Label, 0, 49};

    // --- hidden note sequence: spelled name (caption) in its class colour (ForeColor) ---
    ControlArray lblScegliNome{registry, "lblScegliNome", K::Label, 0, 120};

    // --- top panel ---
    Control ShpPannelloAlto{registry, "ShpPannelloAlto", K::Shape};
    Control ShpRiquadroEstensione{registry, "ShpRiquadroEstensione", K::Shape};
    Control ShpRiquadroRiepilogo{registry, "ShpRiquadroRiepilogo", K::Shape};  // settings summary
    Control ShpRiquadroLogo{registry, "ShpRiquadroLogo", K::Shape};
    Control ShpRiquadroOpzioni{registry, "ShpRiquadroOpzioni", K::Shape};  // options box
    Control ShpRiquadroOpzioniDestra{registry, "ShpRiquadroOpzioniDestra", K::Shape};
    Control ImgChiavePiccola{registry, "ImgChiavePiccola", K::Image};
    ControlArray ShpPentagramma{registry, "ShpPentagramma", K::Shape, 1, 22};
    ControlArray lblSpazi{registry, "lblSpazi", K::Label, 1, 16};
    ControlArray lblOpzioni{registry, "lblOpzioni", K::Label, 0, 10};
    ControlArray lblVoceOpzioni{registry, "lblVoceOpzioni", K::Label, 0, 11};
    ControlArray ImgGif{registry, "ImgGif", K::Image, 0, 16};
    ControlArray lblTitolo{registry, "lblTitolo", K::Label, 0, 2};
    ControlArray ImgVarie{registry, "ImgVarie", K::Image, 0, 6};

    // --- options box ---
    ControlArray lblSfondi{registry, "lblSfondi", K::Label, 1, 11};
    ControlArray lblSigle{registry, "lblSigle", K::Label, 1, 11};
    ControlArray lblVisualizza{registry, "lblVisualizza", K::Label, 1, 11};
    ControlArray lblSfondiB{registry, "lblSfondiB", K::Label, 0, 13};
    ControlArray lblSigleB{registry, "lblSigleB", K::Label, 0, 13};
    ControlArray lblVisualizzaB{registry, "lblVisualizzaB", K::Label, 0, 13};
    ControlArray lblSfondoSave{registry, "lblSfondoSave", K::Label, 0, 2};
    ControlArray lblScrittaSave{registry, "lblScrittaSave", K::Label, 0, 3};
    ControlArray lblSave{registry, "lblSave", K::Label, 0, 2};
    Control lblPrint{registry, "lblPrint", K::Label};

    // --- staff area ---
    Control ShpPentagrammaGrande{registry, "ShpPentagrammaGrande", K::Shape};
    ControlArray LinRigo{registry, "LinRigo", K::Line, 1, 5};  // the five staff lines
    ControlArray LinFine{registry, "LinFine", K::Line, 1, 3};  // end line and double bar
    ControlArray ShpBattute{registry, "ShpBattute", K::Line, 1, 12};
    ControlArray ShpLineaNota{registry, "ShpLineaNota", K::Line, 1, 4};
    ControlArray ShpLineaNota2{registry, "ShpLineaNota2", K::Line, 1, 4};
    Control ShpCollegamento{registry, "ShpCollegamento", K::Line};
    Control ImgChiave{registry, "ImgChiave", K::Image};
    ControlArray lblLineaDel{registry, "lblLineaDel", K::Label, 0, 1};
    Control lblTonoChiave{registry, "lblTonoChiave", K::Label};
    ControlArray ShpEvidenzia{registry, "ShpEvidenzia", K::Shape, 1, 13};
    ControlArray ImgNota{registry, "ImgNota", K::Image, 1, 13};
    ControlArray lblNomeNota{registry, "lblNomeNota", K::Label, 1, 13};

    // --- keyboard band ---
    Control ShpStriscia{registry, "ShpStriscia", K::Shape};
    ControlArray ShpVerticale{registry, "ShpVerticale", K::Line, 0, 12};
    ControlArray ShpTasto{registry, "ShpTasto", K::Shape, 1, 49};
    ControlArray lblNaturaliT{registry, "lblNaturaliT", K::Label, 1, 49};
    ControlArray lblDiesisT{registry, "lblDiesisT", K::Label, 1, 49};
    ControlArray lblBemolliT{registry, "lblBemolliT", K::Label, 1, 49};
    ControlArray lblDDiesisT{registry, "lblDDiesisT", K::Label, 1, 49};
    ControlArray lblDBemolliT{registry, "lblDBemolliT", K::Label, 1, 49};
    ControlArray lblLettera{registry, "lblLettera", K::Label, 1, 49};  // computer-key letters
    ControlArray lblTasto{registry, "lblTasto", K::Label, 0, 49};

    // --- message frame over the logo area ---
    Control fraLogo{registry, "fraLogo", K::Frame};
    Control lblQuando{registry, "lblQuando", K::Label};
    Control lblClicca{registry, "lblClicca", K::Label};
    Control lblFineProva{registry, "lblFineProva", K::Label};
    Control lblStoScrivendo{registry, "lblStoScrivendo", K::Label};
    Control lblContDown{registry, "lblContDown", K::Label};
    Control lblAvvisoFile{registry, "lblAvvisoFile", K::Label};  // what happened to a data file
    Control lblMessaggioMidi{registry, "lblMessaggioMidi", K::Label};  // over the others, briefly

    // --- panels ---
    ControlArray FraSpiegazioni{registry, "FraSpiegazioni", K::Frame, 0, 9};
    ControlArray lblSpiegazione{registry, "lblSpiegazione", K::Label, 0, 70};
    ControlArray lblVarie{registry, "lblVarie", K::Label, 0, 22};
    Control lblScritteVarie{registry, "lblScritteVarie", K::Label};
    Control ShpVari{registry, "ShpVari", K::Shape};
    ControlArray lblPulsante{registry, "lblPulsante", K::Label, 0, 4};
    ControlArray lblMedio{registry, "lblMedio", K::Label, 0, 1};
    ControlArray lblSfondoVuoiUscire{registry, "lblSfondoVuoiUscire", K::Label, 0, 1};
    ControlArray lblVuoiUscire{registry, "lblVuoiUscire", K::Label, 0, 1};
    // --- save prompt (panel 9) ---
    Control lblMessaggioSalva{registry, "lblMessaggioSalva", K::Label};
    Control lblSuggerimentoSalva{registry, "lblSuggerimentoSalva", K::Label};
    ControlArray lblSfondoAttenzioneSalva{registry, "lblSfondoAttenzioneSalva", K::Label, 0, 1};
    ControlArray lblAttenzioneSalva{registry, "lblAttenzioneSalva", K::Label, 0, 1};
    Control TxtNomeAlunno{registry, "TxtNomeAlunno", K::TextBox};
    Control* focused =
        nullptr;  // control the handlers gave the keyboard focus (the view follows it)

    // --- clef choice (panel 1) ---
    ControlArray lblClickChiave{registry, "lblClickChiave", K::Label, 1, 7};
    ControlArray ImgSceltaChiave{registry, "ImgSceltaChiave", K::Image, 1, 14};
    Control ImgChiaveScelta{registry, "ImgChiaveScelta", K::Image};

    // --- range choice (panel 2) ---
    ControlArray lblPosizioneGrave{registry, "lblPosizioneGrave", K::Label, 1, 2};
    ControlArray lblPosizioneAcuta{registry, "lblPosizioneAcuta", K::Label, 1, 2};
    ControlArray lblSfondoGrave{registry, "lblSfondoGrave", K::Label, 1, 2};
    ControlArray lblSfondoAcuto{registry, "lblSfondoAcuto", K::Label, 1, 2};
    ControlArray ShpGrave{registry, "ShpGrave", K::Shape, 1, 31};
    ControlArray ShpAcuto{registry, "ShpAcuto", K::Shape, 1, 31};
    Control ImgNotaGrave{registry, "ImgNotaGrave", K::Image};
    Control ImgNotaAcuta{registry, "ImgNotaAcuta", K::Image};
    Control lblPiuGrave{registry, "lblPiùGrave", K::Label};
    Control lblPiuAcuta{registry, "lblPiùAcuta", K::Label};
    Control lblEstensioneIntervallo{registry, "lblEstensioneIntervallo", K::Label};
    ControlArray lblRigoEstensione{registry, "lblRigoEstensione", K::Label, 1, 5};  // staff lines

    // --- accidentals choice (panel 3) ---
    ControlArray lblClickAlterazioni{registry, "lblClickAlterazioni", K::Label, 1, 5};
    ControlArray ImgSceltaAlterazioni{registry, "ImgSceltaAlterazioni", K::Image, 1, 5};
    ControlArray lblSceltaAlterazioni{registry, "lblSceltaAlterazioni", K::Label, 1, 5};

    // --- results (panel 4) ---
    ControlArray lblGraduatoria{registry, "lblGraduatoria", K::Label, 0, 13};
    ControlArray lblNomeGiocatore{registry, "lblNomeGiocatore", K::Label, 0, 13};
    ControlArray lblNumeroNote{registry, "lblNumeroNote", K::Label, 0, 13};
    ControlArray lblNumeroErrori{registry, "lblNumeroErrori", K::Label, 0, 13};
    ControlArray lblMediaSec{registry, "lblMediaSec", K::Label, 0, 13};
    ControlArray lblData{registry, "lblData", K::Label, 0, 13};
    Control lblNomeRecord{registry, "lblNomeRecord", K::Label};
    Control lblTempoRecord{registry, "lblTempoRecord", K::Label};
    Control lblDataRecord{registry, "lblDataRecord", K::Label};
    ControlArray ShpIstogramma{registry, "ShpIstogramma", K::Shape, 0, 20};
    ControlArray ShpErrori{registry, "ShpErrori", K::Shape, 1, 20};
    ControlArray lblPassaMouse{registry, "lblPassaMouse", K::Label, 1, 20};
    Control ShpFasciaRecord{registry, "ShpFasciaRecord", K::Shape};    // record band (blinks)
    ControlArray ShpColonna{registry, "ShpColonna", K::Shape, 1, 20};  // column fills
    ControlArray lblTitoliClassifica{registry, "lblTitoliClassifica", K::Label, 0, 7};
    ControlArray lblScalaSecondi{registry, "lblScalaSecondi", K::Label, 1, 5};
    ControlArray lblScalaErrori{registry, "lblScalaErrori", K::Label, 1, 6};
    // History slots 1..20: the texts behind the bars (they stand on the print page).
    ControlArray lblNomeGiocatore2{registry, "lblNomeGiocatore2", K::Label, 1, 20};
    ControlArray lblNumeroNote2{registry, "lblNumeroNote2", K::Label, 1, 20};
    ControlArray lblNumeroErrori2{registry, "lblNumeroErrori2", K::Label, 1, 20};
    ControlArray lblMediaSec2{registry, "lblMediaSec2", K::Label, 1, 20};
    ControlArray lblData2{registry, "lblData2", K::Label, 1, 20};

    // --- clef table (panel 6) ---
    Control ImgTavola{registry, "ImgTavola", K::Image};
    Control ImgChiaveTavola{registry, "ImgChiaveTavola", K::Image};
    ControlArray LinTavola{registry, "LinTavola", K::Line, 1,
                           7};  // staff lines 1..5, end lines 6..7
    ControlArray lblNoteTavola{registry, "lblNoteTavola", K::Label, 0, 38};
    ControlArray lblPulsanteChiave{registry, "lblPulsanteChiave", K::Label, 1, 7};
    Control lblTonoChiave2{registry, "lblTonoChiave2", K::Label};

    // --- help (panel 8) ---
    Control lstGuida{registry, "lstGuida", K::ListBox};
    Control TxtGuida{registry, "TxtGuida", K::TextBox};

    // --- print: the page, as large as the window and hidden, holds the history slots too ---
    Control FraStampa{registry, "FraStampa", K::Frame};
    Control lblDataStampa{registry, "lblDataStampa", K::Label};                  // date line
    Control lblNomeImpostazioneSt{registry, "lblNomeImpostazioneSt", K::Label};  // 'profile'
    ControlArray lblOpzioniSt{registry, "lblOpzioniSt", K::Label, 0, 10};        // as lblOpzioni
    ControlArray lblVoceOpzioniSt{registry, "lblVoceOpzioniSt", K::Label, 0, 10};
    // 0 "Classifica", 1…5 its headers, 6 the histograms' heading, 7…11 its headers.
    ControlArray lblTitoliSt{registry, "lblTitoliSt", K::Label, 0, 11};
    ControlArray lblGraduatoriaSt{registry, "lblGraduatoriaSt", K::Label, 1, 12};
    ControlArray lblNomeGiocatoreSt{registry, "lblNomeGiocatoreSt", K::Label, 1, 12};
    ControlArray lblNumeroNoteSt{registry, "lblNumeroNoteSt", K::Label, 1, 12};
    ControlArray lblNumeroErroriSt{registry, "lblNumeroErroriSt", K::Label, 1, 12};
    ControlArray lblMediaSecSt{registry, "lblMediaSecSt", K::Label, 1, 12};
    ControlArray lblDataSt{registry, "lblDataSt", K::Label, 1, 12};
    // 0 "Record assoluto:", 1 name, 2 time with its unit, 3 date.
    ControlArray lblRecordSt{registry, "lblRecordSt", K::Label, 0, 3};
    ControlArray lblNumeroIstoSt{registry, "lblNumeroIstoSt", K::Label, 1, 20};
    ControlArray LinStampa{registry, "LinStampa", K::Line, 1, 2};  // rules under the headers

    // --- print: the confirmation panel, "Stampa", "Annulla" and "PDF" over their squares ---
    Control fraPreparaStampa{registry, "fraPreparaStampa", K::Frame};
    Control lblPreparaStampa{registry, "lblPreparaStampa", K::Label};
    ControlArray lblSfondoStampaPronta{registry, "lblSfondoStampaPronta", K::Label, 0, 2};
    ControlArray lblStampaPronta{registry, "lblStampaPronta", K::Label, 0, 2};

    // --- timers (all disabled at start) ---
    Timer TmrStoScrivendo{registry, "TmrStoScrivendo", 50};
    Timer TmrCountDown{registry, "TmrCountDown", 900};
    Timer TmrTempo{registry, "TmrTempo", 100};
    Timer TmrCommentoDopo{registry, "TmrCommentoDopo", 500};
    Timer TmrLampeggiaRecord{registry, "TmrLampeggiaRecord", 250};
    Timer TmrVisualizzaNota{registry, "TmrVisualizzaNota", 50};
    Timer TmrGraveGiu{registry, "TmrGraveGiù", 100};
    Timer TmrGraveSu{registry, "TmrGraveSu", 100};
    Timer TmrAcutaGiu{registry, "TmrAcutaGiù", 100};
    Timer TmrAcutaSu{registry, "TmrAcutaSu", 100};
    Timer TmrIndietro{registry, "TmrIndietro", 150};
    Timer TmrAvanti{registry, "TmrAvanti", 150};
    Timer TmrScaricaSplash{registry, "TmrScaricaSplash", 1000};
    Timer TmrEsci{registry, "TmrEsci", 1500};
    Timer TmrMessaggioMidi{registry, "TmrMessaggioMidi", 3000};
};

struct SplashWindow {
    SplashWindow() = default;
    SplashWindow(const SplashWindow&) = delete;
    SplashWindow& operator=(const SplashWindow&) = delete;

    ControlRegistry registry;
    Control frmSplashVelondo7{registry, "frmSplashVelondo7", K::Window};
    Control ImgScreen{registry, "ImgScreen", K::Image};
    ControlArray lblSplash{registry, "lblSplash", K::Label, 0, 3};
    Timer TmrVia{registry, "TmrVia", 2000};
};

}  // namespace velondo
