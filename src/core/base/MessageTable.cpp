#include "base/MessageTable.h"

namespace powerball {

const std::vector<std::string>& MessageTable::builtIn() {
    // Entries 13, 14, 15, 27, 44 and 70..79 are reserved; they keep their places so that the
    // indexes of the others stay fixed.
    static const std::vector<std::string> entries{
        "Soll die Analyse der Datenbank jetzt ab dem ",                                  // 0
        " durchgeführt werden??",                                                        // 1
        "aktuellen Tipps werden dabei gelöscht?",                                        // 2
        "Bei wievielen Zahlen Übereinstellung stoppen?",                                 // 3
        "Ziehungsergebnis vergleichen",                                                  // 4
        "Ein Treffer am  ",                                                              // 5
        " gefunden. Weiter?",                                                            // 6
        "Ziehung gefunden",                                                              // 7
        "Treffer von Ziehungen in der Datenbank",                                        // 8
        "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen",                       // 9
        "Welche Powerballzahl wurde am längsten nicht gezogen?",                         // 10
        "Zahlen für Tipp ",                                                              // 11
        "Zahlen für Berechnung wählen",                                                  // 12
        "",                                                                              // 13
        "",                                                                              // 14
        "",                                                                              // 15
        "Fehler bei Eingabe der ZufallsZahl",                                            // 16
        "Soll die Analyse der Einstellungen jetzt ab dem ",                              // 17
        " durchgeführt werden??",                                                        // 18
        "aktuellen Tipps werden dabei gelöscht?",                                        // 19
        "Ihre Glückszahl (1-99999999)?",                                                 // 20
        "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!",                       // 21
        "Glückszahl ",                                                                   // 22
        " gesetzt",                                                                      // 23
        "Aktuelle Einstellung brachten",                                                 // 24
        "Zahlenverteilung des Tippes",                                                   // 25
        "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?", // 26
        "",                                                                              // 27
        "Velmars Dediv-Tipp für ",                                                       // 28
        "Tipp",                                                                          // 29
        "Powerball",                                                                     // 30
        "Anzahl ohne",                                                                   // 31
        "Ziehungen",                                                                     // 32
        "mit je",                                                                        // 33
        "Reihen",                                                                        // 34
        "Berechnung der Paarbildung",                                                    // 35
        "Berechnung der Dreiergruppenbildung",                                           // 36
        "Berechnung der Vierergruppenbildung",                                           // 37
        "Berechnung der Zahlenverteilung",                                               // 38
        "Berechnung der aussehenden Zahlen",                                             // 39
        "Berechnung der Nachbarzahlen der letzten Ziehung",                              // 40
        "Beginn der Tippberechnung",                                                     // 41
        "Stoppen",                                                                       // 42
        "Quersumme",                                                                     // 43
        "",                                                                              // 44
        "Keine Gewähr für die Richtigkeit der Zahlen!",                                  // 45
        "Zahlenverteilung",                                                              // 46
        "Wie oft wurden die einzelnen Sternenzahlen gezogen?",                           // 47
        "Bei wievielen Zahlen Übereinstellung stoppen?",                                 // 48
        "Tipp-Test",                                                                     // 49
        "Ein Treffer gefunden am:",                                                      // 50
        "Weiter?",                                                                       // 51
        "Ziehung gefunden",                                                              // 52
        "Ziehungen",                                                                     // 53
        "Paare gefunden",                                                                // 54
        "Dreier gefunden",                                                               // 55
        "Quersummenverteilung",                                                          // 56
        "Vierer gefunden",                                                               // 57
        "Ändern Sie die Parameter um 12 Tipps zuberechnen",                              // 58
        "Tipps wurden neu berechnet",                                                    // 59
        "Zufall",                                                                        // 60
        "Stop",                                                                          // 61
        "Zum Vergleich: so viele Reihen brächten reine Zufallstipps (erwartet)",         // 62
        "Reihen mit mindestens 3 Richtigen: ",                                           // 63
        " erzielt, bei reinem Zufall erwartet: ",                                        // 64
        "Wahrscheinlichkeit, dass Zufallstipps mindestens so gut abschneiden: ",         // 65
        "Zum Vergleich: so oft wäre es bei zufälligen Ziehungen zu erwarten",            // 66
        "Angehalten nach der Ziehung vom ",                                              // 67
        "Schritt ",                                                                      // 68
        " von ",                                                                         // 69
        // What the filters cost, the line under the calculation pages and its tooltip.
        "Diese Filter lassen %1 aller Reihen zu und hätten %2 der %3 Ziehungen seit %4 "
        "zugelassen (%5)",     // 70
        "etwa %1 (%2 bis %3)", // 71
        "Diese Filter lassen %1 aller Reihen zu; seit %2 gibt es keine Ziehung, an der sie sich "
        "messen lassen", // 72
        "…",             // 73
        "Genau gezählt über alle %1 möglichen Reihen. Jede Ziehung ist so beurteilt, als wäre "
        "der Tipp am Tag davor berechnet worden.", // 74
        "Geschätzt aus %1 zufälligen Reihen; in Klammern der Bereich, in dem der Anteil mit "
        "95 % Sicherheit liegt. Jede Ziehung ist so beurteilt, als wäre der Tipp am Tag davor "
        "berechnet worden.",                                                         // 75
        "Was die Filter kosten, lässt sich nicht berechnen: %1",                     // 76
        "",                                                                          // 77
        "",                                                                          // 78
        "",                                                                          // 79
        "Gewinnklasse: ",                                                            // 80
        "Gewinn: ",                                                                  // 81
        "mit Power Play: ",                                                          // 82
        "Chance: 1 zu ",                                                             // 83
        "Jackpot",                                                                   // 84
        "keine Gewinnklasse",                                                        // 85
        "Gewinnplan erst ab dem 07.10.2015 bekannt",                                 // 86
        "Gewinn des Tipps: ",                                                        // 87
        "Ziehungen seit 07.10.2015: ",                                               // 88
        ", Einsatz ",                                                                // 89
        ", gewonnen ",                                                               // 90
        ", Zufallsreihen erwartet (ohne Jackpot) ",                                  // 91
        "Mit Power Play ($1 mehr je Reihe): Einsatz ",                               // 92
        "Ziehungen importieren",                                                     // 93
        "Ziehungen (*.csv)",                                                         // 94
        " neue Ziehungen, ",                                                         // 95
        " geänderte, ",                                                              // 96
        " unverändert",                                                              // 97
        "Die geänderten Ziehungen ersetzen die gespeicherten.",                      // 98
        "Jetzt importieren?",                                                        // 99
        "Übersprungene Zeilen:",                                                     // 100
        "Zeile ",                                                                    // 101
        "Die Datei ändert keine Ziehung.",                                           // 102
        "erwartet werden ein Datum und sieben Zahlen, nicht %1",                     // 103
        "erwartet werden ein Datum, sechs Zahlen und ein Multiplikator, nicht %1",   // 104
        "%1 ist kein Datum der Form jjjj-mm-tt",                                     // 105
        "%1 ist kein Datum der Form mm/tt/jjjj",                                     // 106
        "%1 ist keine Zahl von 0 bis 255",                                           // 107
        "%1 sind nicht sechs Zahlen von 0 bis 255",                                  // 108
        "%1 ist kein Multiplikator von 0 bis 255",                                   // 109
        "%1 ist keine gültige Ziehung",                                              // 110
        "%1 ist keine Textdatei; die Tipps bleiben, wie sie waren.",                 // 111
        "%1 enthält keine Tippzeile; die Tipps bleiben, wie sie waren.",             // 112
        "%1: nur die ersten 12 Zeilen geladen, %2 weitere nicht.",                   // 113
        "%1 ist größer als %2 Bytes; nur der Anfang wurde gelesen.",                 // 114
        "Das Klickprogramm %1 konnte nicht gestartet werden: %2",                    // 115
        "%1 enthält ein NUL-Zeichen; das Klickprogramm startet nicht.",              // 116
        "letzte Zeile %1 ohne Zeilenende, die Datei wurde beim Lesen geschrieben",   // 117
        "%1 ist kein Ziehungstag (Mittwoch und Samstag, ab 23.08.2021 auch Montag)", // 118
        "%1 liegt nach dem heutigen Tag",                                            // 119
        "%1 steht zweimal mit verschiedenen Zahlen in der Datei",                    // 120
        "Ergebnisdatei: %1 Bytes empfangen",                                         // 121
        "%1 neue Ziehungen",                                                         // 122
        "Keine neuen Ziehungen: die Ergebnisdatei ist unverändert",                  // 123
        "Diese gespeicherten Ziehungen weichen von der Ergebnisdatei ab und wurden nicht ersetzt: "
        "%1. Mit „Importieren…“ lassen sie sich ersetzen.",                              // 124
        "Die Ergebnisdatei kann nicht geladen werden: %1. Es wurde nichts gespeichert.", // 125
        "Die Ergebnisdatei ist größer als %1 MiB; es wurde nichts gespeichert.",         // 126
        "Die Antwort ist keine öffentliche Ergebnisdatei (die Kopfzeile „Draw Date,Winning "
        "Numbers,Multiplier“ fehlt); es wurde nichts gespeichert.",       // 127
        "Laden der Ergebnisdatei gestoppt; es wurde nichts gespeichert.", // 128
        "Die Ergebnisdatei kam nicht innerhalb von %1 Sekunden; es wurde nichts gespeichert.", // 129
        // A row that is no tip, the undo of the draw maintenance, the import's count, the
        // draw analysis without a later draw and the chart's legend (130..145).
        "doppelt",                                                               // 130
        "ungültig",                                                              // 131
        "Die Zahl %1 steht zweimal in der Reihe",                                // 132
        "%1 ist keine Zahl von %2 bis %3",                                       // 133
        "Tipp %1 ist kein gültiger Tipp: %2. Bitte korrigieren Sie ihn zuerst.", // 134
        "Rückgängig",                                                            // 135
        "Rückgängig: Löschen der Ziehung vom %1",                                // 136
        "Rückgängig: Eingabe der Ziehung vom %1",                                // 137
        "Ziehung vom %1 gelöscht – Strg+Z stellt sie wieder her",                // 138
        "Ziehung vom %1 gespeichert – Strg+Z nimmt die Eingabe zurück",          // 139
        "Ziehung vom %1 wiederhergestellt",                                      // 140
        "Eingabe der Ziehung vom %1 zurückgenommen",                             // 141
        "%1 Ziehungen importiert",                                               // 142
        "Nach der Ziehung vom %1 gibt es keine weitere Ziehung: es gibt nichts zu vergleichen.", // 143
        "rot: Primzahlen",                  // 144
        "grün: übrige Zahlen",              // 145
        "%1 Reihen, mindestens %2 möglich", // 146
        "%1 Reihen",                        // 147
        "Kosten: %1, mit Power Play %2",    // 148
        "Garantie geprüft: %1 Richtige, wenn %2 der 5 gezogenen weißen Zahlen unter Ihren %3 "
        "Zahlen sind – jeder Fall ist nachgerechnet. Der Powerball gehört nicht zur Garantie.", // 149
        "Suche läuft – bestes Rad bisher: %1 Reihen",                                  // 150
        "Gestoppt: das beste bis dahin geprüfte Rad",                                  // 151
        "%1 Richtige, wenn %2 meiner Zahlen gezogen werden",                           // 152
        "volles Rad (alle Reihen aus fünf Zahlen)",                                    // 153
        "Ein Rad braucht 6 bis 40 verschiedene Zahlen von 1 bis 69; gewählt sind %1.", // 154
        "Die Zahl %1 ist doppelt gewählt.",                                            // 155
        "Gegen die Ziehung vom %1: gewonnen %2, mit Power Play %3",                    // 156
        "Gegen die Ziehung vom %1 (Gewinnbeträge gibt es erst ab dem 7.10.2015)",      // 157
        "Treffer",                                                                     // 158
        "Gewinnklasse",                                                                // 159
        "Reihen %1 bis %2 von %3 stehen im Tippschein.",                               // 160
        "%1 Tippdateien gespeichert: %2",                                              // 161
        "Gespeichert: %1",                                                             // 162
        "Velmars Rad mit %1 Reihen für ",                                              // 163
        "Für den %1 ist keine Ziehung gespeichert.",                                   // 164
        "Tipp speichern",                                                              // 165
        "Tipp laden",                                                                  // 166
        "Tippdatei (*.vlt)",                                                           // 167
        "Drucken",                                                                     // 168
        "Klickmeister jetzt installieren?",                                            // 169
        "Velmars Klickmeister installieren?",                                          // 170
        "Lesen Sie zuerst die Daten der Ziehungen ein",                                // 171
        "Die Einstellungen konnten nicht gespeichert werden: ",                        // 172
        "Ziehungen: %1mit je %2Tipp => %3 Reihen",                                     // 173
        "Ziehungen…",                                                                  // 174
        "Alle gespeicherten Ziehungen in einer Tabelle: sortieren, filtern, anzeigen, löschen", // 175
        "Ziehungen",                                                                      // 176
        "Datum",                                                                          // 177
        "Tag",                                                                            // 178
        "Powerball",                                                                      // 179
        "Power Play",                                                                     // 180
        "Quersumme",                                                                      // 181
        "Filter: Jahr oder Zahl, z. B. 2024 7",                                           // 182
        "%1 von %2 Ziehungen",                                                            // 183
        "Löschen",                                                                        // 184
        "Doppelklick zeigt die Ziehung überall, Entf löscht sie, Strg+Z nimmt es zurück", // 185
        "Schließen",                                                                      // 186
        "Die Ziehungsdaten enden am %1 – %2 Ziehungen fehlen.",                           // 187
        "Die Ziehungsdaten sind aktuell (neueste Ziehung vom %1).",                       // 188
        "Version %1",                                                                     // 189
        "Programmordner: %1",                                                             // 190
        "Gespeicherte Ziehungen: %1, die neueste vom %2",                                 // 191
        "Keine Ziehungen gespeichert",                                                    // 192
        "Einstellungsdatei: %1",                                                          // 193
        "Die Einstellungen werden nicht gespeichert.",                                    // 194
        "© 2026 Velmar. Alle Rechte vorbehalten. Installieren und Nutzen ist erlaubt; Verkauf und "
        "Änderung nur mit schriftlicher Genehmigung von Velmar.",                        // 195
        "Taste",                                                                         // 196
        "Befehl",                                                                        // 197
        "Laufende Berechnung, Analyse oder Aktualisierung anhalten",                     // 198
        "Kein Programm zum Öffnen von %1 gefunden. Der Inhalt steht in diesem Fenster.", // 199
        "%1 konnte nicht gespeichert werden: %2",                                        // 200
        "Textdateien (*.txt *.rtf);;Alle Dateien (*)",                                   // 201
        "Das Handbuch wurde nicht gefunden: %1",                                         // 202
        "Zahlen",                                                                        // 203
        "Powerball",                                                                     // 204
        // The command line's own texts.
        "Gewählter Tag: %1",           // 205
        "Ziehung %1: %2",              // 206
        "%1. Tipp",                    // 207
        "Treffer: %1",                 // 208
        "Quersumme: %1",               // 209
        "(gesperrt)",                  // 210
        "Abgespielte Klänge: %1",      // 211
        "Status: %1",                  // 212
        "Berechnungsläufe: %1 von %2", // 213
        "Tipps geladen aus %1",        // 214
        "Schein gespeichert in %1",    // 215
        "Keine ausgefüllten Tipps",    // 216
        // The command line's summaries, its analyses and charts, and the files it wrote.
        "Ziehungen in %1: %2", // 217
        "Ergebnisdatei – neue Ziehungen: %1, geänderte (behalten): %2, unveränderte: %3, "
        "übersprungene Zeilen: %4",                      // 218
        "Abgefragte Tage: %1, angefügte Ziehungen: %2",  // 219
        "Nachricht des Servers: %1",                     // 220
        "Treffer für einen Fund: %1",                    // 221
        "Treffer am %1, %2. Tipp: %3",                   // 222
        "Die Suche hat den gewählten Tag erreicht.",     // 223
        "Die Suche hat beim ersten Treffer angehalten.", // 224
        "Bericht geschrieben in %1",                     // 225
        "Bericht kopiert nach %1",                       // 226
        "Die Analyse endete beim ersten Fund (die Ziehung vom %1 gegen die vom %2, Treffer: %3); "
        "es wurde kein Bericht geschrieben.",     // 227
        "Überschrift: %1",                        // 228
        "Werteachse: automatisch %1..%2",         // 229
        "Werteachse: fest %1..%2",                // 230
        "%1 – abgelehnte Ziehungen: %2",          // 231
        "Ziehung vom %1 gespeichert",             // 232
        "Ziehung vom %1 entfernt (Einträge: %2)", // 233
        "Einstellungen gespeichert in %1",        // 234
        "Tipps gespeichert in %1",                // 235
        "Tippliste geschrieben in %1",            // 236
        "Übergabedatei: %1",                      // 237
        "Klickskript: %1",                        // 238
        "(vom Server aktualisiert)",              // 239
        "Ausgefülltes Skript: %1",                // 240
        "Argumente:",                             // 241
        "Gestartet: %1",                          // 242
        "(fehlt)",                                // 243
        "Angezeigte Ziehung: %1",                 // 244
        "Nein",                                   // 245
        // The command line's failures.
        "%1 enthält keine Ziehungen: es wurde nichts gespeichert",                         // 246
        "Kein Klickprogramm: der Wert %1 unter %2 ist leer",                               // 247
        "Das Klickprogramm „%1“ ist %2, kein Programm (sein Ordner steht in %3 unter %4)", // 248
        "Das Klickprogramm „%1“ fehlt (sein Ordner steht in %2 unter %3)",                 // 249
        "Kein Klickskript: geben Sie --script DATEI an oder legen Sie eine .%1-Datei in „%2“ ab", // 250
        "Das Klickskript „%1“ ist %2, keine Datei",             // 251
        "Das Klickskript „%1“ fehlt",                           // 252
        "Es wurde kein Klickskript gewählt",                    // 253
        "Die Analyse der Einstellungen wurde nicht ausgeführt", // 254
        "Die Analyse der Ziehungen wurde nicht ausgeführt",     // 255
        "mehr als sieben Felder",                               // 256
        "höchstens %1-mal --row",                               // 257
        "%1: der früheste wählbare Tag ist der %2",             // 258
        "%1: vor dem %2 ist keine Ziehung gespeichert",         // 259
        "ein Ordner",                                           // 260
        "eine FIFO (benannte Pipe)",                            // 261
        "ein Gerät",                                            // 262
        "ein Socket",                                           // 263
        "keine reguläre Datei",                                 // 264
    };
    return entries;
}

std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < arguments.size())
                text += arguments[index];
            ++i;
            continue;
        }
        text += c;
    }
    return text;
}

MessageTable::MessageTable() : m_entries(builtIn()) {}

const std::string& MessageTable::text(int index) const {
    static const std::string empty;
    if (index < 0 || index >= size())
        return empty;
    return m_entries[static_cast<std::size_t>(index)];
}

void MessageTable::replaceAll(std::vector<std::string> lines) {
    m_entries = std::move(lines);
}

} // namespace powerball
