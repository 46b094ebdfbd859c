#include "support/Umgebung.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <filesystem>

std::string Testdatei(const std::string& name) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string test = std::string(info->test_suite_name()) + "_" + info->name();
  std::replace(test.begin(), test.end(), '/', '_');
  return (std::filesystem::temp_directory_path() / ("figurat_" + test + "_" + name)).string();
}

void PlattformTest::SetUp() {
  if (backend_ == Backend::Qt)
    plattform_ = std::make_unique<plattform::qt::QtPlattform>();
  else
    plattform_ = std::make_unique<plattform::headless::HeadlessPlattform>();
  auto skript = std::make_unique<plattform::headless::SkriptDialoge>();
  skript_ = skript.get();
  plattform_->SetzeDialoge(std::move(skript));
}

void PlattformTest::TearDown() {
  EXPECT_EQ(skript_->NimmMeldungen(), std::vector<std::string>{}) << "unerwartete Meldung";
  EXPECT_FALSE(skript_->OhneAntwort()) << "ein Dialog fand keine Antwort";
  EXPECT_TRUE(skript_->AllesBeantwortet()) << "nicht alle vorbereiteten Antworten wurden gebraucht";
  plattform_.reset();
}

void ProgrammTest::SetUp() {
  PlattformTest::SetUp();
  Starte(app_);
  plattform_->Abgleichen();
}

void ProgrammTest::TearDown() { PlattformTest::TearDown(); }

long VolleDateien::SchreibeTeil(int datei, const char* daten, std::size_t anzahl) {
  if (frei_ == 0) {
    errno = ENOSPC;
    return -1;
  }
  const long n = Dateien::SchreibeTeil(datei, daten, std::min(anzahl, frei_));
  if (n > 0) frei_ -= static_cast<std::size_t>(n);
  return n;
}

void Bildschirmfoto(plattform::qt::QtPlattform& qt, const plattform::Fenster& f, const std::string& dateiname) {
  QWidget* w = qt.Widget(f);
  ASSERT_NE(w, nullptr);
  QDir().mkpath("bildschirmfotos");
  EXPECT_TRUE(w->grab().save(QString::fromStdString("bildschirmfotos/" + dateiname)));
}
