#pragma once

// The controls of the main window, one row each (see PLATTFORM_ZEILE), in
// the order they are made.
#define FIGURAT_HAUPTF_ELEMENTE(X)                                                                                     \
  X(EditFeld, GnameF, 22, 10, 69, 51,                                                                                  \
      {.hintergrund = Farbe{218, 255, 8}, .schriftgroesse = 24, .fett = true, .ausrichtung = Ausrichtung::Mitte},      \
      {Bind("KeyDown", &HauptF::GnameF_KeyDown)})                                                                      \
  X(EditFeld, aF, 415, 9, 80, 22, {.versteckt = true})                                                                 \
  X(EditFeld, bF, 543, 9, 80, 22, {.versteckt = true})                                                                 \
  X(EditFeld, cF, 667, 9, 80, 22, {.versteckt = true})                                                                 \
  X(EditFeld, dF, 794, 9, 80, 22, {.versteckt = true})                                                                 \
  X(BevelButton, TuEsButton, 895, 10, 83, 75,                                                                          \
      {.text = "Ausführen", .kante = Bevel::Abgerundet, .nimmtFokus = true},                                           \
      {Bind("Action", &HauptF::TuEsButton_Action)})                                                                    \
  X(StatischerText, aT, 114, 11, 300, 20, {.ausrichtung = Ausrichtung::Mitte})                                         \
  X(StatischerText, bT, 501, 11, 43, 20, {.ausrichtung = Ausrichtung::Links})                                          \
  X(StatischerText, cT, 629, 11, 36, 20, {.ausrichtung = Ausrichtung::Links})                                          \
  X(StatischerText, dT, 753, 11, 41, 20, {.ausrichtung = Ausrichtung::Links})                                          \
  X(ListBox, G1ListB, 415, 0, 54, 85)                                                                                  \
  X(StatischerText, durch2T, 467, 32, 156, 20, {.ausrichtung = Ausrichtung::Mitte})                                    \
  X(ListBox, G2ListB, 626, 0, 59, 85, {}, {Bind("Change", &HauptF::G2ListB_Change)})                                   \
  X(StatischerText, undT, 729, 32, 48, 20, {.ausrichtung = Ausrichtung::Mitte})                                        \
  X(ListBox, G3ListB, 818, 0, 56, 85)                                                                                  \
  X(Separator, Separator2, 8, 85, 978, 14)                                                                             \
  X(StatischerText, StaticText3, 780, 119, 186, 20, {.text = "Figurat-Liste", .ausrichtung = Ausrichtung::Mitte})      \
  X(Separator, Separator3, 8, 376, 772, 14)                                                                            \
  X(StatischerText, ProtokollT, 255, 406, 134, 20,                                                                     \
      {.text = "Anweisungs-Liste", .ausrichtung = Ausrichtung::Mitte})                                                 \
  X(ListBox, FiguratLB, 789, 144, 186, 371, {.zeilenZiehbar = true},                                                   \
      {Bind("DoubleClick", &HauptF::FiguratLB_DoubleClick), Bind("DragRow", &HauptF::FiguratLB_DragRow)})              \
  X(StatischerText, BeschreibungT, 3, 117, 126, 20, {.text = "Beschreibungen", .ausrichtung = Ausrichtung::Mitte})     \
  X(EditFeld, InfoF, 13, 144, 754, 233,                                                                                \
      {.hintergrund = Farbe{255, 247, 192}, .nurLesen = true, .mehrzeilig = true})                                     \
  X(BevelButton, BevelButton1, 526, 106, 221, 33,                                                                      \
      {.text = "Alle Beschreibungen Löschen", .kante = Bevel::Abgerundet},                                             \
      {Bind("Action", &HauptF::BevelButton1_Action)})                                                                  \
  X(ListBox, ProtokollBox, 255, 429, 513, 184, {.zeilenZiehbar = true},                                                \
      {Bind("DoubleClick", &HauptF::ProtokollBox_DoubleClick), Bind("DragRow", &HauptF::ProtokollBox_DragRow)})        \
  X(BevelButton, KillLastOrder3, 531, 389, 220, 37,                                                                    \
      {.text = "Letzte Anweisung Löschen", .kante = Bevel::Abgerundet},                                                \
      {Bind("Action", &HauptF::KillLastOrder3_Action)})                                                                \
  X(BevelButton, Beschr2ClipbB, 134, 106, 113, 33, {.text = "--> Clipboard", .kante = Bevel::Abgerundet},              \
      {Bind("Action", &HauptF::Beschr2ClipbB_Action)})                                                                 \
  X(BevelButton, BefListe2ClipbB1, 406, 389, 113, 37, {.text = "--> Clipboard", .kante = Bevel::Abgerundet},           \
      {Bind("Action", &HauptF::BefListe2ClipbB1_Action)})                                                              \
  X(EditFeld, GradF, 626, 32, 68, 22, {.versteckt = true})                                                             \
  X(EditFeld, LoeschF, 789, 519, 89, 62, {.hintergrund = Farbe{255, 8, 29}, .ausrichtung = Ausrichtung::Mitte},        \
      {Bind("MouseExit", &HauptF::LoeschF_MouseExit), Bind("KeyDown", &HauptF::LoeschF_KeyDown)})                      \
  X(PopupMenu, PopupMenu1, 789, 97, 186, 22,                                                                           \
      {.eintraege = {"Nachkommastellen", "1 Dezimale", "2 Dezimalen", "3 Dezimalen", "4 Dezimalen",                    \
       "5 Dezimalen", "6 Dezimalen"}},                                                                                 \
      {Bind("Change", &HauptF::PopupMenu1_Change)})                                                                    \
  X(StatischerText, EingabeText, 95, 32, 308, 20, {.ausrichtung = Ausrichtung::Mitte})                                 \
  X(StatischerText, StaticText1, 789, 586, 89, 18, {.text = "Löschen", .ausrichtung = Ausrichtung::Mitte})             \
  X(StatischerText, ProtoInfoT, 250, 112, 276, 20,                                                                     \
      {.text = "Beschreibungsfenster aktiv", .schriftgroesse = 16, .ausrichtung = Ausrichtung::Mitte})                 \
  X(BevelButton, SprachInfoB, 13, 578, 218, 35,                                                                        \
      {.text = "", .schriftgroesse = 12, .kante = Bevel::Normal, .bild = true},                                        \
      {Bind("Action", &HauptF::SprachInfoB_Action)})                                                                   \
  X(EditFeld, HinweisF, 13, 431, 223, 61, {.mehrzeilig = true})                                                        \
  X(StatischerText, ProtokollT1, 22, 406, 221, 20, {.text = "Hinweis-Eingabe", .ausrichtung = Ausrichtung::Links})     \
  X(EditFeld, LastInfoF, 13, 494, 223, 72, {.text = "\r", .nurLesen = true, .mehrzeilig = true})                       \
  X(EditFeld, SammelF, 886, 519, 89, 62, {.hintergrund = Farbe{209, 255, 201}, .ausrichtung = Ausrichtung::Mitte},     \
      {Bind("MouseExit", &HauptF::SammelF_MouseExit), Bind("KeyDown", &HauptF::SammelF_KeyDown)})                      \
  X(StatischerText, StaticText2, 886, 586, 89, 18, {.text = "Sammeln", .ausrichtung = Ausrichtung::Mitte})             \
  X(StatischerText, StaticText4, 13, 65, 90, 20, {.text = "Figuratname", .ausrichtung = Ausrichtung::Links})
