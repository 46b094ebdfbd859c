// The description buffer: texts newest first, shown in the descriptions field.

#include "descriptions/Beschreibungsteil.h"
#include "platform/Steuerelement.h"

void Beschreibungsteil::InsInfofenster(const std::string& text) { InfoFenster.VorneAnfuegen({CR, text, CR}); }

void Beschreibungsteil::InfoAktualisieren() {
  // With description mode off the field keeps what it shows, unless the buffer was emptied.
  if (!ProtokollAn && !InfoFenster.empty()) return;
  // A run of the command list puts thousands of texts in front; the field
  // shows the text once, when the run ends.
  if (Befehlslauf.Aufschieben("InfoF", 1, [this] { InfoAktualisieren(); })) return;
  InfoF().SetzeText(InfoFenster.Ansicht());
}
