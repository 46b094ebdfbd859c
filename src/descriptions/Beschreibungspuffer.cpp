// The description buffer: texts newest first, shown in the descriptions field.

#include "platform/Steuerelement.h"
#include "ui/HauptF.h"

void HauptF::InsInfofenster(const std::string& text) { InfoFenster.VorneAnfuegen(CR + text + CR); }

void HauptF::InfoAktualisieren() {
  // With description mode off the field keeps what it shows, unless the buffer was emptied.
  if (ProtokollAn || InfoFenster.empty()) Element<plattform::EditFeld>("InfoF").SetzeText(InfoFenster.Text());
}
