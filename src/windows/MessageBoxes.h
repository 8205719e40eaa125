#pragma once

#include <QWidget>

#include "core/Messages.h"

namespace pramo {

// The engine's messages as modal message boxes: the kind gives the icon and the title, the buttons are
// those the engine asks with.
class MessageBoxes : public Messages {
 public:
  explicit MessageBoxes(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }
  Answer Show(const Message& message) override;

 private:
  QWidget* m_parent;
};

}  // namespace pramo
