#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plattform {

// A menu item: a menu, a submenu, a separator (caption "-") or a command.
class MenuItem {
 public:
  MenuItem() = default;
  virtual ~MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::string Name;
  std::string Text;
  std::string KeyboardShortcut;  // empty, or "Cmd+" and one capital letter or digit
  bool AutoEnable = false;
  bool Enabled = true;

  virtual bool IstAppleMenuItem() const { return false; }
  bool IstSeparator() const { return Text == "-"; }

  void Append(std::unique_ptr<MenuItem> kind);
  const std::vector<std::unique_ptr<MenuItem>>& Kinder() const { return kinder_; }
  int Count() const { return static_cast<int>(kinder_.size()); }
  // The direct child of that name, or none.
  MenuItem* Child(std::string_view name) const;
  // The item of that name at any depth below this one, or none.
  MenuItem* Finde(std::string_view name) const;

 private:
  std::vector<std::unique_ptr<MenuItem>> kinder_;
};

// The kind of item that a platform with an application menu shows there.
class AppleMenuItem : public MenuItem {
 public:
  bool IstAppleMenuItem() const override { return true; }
};

// A menu bar: an item whose children are the menus shown in the bar.
class MenuBar : public MenuItem {};

}  // namespace plattform
