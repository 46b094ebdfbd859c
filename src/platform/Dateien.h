#pragma once

#include <cstddef>
#include <string>

namespace plattform {

// Whole text files on disk. A file is written beside its target and put in
// its place only when it is complete, so a failed write leaves the old file as
// it was; a file is read only up to a size limit, so that an endless one (a
// device, a pipe) cannot fill the memory. A test puts in a service of its own
// to make writes fail part-way or to lower the limit.
class Dateien {
 public:
  static constexpr std::size_t Standardgrenze = std::size_t{256} << 20;
  explicit Dateien(std::size_t hoechstgroesse = Standardgrenze) : hoechstgroesse_(hoechstgroesse) {}
  virtual ~Dateien() = default;

  enum class Lesen { Gelesen, Unlesbar, ZuGross };
  // The whole file into text, which is changed only when it was read.
  Lesen Lese(const std::string& pfad, std::string& text) const;
  // False when the text could not be written whole; the old file then stays
  // exactly as it was. A link is followed: the file it names is replaced.
  bool Schreibe(const std::string& pfad, const std::string& text);
  // The largest file that is read, in bytes.
  std::size_t Hoechstgroesse() const { return hoechstgroesse_; }

 protected:
  // One write to an open file, as write(2) does it: the bytes written, or -1.
  virtual long SchreibeTeil(int datei, const char* daten, std::size_t anzahl);

 private:
  std::size_t hoechstgroesse_;
};

}  // namespace plattform
