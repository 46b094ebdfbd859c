#pragma once

#include <functional>
#include <string_view>
#include <vector>

// "A run of the command list is in progress", answered in one place, and the
// refreshes that wait for its end. A run replays thousands of commands; what
// shows their results (the descriptions field, the picture) is brought up to
// date once, when the outermost run ends.
class Aufschub {
 public:
  // One run, nested or not; the end of the outermost one does what waits.
  class Lauf {
   public:
    explicit Lauf(Aufschub& a) : a_(a) { ++a_.tiefe_; }
    ~Lauf() {
      if (--a_.tiefe_ == 0) a_.Nachholen();
    }
    Lauf(const Lauf&) = delete;
    Lauf& operator=(const Lauf&) = delete;

   private:
    Aufschub& a_;
  };

  bool Laeuft() const { return tiefe_ > 0; }
  // Whether the refresh waits for the end of the run: then it is done there
  // once, however often it was asked for. Outside a run nothing waits and the
  // caller refreshes at once. platz names what is refreshed, a text that lives
  // as long as the program; of two refreshes of one place the one of the
  // higher stufe is done (a full redraw includes the redraw over the picture).
  bool Aufschieben(std::string_view platz, int stufe, std::function<void()> tue);

 private:
  void Nachholen();

  struct Wartend {
    std::string_view platz;
    int stufe;
    std::function<void()> tue;
  };
  int tiefe_ = 0;
  std::vector<Wartend> wartend_;  // in the order they were first asked for
};
