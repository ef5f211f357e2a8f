#include "ui/help.h"

#include <array>

#include "sound/sound.h"

namespace velondo::ui {

namespace {

constexpr int kHeading = 62;      // lblSpiegazione(62)
constexpr int kInstruction = 65;  // lblSpiegazione(65)

constexpr std::array<HelpTopic, 11> kTopics = {{
    {"RIQUADRO OPZIONI",
     "Il riquadro delle Opzioni è situato in alto a destra e si compone di vari pulsanti che "
     "permettono di personalizzare il Programma 'su misura' dei propri gusti e delle proprie "
     "esigenze di studio."},
    {"   1a Fila di pulsanti (in alto)",
     "Da sinistra a destra.\n"
     "Linea di riferimento nel pentagramma: colora la linea su cui è posta la chiave e scrive "
     "il nome della sua nota.\n"
     "Linea di riferimento nella tastiera: segna sulla tastiera il tasto della nota della "
     "chiave.\n"
     "Stanghette di misura: mostra le stanghette tra le note del pentagramma.\n"
     "Indicatori di posizione: mostra sotto ogni nota una casella con il numero delle note "
     "ancora da leggere e, dopo la risposta giusta, il nome della nota.\n"
     "SA (Salva impostazioni in automatico): dopo ogni prova l'impostazione salvata viene "
     "riscritta senza domande.\n"
     "ScN (Salva impostazioni con nome): prima che risultati non salvati vadano persi, Velondo "
     "chiede se salvarli.\n"
     "Stampante: stampa classifica, record e dati degli istogrammi.\n"
     "Note (a destra): apre il Pannello di riepilogo con il nome delle note in ogni chiave."},
    {"   2a Fila di pulsanti (al centro)",
     "Da sinistra a destra.\n"
     "Simulazione movimento tasti: il tasto premuto si abbassa come quello di un pianoforte.\n"
     "Tasti evidenziati solo in pressione: il tasto diventa verde finché resta premuto.\n"
     "Tasti evidenziati anche nel rilascio: l'ultimo tasto premuto resta verde finché non ne "
     "premi un altro. Dei due pulsanti di evidenziazione se ne può accendere uno solo.\n"
     "Ombreggia tasti e nomi non utilizzati: scurisce i tasti fuori dall'estensione "
     "dell'esercizio e ne nasconde i nomi.\n"
     "Rumori del programma: clic dei pulsanti, conto alla rovescia, suoni di inizio e fine "
     "prova e commenti.\n"
     "Suoni della tastiera: il suono di pianoforte di ogni tasto premuto.\n"
     "Voce che segnala l'errore: una voce avverte quando premi il tasto sbagliato.\n"
     "Dati (a destra): apre il pannello con classifica, record e istogrammi."},
    {"   3a Fila di pulsanti (in basso)",
     "Da sinistra a destra.\n"
     "N: mostra sulla tastiera i nomi delle note naturali.\n"
     "#, b, x, bb: mostrano i nomi delle note con diesis, bemolli, doppi diesis e doppi "
     "bemolli.\n"
     "Sel: mostra solo i nomi delle note scelte per l'esercizio.\n"
     "Tut: mostra tutti i nomi delle note.\n"
     "Help (a destra): apre e chiude questo pannello.\n"
     "Esci (a destra): chiude Velondo dopo una domanda di conferma."},
    {"PANNELLO PRINCIPALE",
     "Esercitati con l'impostazione corrente: ripropone l'esercizio descritto nel riquadro in "
     "alto a sinistra.\n"
     "Crea una nuova impostazione: scegli la chiave, l'estensione, le alterazioni e il numero "
     "di note; Velondo dà un nome alla nuova impostazione (per esempio 00012 - Violino).\n"
     "Carica un'impostazione già salvata: apre un'impostazione della cartella Impostazioni con "
     "la sua classifica e i suoi istogrammi."},
    {"SVOLGIMENTO DELLA PROVA",
     "Scrivi il tuo nome e premi INVIO. Dopo il conto alla rovescia 3-2-1 parte il tempo: per "
     "ogni nota evidenziata in verde clicca il tasto corrispondente del pianoforte virtuale. "
     "Vale qualunque tasto che suona la nota giusta, comunque sia scritta. Un tasto sbagliato "
     "conta come errore e la nota resta evidenziata.\n"
     "Il tempo si misura in decimi di secondo dalla fine del conto alla rovescia all'ultima "
     "nota giusta; il risultato della prova è il tempo medio per nota."},
    {"CLASSIFICA",
     "La classifica tiene le 12 prove migliori dell'impostazione. Conta prima il numero di note "
     "(più note è meglio), poi gli errori (meno è meglio), poi il tempo medio per nota (meno è "
     "meglio); a parità completa la prova nuova va sopra quella più vecchia. La prova appena "
     "svolta è scritta in rosso."},
    {"RECORD",
     "Il record assoluto è il tempo medio per nota più basso ottenuto con l'impostazione, "
     "qualunque sia il numero di note o di errori. Per batterlo serve un tempo minore (un tempo "
     "uguale non basta): allora la riga del record lampeggia."},
    {"ISTOGRAMMI",
     "Gli istogrammi mostrano le ultime 20 prove: la colonna verde è il tempo medio per nota "
     "(piena a 6 secondi), la barra rossa il numero degli errori. Passa con il mouse su una "
     "colonna per leggere i dati di quella prova nella riga sotto gli istogrammi."},
    {"SALVATAGGIO (SA e ScN)",
     "Con 'SA' (Salva impostazioni in automatico) l'impostazione salvata in uso viene riscritta "
     "dopo ogni prova, senza domande.\n"
     "Con 'ScN' (Salva impostazioni con nome) Velondo chiede se salvare prima che risultati non "
     "ancora salvati vadano persi: quando crei o carichi un'altra impostazione e quando esci.\n"
     "Si può scegliere uno solo dei due modi."},
    {"PANNELLO DI RIEPILOGO NOTE",
     "Il pulsante 'Note' apre una tavola con il nome della nota su ogni linea e ogni spazio del "
     "pentagramma, tagli addizionali compresi, nella chiave dell'esercizio. I sette pulsanti in "
     "basso cambiano la chiave della tavola senza cambiare quella dell'esercizio. Con la linea "
     "di riferimento nel pentagramma accesa, la linea della chiave è colorata."},
}};

}  // namespace

const HelpTopic* HelpTopics(size_t* count) {
    *count = kTopics.size();
    return kTopics.data();
}

void FillHelpList(Program& p) {
    Control& list = p.main.lstGuida;
    if (!list.items.empty()) return;  // filled once
    for (const HelpTopic& t : kTopics) list.items.emplace_back(t.title);
}

void ShowHelpTopic(Program& p) {
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Click);
    const Control& list = p.main.lstGuida;
    const int i = list.listIndex;
    const std::string item =
        i >= 0 && i < static_cast<int>(list.items.size()) ? list.items[static_cast<size_t>(i)] : "";
    if (item.empty()) {
        p.main.TxtGuida.text.clear();
        return;
    }
    for (const HelpTopic& t : kTopics)
        if (item == t.title) {
            p.main.TxtGuida.text = std::string(t.explanation);
            return;
        }
}

void DesignHelpPanel(Program& p) {
    MainWindow& m = p.main;
    Control& panel = m.panel(Panel::Help);
    Control& heading = m.lblSpiegazione[kHeading];
    heading.parent = &panel;
    heading.move(210, 420, 14610, 540);
    heading.caption = "Velondo HELP";
    heading.bold = heading.italic = true;
    heading.fontSize = 20.25;
    heading.align = Align::Center;
    heading.border = true;

    Control& list = m.lstGuida;
    list.parent = &panel;
    list.move(210, 1260, 7155, 3765);
    list.bold = true;
    list.fontSize = 12;

    Control& text = m.TxtGuida;
    text.parent = &panel;
    text.move(7665, 1260, 7155, 3795);  // tall: several lines, a scroll bar, read-only
    text.bold = true;
    text.fontSize = 12;
    text.text.clear();

    Control& instruction = m.lblSpiegazione[kInstruction];
    instruction.parent = &panel;
    instruction.move(210, 5460, 14610, 330);
    instruction.caption =
        "Per avere una spiegazione dei comandi e delle funzioni di VELONDO scorri l'elenco a "
        "sinistra cliccando poi sulla voce che ti interessa consultare.";
    instruction.bold = true;
    instruction.fontSize = 9.75;
    instruction.align = Align::Center;
    instruction.border = true;
}

void InstallHelpPanel(Program& p) {
    DesignHelpPanel(p);
    p.handlers.add("lstGuida", "Click", [](Program& prog, const Event&) { ShowHelpTopic(prog); });
}

}  // namespace velondo::ui
