#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlattform.h"
#include "platform/qt/QtPlattform.h"
#include "ui/App.h"

// A fresh platform for every test, with scripted dialogs on both backends. A
// message box that the test did not take with Meldungen() fails the test.
class PlattformTest : public ::testing::Test {
 public:
  enum class Backend { Headless, Qt };

 protected:
  explicit PlattformTest(Backend b = Backend::Headless) : backend_(b) {}
  void SetUp() override;
  void TearDown() override;

  plattform::Plattform& P() { return *plattform_; }
  plattform::headless::SkriptDialoge& Skript() { return *skript_; }
  // The texts of the boxes shown since the last call.
  std::vector<std::string> Meldungen() { return skript_->NimmMeldungen(); }
  plattform::qt::QtPlattform& Qt() { return dynamic_cast<plattform::qt::QtPlattform&>(*plattform_); }
  plattform::headless::HeadlessPlattform& Headless() {
    return dynamic_cast<plattform::headless::HeadlessPlattform&>(*plattform_);
  }

  Backend backend_;
  std::unique_ptr<plattform::Plattform> plattform_;
  plattform::headless::SkriptDialoge* skript_ = nullptr;
};

// The program started on a fresh platform, as the process entry starts it.
class ProgrammTest : public PlattformTest {
 protected:
  explicit ProgrammTest(Backend b = Backend::Headless) : PlattformTest(b) {}
  void SetUp() override;
  void TearDown() override;
  App app_;
};

// A file service whose disk is full after the first n bytes written.
class VolleDateien : public plattform::Dateien {
 public:
  explicit VolleDateien(std::size_t n) : frei_(n) {}

 protected:
  long SchreibeTeil(int datei, const char* daten, std::size_t anzahl) override;

 private:
  std::size_t frei_;
};

// A path in the temporary folder that no other test uses: ctest runs them side by side.
std::string Testdatei(const std::string& name);

// Writes a picture of the window into the build tree, for anyone to look at.
void Bildschirmfoto(plattform::qt::QtPlattform& qt, const plattform::Fenster& f, const std::string& dateiname);
