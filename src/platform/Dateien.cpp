#include "platform/Dateien.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

namespace plattform {

namespace fs = std::filesystem;

namespace {

// The file a path names, through links; nothing for a loop of links.
std::optional<fs::path> DurchVerweise(fs::path p) {
  std::error_code fehler;
  for (int i = 0; i < 40; ++i) {
    if (!fs::is_symlink(p, fehler)) return p;
    fs::path ziel = fs::read_symlink(p, fehler);
    if (fehler) return std::nullopt;
    p = ziel.is_absolute() ? ziel : p.parent_path() / ziel;
  }
  return std::nullopt;
}

// A new file beside the target, with the mode the umask gives, like any new file.
int NeueDateiDaneben(const fs::path& ziel, fs::path& name) {
  const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
  for (int n = 0; n < 100; ++n) {
    name = ordner / ("." + ziel.filename().string() + "." + std::to_string(::getpid()) + "-" + std::to_string(n));
    const int d = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (d >= 0 || errno != EEXIST) return d;
  }
  return -1;
}

void OrdnerSichern(const fs::path& ziel) {
  const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
  const int d = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (d < 0) return;
  ::fsync(d);
  ::close(d);
}

}  // namespace

Dateien::Lesen Dateien::Lese(const std::string& pfad, std::string& text) const {
  const int d = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
  if (d < 0) return Lesen::Unlesbar;
  struct stat info {};
  std::string inhalt;
  Lesen ergebnis = Lesen::Gelesen;
  if (::fstat(d, &info) != 0) {
    ergebnis = Lesen::Unlesbar;
  } else if (S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) > hoechstgroesse_) {
    ergebnis = Lesen::ZuGross;
  } else {
    if (S_ISREG(info.st_mode)) inhalt.reserve(static_cast<std::size_t>(info.st_size));
    // One byte beyond the limit tells a file that does not end, or one that grew, from one that fits.
    char puffer[1 << 16];
    while (ergebnis == Lesen::Gelesen) {
      const std::size_t frei = hoechstgroesse_ + 1 - inhalt.size();
      const ssize_t n = ::read(d, puffer, frei < sizeof puffer ? frei : sizeof puffer);
      if (n == 0) break;
      if (n < 0) {
        if (errno != EINTR) ergebnis = Lesen::Unlesbar;
        continue;
      }
      inhalt.append(puffer, static_cast<std::size_t>(n));
      if (inhalt.size() > hoechstgroesse_) ergebnis = Lesen::ZuGross;
    }
  }
  ::close(d);
  if (ergebnis == Lesen::Gelesen) text = std::move(inhalt);
  return ergebnis;
}

bool Dateien::Schreibe(const std::string& pfad, const std::string& text) {
  const std::optional<fs::path> ziel = DurchVerweise(pfad);
  if (!ziel) return false;
  struct stat alt {};
  const bool gab = ::stat(ziel->c_str(), &alt) == 0;
  // A device or a folder is not replaced by a file.
  if (gab && !S_ISREG(alt.st_mode)) return false;

  fs::path neu;
  const int d = NeueDateiDaneben(*ziel, neu);
  if (d < 0) return false;
  // The replaced file's permissions; the owner stays the writer's.
  if (gab) ::fchmod(d, alt.st_mode & 07777);
  bool ok = true;
  for (std::size_t geschrieben = 0; ok && geschrieben < text.size();) {
    const long n = SchreibeTeil(d, text.data() + geschrieben, text.size() - geschrieben);
    if (n > 0)
      geschrieben += static_cast<std::size_t>(n);
    else
      ok = n < 0 && errno == EINTR;
  }
  ok = ok && ::fsync(d) == 0;
  ok = ::close(d) == 0 && ok;
  ok = ok && ::rename(neu.c_str(), ziel->c_str()) == 0;
  if (!ok) {
    ::unlink(neu.c_str());
    return false;
  }
  OrdnerSichern(*ziel);
  return true;
}

long Dateien::SchreibeTeil(int datei, const char* daten, std::size_t anzahl) {
  return static_cast<long>(::write(datei, daten, anzahl));
}

}  // namespace plattform
