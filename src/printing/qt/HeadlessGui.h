#pragma once

#include <memory>

#include <QGuiApplication>

namespace pramo {

// Fonts, PDF writing and images of Qt GUI need an application object even where no window is shown.
// This makes one for the lifetime of the object unless the program already has one, on the offscreen
// platform unless another platform is asked for in QT_QPA_PLATFORM.
class HeadlessGui {
 public:
  HeadlessGui();
  ~HeadlessGui();
  HeadlessGui(const HeadlessGui&) = delete;
  HeadlessGui& operator=(const HeadlessGui&) = delete;

 private:
  int m_argc = 1;
  char m_name[6] = "pramo";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<QGuiApplication> m_application;
};

}  // namespace pramo
