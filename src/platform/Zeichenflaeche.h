#pragma once

#include <string>

namespace plattform {

// What the program draws with on a canvas. Drawing goes over what is there;
// only Loeschen clears the picture.
class Zeichenflaeche {
 public:
  virtual ~Zeichenflaeche() = default;
  virtual void SetzeFarbe(int rot, int gruen, int blau) = 0;
  virtual void SetzeStiftbreite(int breite) = 0;
  virtual void SetzeTextgroesse(int groesse) = 0;
  virtual void Linie(int x1, int y1, int x2, int y2) = 0;
  // Outline of the oval inside the box with its top left corner at (links, oben).
  virtual void Oval(int links, int oben, int breite, int hoehe) = 0;
  // The text's base line starts at (x, y).
  virtual void Text(const std::string& text, int x, int y) = 0;
  virtual void Loeschen() = 0;
};

}  // namespace plattform
